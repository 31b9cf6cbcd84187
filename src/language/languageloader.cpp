#include "language/languageloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace language {

namespace {

// Where the build puts the program's compiled translations: in its own resources.
const QString OwnFolder = QStringLiteral(":/i18n");

QString OwnFile(const QString &code)
{
    return QStringLiteral("tidemark_") + code;
}

} // namespace

QString ChooseLanguage(const QStringList &uiLanguages, const QStringList &available)
{
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (wanted == QLatin1String("C") || wanted.startsWith(QLatin1String("en")))
            return {};
        // The full code first ("pt_BR"), then the language alone ("de" for "de_AT").
        if (available.contains(wanted))
            return wanted;
        const QString bare = wanted.section(QLatin1Char('_'), 0, 0);
        if (available.contains(bare))
            return bare;
    }
    return {};
}

QStringList AvailableLanguages()
{
    QStringList codes;
    const QStringList files = QDir(OwnFolder).entryList({QStringLiteral("tidemark_*.qm")}, QDir::Files);
    for (const QString &file : files)
        codes << file.mid(OwnFile(QString()).size()).chopped(3);
    return codes;
}

bool InstallTranslation(QCoreApplication &app, const QString &code)
{
    if (code.isEmpty())
        return true;
    auto own = new QTranslator(&app);
    if (!own->load(OwnFile(code), OwnFolder)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts (the file dialog, the buttons of message boxes), where Qt has them.
    auto qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

QString InstallSystemTranslation(QCoreApplication &app)
{
    const QString code = ChooseLanguage(QLocale::system().uiLanguages(), AvailableLanguages());
    return InstallTranslation(app, code) ? code : QString();
}

} // namespace language
