#pragma once
// Answers the app's modal windows the way a person would: each step waits for a
// visible window of a type (and name), looks at it and answers it. The code under
// test runs meanwhile; `finished()` says whether every step met its window.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace nimbra::testing {

class DialogDriver {
 public:
  DialogDriver() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(20);
    waiting_.start();
  }

  // Steps run in the order given, each on the next window that matches.
  template <class Window>
  void then(const char* name, std::function<void(Window*)> answer) {
    steps_.push_back([name, answer](QWidget* widget) {
      auto* window = qobject_cast<Window*>(widget);
      if (!window || (*name && window->objectName() != name)) return false;
      answer(window);
      return true;
    });
  }

  bool finished() const { return steps_.empty(); }

 private:
  void poll() {
    if (steps_.empty()) return;
    for (auto* widget : QApplication::topLevelWidgets()) {
      if (widget->isVisible() && steps_.front()(widget)) {
        steps_.pop_front();
        waiting_.restart();
        return;
      }
    }
    // A window that never comes (or one nobody expected) must not hang the test.
    if (waiting_.elapsed() > 5000) {
      for (auto* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible()) dialog->reject();
      }
      waiting_.restart();
    }
  }

  QTimer timer_;
  QElapsedTimer waiting_;
  std::deque<std::function<bool(QWidget*)>> steps_;
};

}  // namespace nimbra::testing
