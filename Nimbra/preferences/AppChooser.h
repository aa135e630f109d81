#pragma once
// Chooses an application to add to Open Folder with: the installed applications,
// searchable by name, or any desktop entry file.

#include <QDialog>

#include <filesystem>
#include <optional>
#include <vector>

#include "nimbra/platform/Workspace.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace nimbra::preferences {

class AppChooser : public QDialog {
 public:
  AppChooser(std::vector<AppLocation> apps, QWidget* parent);

  // The desktop entry chosen; nothing when the chooser was cancelled.
  const std::optional<std::filesystem::path>& chosen() const { return chosen_; }

 private:
  void filter(const QString& text);
  void chooseListed();
  void chooseFile();

  QLineEdit* search_;
  QListWidget* list_;
  QPushButton* add_;
  std::optional<std::filesystem::path> chosen_;
};

}  // namespace nimbra::preferences
