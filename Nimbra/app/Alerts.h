#pragma once
// The app's modal alerts: a message, the text under it, one button or a choice.

#include <QString>
#include <exception>

class QWidget;

namespace nimbra::platform {
class ExtensionSwitch;
}

namespace nimbra::app {

void warn(QWidget* parent, const QString& message, const QString& details, const QString& button = {});

// Asks; true when the user chose `proceed` (the default button). `name` names the
// alert object, for the tests that answer it.
bool confirm(QWidget* parent, const QString& name, const QString& message, const QString& details,
             const QString& proceed, const QString& cancel);

// The user's switch for the menus could not be set `on` (or off), for `error`;
// `whatNow` tells what to do about it.
void warnSwitchNotSaved(QWidget* parent, bool on, const std::exception& error, const QString& whatNow = {});

// Sets the user's switch for the menus; when it cannot be saved, says so and returns false.
bool setMenusSwitch(platform::ExtensionSwitch& menus, bool on, QWidget* parent);

}  // namespace nimbra::app
