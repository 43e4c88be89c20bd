#include "core/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace translations {
namespace {

const QString kRussian = QStringLiteral("ru");

// The program's translations are built into it (see translations/).
QString ProgramTranslation(const QString& language) {
  return QStringLiteral(":/i18n/quillmark_%1.qm").arg(language);
}

QString LanguageOf(const QString& uiLanguage) {
  const QLocale locale(uiLanguage);
  if (locale.language() == QLocale::C) return QString();
  return QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
}

void Load(QCoreApplication& app, const QString& file, const QString& folder = QString()) {
  auto* translator = new QTranslator(&app);
  if (translator->load(file, folder)) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

QString Choose(const QStringList& uiLanguages) {
  for (const QString& uiLanguage : uiLanguages) {
    const QString language = LanguageOf(uiLanguage);
    if (language.isEmpty()) continue;
    if (language == kRussian || QFileInfo::exists(ProgramTranslation(language))) return language;
  }
  return kRussian;
}

QString Install(QCoreApplication& app, const QStringList& uiLanguages) {
  const QString language = Choose(uiLanguages);
  if (language != kRussian) Load(app, ProgramTranslation(language));
  // Qt's own texts are English; for any other language its translation
  // (Debian qt6-translations-l10n) is used when installed.
  if (language != QLatin1String("en")) {
    Load(app, QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
  return language;
}

}  // namespace translations
