#pragma once
// "Nimbra Preferences": what the three menus in Files contain, in four tabs. Every
// change is written at once; what another writer stores shows while the window is
// open. Made once and reused: closing only hides it.

#include <QTimer>
#include <QWidget>

#include <memory>

#include "PreferencesServices.h"
#include "nimbra/PreferencesModel.h"

class QTabWidget;

namespace nimbra::preferences {

class NewTab;
class SendToTab;
class OpenWithTab;
class UpdatesTab;

class PreferencesWindow : public QWidget {
 public:
  explicit PreferencesWindow(PreferencesServices services, QWidget* parent = nullptr);
  ~PreferencesWindow() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The tabs once the settings open, the notice until then.
  void makeContent();
  void save(const std::function<void()>& change);
  // Takes in what others stored, and what is installed now.
  void refresh();
  void syncAll();
  void drawIcons();

  PreferencesServices services_;
  std::unique_ptr<PreferencesModel> model_;
  QWidget* notice_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  NewTab* newTab_ = nullptr;
  SendToTab* sendToTab_ = nullptr;
  OpenWithTab* openWithTab_ = nullptr;
  UpdatesTab* updatesTab_ = nullptr;
  QTimer poll_;
};

}  // namespace nimbra::preferences
