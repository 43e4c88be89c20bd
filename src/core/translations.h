#pragma once
// The language of the windows, the log and Qt's own dialogs. Russian is the
// language the program is written in: it is shown for a Russian locale and
// whenever no translation fits the user's languages. The user's languages
// come in order of preference (LANGUAGE, then LC_ALL, LC_MESSAGES or LANG);
// the first that is Russian or has a translation wins.
#include <QStringList>

class QCoreApplication;

namespace translations {

// The language chosen for these languages of the user (BCP 47 names such as
// "en-GB" or "ru"): "ru" or the language of a translation the program has.
QString Choose(const QStringList& uiLanguages);

// Installs the program's translation for the chosen language and Qt's own
// translation for it (for the file dialog and the standard buttons), both
// kept by the application. Returns the language chosen.
QString Install(QCoreApplication& app, const QStringList& uiLanguages);

}  // namespace translations
