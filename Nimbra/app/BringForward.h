#pragma once
// Windows the user asked for from the file manager come to the front and take the
// focus, instead of opening behind it.

class QDialog;
class QString;
class QWidget;

namespace nimbra::app {

// Shown, raised and given the focus.
void bringForward(QWidget& window);
// Runs the dialog modally, in front.
int execInFront(QDialog& dialog);

// Wayland lets a window come to the front only with the token of the launch the
// user made; the next window brought forward uses this one. Empty: none.
void useActivationToken(const QString& token);

}  // namespace nimbra::app
