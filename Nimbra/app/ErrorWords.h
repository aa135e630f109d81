#pragma once
// What went wrong, in words for the user: the sentence under an alert's message.
// Every typed error the app meets is told here, and nowhere else.

#include <QString>
#include <exception>

namespace nimbra::app {

QString inWords(const std::exception& error);

}  // namespace nimbra::app
