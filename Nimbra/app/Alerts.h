#pragma once
// The app's modal alerts: a message, the text under it, one button.

#include <QString>

class QWidget;

namespace nimbra::app {

void warn(QWidget* parent, const QString& message, const QString& details, const QString& button = "OK");

}  // namespace nimbra::app
