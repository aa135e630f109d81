#pragma once
// The folder chooser of Send to ▸ Another Folder…: where to, and whether to copy or
// move ("Send by:"), with the prompt following the choice. The chooser can make new
// folders.

#include <QDialog>
#include <filesystem>
#include <optional>
#include <vector>

class QFileDialog;
class QPushButton;

namespace nimbra::app {

class TransferDialog : public QDialog {
  Q_OBJECT

 public:
  // Starts in the first item's folder.
  explicit TransferDialog(const std::vector<std::filesystem::path>& items, QWidget* parent = nullptr);

  // "Choose a folder for “Report.pdf”", or "… for the 3 items".
  static QString message(const std::vector<std::filesystem::path>& items);

  // The chosen folder, once accepted.
  std::optional<std::filesystem::path> folder() const;
  bool move() const;

 private:
  void modeChanged();

  QFileDialog* chooser_;
  QPushButton* copy_;
  QPushButton* move_;
};

}  // namespace nimbra::app
