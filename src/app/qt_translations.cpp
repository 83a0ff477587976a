#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace tessary {

namespace {

// The language whose name, in its own tongue or in English, is `name`.
QLocale::Language LanguageNamed(const QString& name) {
  for (const QLocale& locale :
       QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
    if (name.compare(locale.nativeLanguageName(), Qt::CaseInsensitive) == 0 ||
        name.compare(QLocale::languageToString(locale.language()), Qt::CaseInsensitive) == 0)
      return locale.language();
  }
  return QLocale::AnyLanguage;
}

}  // namespace

void QtTranslations::Follow(const std::string& name) {
  translator_.reset();  // which takes it out of the application
  const QLocale::Language language = LanguageNamed(QString::fromStdString(name));
  if (language == QLocale::AnyLanguage || language == QLocale::English) return;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QLocale(language), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
}

}  // namespace tessary
