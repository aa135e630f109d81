#pragma once
// The app in the user's language: its own catalogue, built into the program, and
// Qt's (the standard buttons, the file dialogs). The language is Qt's reading of
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG; English, with its plural forms, where the
// app has no catalogue for it.

#include <QLocale>

namespace nimbra::app {

// Once, after the application object is made.
void installTranslations(const QLocale& locale = QLocale());

}  // namespace nimbra::app
