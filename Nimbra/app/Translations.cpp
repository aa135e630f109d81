#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace nimbra::app {
namespace {

void install(QTranslator* translator, bool loaded) {
  if (loaded) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

void installTranslations(const QLocale& locale) {
  auto* own = new QTranslator(QCoreApplication::instance());
  install(own, own->load(locale, "nimbra", "_", ":/i18n") || own->load("nimbra_en", ":/i18n"));
  auto* qt = new QTranslator(QCoreApplication::instance());
  install(qt, qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

}  // namespace nimbra::app
