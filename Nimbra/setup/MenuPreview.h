#pragma once
// The picture beside the setup checklist: the file manager's context menu as it looks with the
// extension off, or with it on, unfolding New, Send to and Open Folder with one
// after another. Fixed pictures: they do not follow the user's settings.

#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>
#include <chrono>
#include <functional>

namespace nimbra::app {

class MenuPreview : public QWidget {
  Q_OBJECT

 public:
  // In cycle order.
  enum class Submenu { newMenu, sendTo, openWith };
  Q_ENUM(Submenu)

  // `reducesMotion` is asked whenever the cycle would start; each submenu stays for
  // `dwell`. The caption names the file manager.
  MenuPreview(std::function<bool()> reducesMotion, QString fileManager, QWidget* parent = nullptr,
              std::chrono::milliseconds dwell = std::chrono::milliseconds(2600));

  bool isOn() const { return on_; }
  // The menu with the extension on cycles through its submenus; off, it is the file manager's own.
  void setOn(bool on);
  Submenu shown() const { return shown_; }

  QSize sizeHint() const override { return {360, 500}; }

 signals:
  void shownChanged(nimbra::app::MenuPreview::Submenu shown);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void restart();
  void advance();

  std::function<bool()> reducesMotion_;
  const QString fileManager_;
  bool on_ = false;
  Submenu shown_ = Submenu::newMenu;
  Submenu previous_ = Submenu::newMenu;
  QTimer dwell_;
  QVariantAnimation fade_;  // 0 to 1: from `previous_` to `shown_`
};

}  // namespace nimbra::app
