#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace language {

// The program's own language, chosen from the desktop's list of languages (`LANGUAGE`, `LANG`):
// the first one the program is translated into, unless English comes first. English is the
// language the texts are written in, so it needs no translation.
// `available` holds the codes of the translations built in ("de", "pt_BR").
[[nodiscard]] QString ChooseLanguage(const QStringList &uiLanguages, const QStringList &available);

// The codes of the translations built into the program.
[[nodiscard]] QStringList AvailableLanguages();

// Installs the program's translation for `code` and, beside it, Qt's own for its dialogs and
// buttons; an empty code installs none. Returns false when the program's own could not be loaded.
bool InstallTranslation(QCoreApplication &app, const QString &code);

// Installs the translation the desktop's languages ask for; returns its code ("" for English).
QString InstallSystemTranslation(QCoreApplication &app);

} // namespace language
