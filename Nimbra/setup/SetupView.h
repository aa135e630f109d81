#pragma once
// The setup window's content: on the left the menu preview, on the right the
// three steps to get the menus working in the user's file manager (switch the
// extension on, try it, make it yours), each shown live as done or not.

#include <QWidget>
#include <memory>

#include "ChecklistRow.h"
#include "SetupStatus.h"
#include "app/AppServices.h"

class QLabel;
class QPushButton;

namespace nimbra::app {

class MenuPreview;

class SetupView : public QWidget {
  Q_OBJECT

 public:
  explicit SetupView(const AppServices& services, QWidget* parent = nullptr);

  SetupStatus& status() { return status_; }

 signals:
  void customizeMenus();

 protected:
  // Coming back to the window (say from a terminal where the file manager was restarted) checks again.
  void changeEvent(QEvent* event) override;

 private:
  void showStatus();
  bool setSwitch(bool on);
  void turnOn();
  void turnOff();
  void offerToTakeIn();
  // The colours taken from the palette, again whenever the desktop's style changes.
  void paintColors();

  std::shared_ptr<platform::ExtensionSwitch> switch_;
  std::shared_ptr<platform::FileManagerPresence> presence_;
  const QString name_;  // the file manager's
  SetupStatus status_;
  MenuPreview* preview_;
  ChecklistRowView* extensionRow_;
  ChecklistRowView* tryRow_;
  ChecklistRowView* customizeRow_;
  QLabel* subtitle_;
  QPushButton* checkAgain_;
  QLabel* site_;
};

}  // namespace nimbra::app
