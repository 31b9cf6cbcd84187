// Loading a whole settings folder. The input is the six files' bytes in their usual order
// (cover.dat, font.dat, printer.dat, chtspace.dat, options.dat, color.dat), separated by the part
// separator; a file without a part is missing. Whatever they hold, load, save and load again
// gives the preferences loaded first, but for the two documented changes a save makes: no printer
// type selected is written as "laser", and no spacing selected as an empty chtspace.dat, which
// reads as "Double Space with Lines". From then on save and load change nothing.
#include "fuzzcheck.h"
#include "settings/preferences.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

settings::Preferences asSaved(settings::Preferences preferences)
{
    if (preferences.printer == settings::PrinterType::None)
        preferences.printer = settings::PrinterType::Laser;
    if (preferences.spacing == settings::Spacing::None)
        preferences.spacing = settings::Spacing::WithLines;
    return preferences;
}

settings::Preferences loaded(const QString &folder)
{
    QString error;
    const settings::Preferences preferences =
        settings::LoadSettings(folder, settings::DesignPreferences(), &error);
    FUZZ_CHECK(error.isEmpty());
    return preferences;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    const QList<QByteArray> parts = fuzz::InputParts(data, size);
    const QStringList names = settings::SettingsFileNames();
    for (qsizetype k = 0; k < names.size(); ++k) {
        QFile file(QDir(folder.path()).filePath(names[k]));
        file.remove();
        if (k < parts.size())
            FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(parts[k]) == parts[k].size());
    }

    const settings::Preferences first = loaded(folder.path());
    FUZZ_CHECK(settings::SaveSettings(folder.path(), first).isEmpty());
    const settings::Preferences second = loaded(folder.path());
    FUZZ_CHECK(second == asSaved(first));
    FUZZ_CHECK(settings::SaveSettings(folder.path(), second).isEmpty());
    FUZZ_CHECK(loaded(folder.path()) == second);
    return 0;
}
