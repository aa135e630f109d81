#pragma once
// The app's words: written in English in the code, shown in the user's language
// from the catalogues in Nimbra/translations. One context for the whole app, so a
// text is translated once wherever it appears.

#include <QCoreApplication>

namespace nimbra::app {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(Nimbra)
};

}  // namespace nimbra::app
