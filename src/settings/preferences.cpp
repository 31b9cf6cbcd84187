#include "settings/preferences.h"

#include "settings/delimitedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <algorithm>

namespace settings {

namespace {

const QString CoverFile = QStringLiteral("cover.dat");
const QString FontFile = QStringLiteral("font.dat");
const QString PrinterFile = QStringLiteral("printer.dat");
const QString SpacingFile = QStringLiteral("chtspace.dat");
const QString OptionsFile = QStringLiteral("options.dat");
const QString ColorFile = QStringLiteral("color.dat");

const QString TrueWord = QStringLiteral("true");
const QString FalseWord = QStringLiteral("false");
const QString MatrixWord = QStringLiteral("matrix");
const QString LaserWord = QStringLiteral("laser");
const QString SingleWord = QStringLiteral("single");
const QString DoubleWord = QStringLiteral("double");
const QString TripleWord = QStringLiteral("triple"); // "Double Space with Lines"

const QString DefaultFont = QStringLiteral("Arial");
const QString DefaultLinesPerPage = QStringLiteral("50");

// The files hold people's names and birthdates: only their owner may read them.
constexpr QFile::Permissions OwnerReadWrite = QFile::ReadOwner | QFile::WriteOwner;

// An empty folder name would put the files in whatever the current folder happens to be.
constexpr const char *NoFolder =
    QT_TRANSLATE_NOOP("SettingsMessages", "No folder for the settings files was given.");

QString Word(bool checked)
{
    return checked ? TrueWord : FalseWord;
}

// Each reader gets the fields of its file; no fields means the file is empty.

void ReadCover(const QStringList &fields, Preferences &p)
{
    if (fields.isEmpty()) {
        p.leadIn = DefaultLeadIn();
        p.heading = DefaultHeadingLines();
        return;
    }
    p.leadIn = fields[0];
    for (qsizetype k = 0; k < qsizetype(p.heading.size()) && k + 1 < fields.size(); ++k)
        p.heading[k] = fields[k + 1];
}

void ReadFont(const QStringList &fields, Preferences &p)
{
    p.font = (fields.isEmpty() || fields[0].isEmpty()) ? DefaultFont : fields[0];
}

void ReadPrinter(const QStringList &fields, Preferences &p)
{
    if (fields.isEmpty()) {
        p.linesPerPage = DefaultLinesPerPage;
        p.printer = PrinterType::Laser;
        return;
    }
    p.linesPerPage = fields[0];
    if (fields.size() > 1)
        p.printer = fields[1] == MatrixWord ? PrinterType::Matrix : PrinterType::Laser;
}

void ReadSpacing(const QStringList &fields, Preferences &p)
{
    const QString word = fields.isEmpty() ? QString() : fields[0];
    if (word == SingleWord)
        p.spacing = Spacing::Single;
    else if (word == DoubleWord)
        p.spacing = Spacing::Double;
    else if (word == TripleWord || word.isEmpty())
        p.spacing = Spacing::WithLines;
    else
        p.spacing = Spacing::None;
}

void ReadOptions(const QStringList &fields, Preferences &p)
{
    if (fields.isEmpty()) {
        p.holidays = true;
        p.dateEachPage = true;
        p.forecast = false;
        return;
    }
    bool *const boxes[] = {&p.holidays, &p.dateEachPage, &p.forecast};
    for (qsizetype k = 0; k < 3 && k < fields.size(); ++k)
        *boxes[k] = fields[k] == TrueWord;
}

void ReadColor(const QStringList &fields, Preferences &p)
{
    p.color = fields.isEmpty() || fields[0] == TrueWord;
}

QStringList SpacingLines(Spacing spacing)
{
    switch (spacing) {
    case Spacing::Single:
        return {SingleWord};
    case Spacing::Double:
        return {DoubleWord};
    case Spacing::WithLines:
        return {TripleWord};
    case Spacing::None:
        break;
    }
    return {};
}

} // namespace

Preferences DesignPreferences()
{
    return Preferences{};
}

QString DefaultLeadIn()
{
    return QStringLiteral("This Chart Has Been Prepared Especially For You By:");
}

std::array<QString, 4> DefaultHeadingLines()
{
    return {QStringLiteral("Your Name"), QStringLiteral("123 Any Street"),
            QStringLiteral("Anytown, ST 00000"), QStringLiteral("you@example.com")};
}

Preferences ApplyDefaultSettings(Preferences preferences)
{
    preferences.printer = PrinterType::Laser;
    preferences.linesPerPage = DefaultLinesPerPage;
    preferences.color = true;
    preferences.font = DefaultFont;
    preferences.spacing = Spacing::WithLines;
    preferences.holidays = true;
    preferences.dateEachPage = true;
    preferences.forecast = false;
    return preferences;
}

QString NameDatabaseFileName()
{
    return QStringLiteral("bioname.dat");
}

QStringList SettingsFileNames()
{
    return {CoverFile, FontFile, PrinterFile, SpacingFile, OptionsFile, ColorFile};
}

QString EnsureSettingsFiles(const QString &folder, Wording words)
{
    if (folder.isEmpty())
        return words("SettingsMessages", NoFolder);
    const QDir dir(folder);
    QString firstError;
    for (const QString &name : QStringList{NameDatabaseFileName()} + SettingsFileNames()) {
        const QString path = dir.filePath(name);
        if (QFileInfo::exists(path))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append, OwnerReadWrite) && firstError.isEmpty())
            //: %1 is the file's path, %2 why it could not be created
            firstError =
                words("SettingsMessages",
                      QT_TRANSLATE_NOOP("SettingsMessages", "The file %1 could not be created (%2)."))
                    .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return firstError;
}

Preferences LoadSettings(const QString &folder, const Preferences &start, QString *error, Wording words)
{
    using Reader = void (*)(const QStringList &, Preferences &);
    const std::pair<QString, Reader> files[] = {{CoverFile, ReadCover},     {FontFile, ReadFont},
                                                {PrinterFile, ReadPrinter}, {SpacingFile, ReadSpacing},
                                                {OptionsFile, ReadOptions}, {ColorFile, ReadColor}};
    const QDir dir(folder);
    Preferences p = start;
    QString firstError;
    for (const auto &[name, apply] : files) {
        const QString path = dir.filePath(name);
        FileRead content;
        if (!folder.isEmpty() && QFileInfo::exists(path)) {
            content = ReadDelimitedFile(path, words);
            if (!content.ok && firstError.isEmpty())
                firstError = content.error;
        }
        apply(content.fields, p);
    }
    if (error)
        *error = firstError;
    return p;
}

QList<WriteFailure> SaveSettings(const QString &folder, const Preferences &p)
{
    if (folder.isEmpty())
        return {WriteFailure{QString(), QString::fromUtf8(NoFolder)}};
    const QDir dir(folder);
    const std::pair<QString, QStringList> files[] = {
        {CoverFile, {p.leadIn, p.heading[0], p.heading[1], p.heading[2], p.heading[3]}},
        {FontFile, {p.font}},
        {PrinterFile, {p.linesPerPage, p.printer == PrinterType::Matrix ? MatrixWord : LaserWord}},
        {SpacingFile, SpacingLines(p.spacing)},
        {OptionsFile, {Word(p.holidays), Word(p.dateEachPage), Word(p.forecast)}},
        {ColorFile, {Word(p.color)}},
    };
    QList<WriteFailure> failures;
    for (const auto &[name, lines] : files) {
        if (std::optional<WriteFailure> failure = WriteDelimitedFile(dir.filePath(name), lines))
            failures.append(std::move(*failure));
    }
    return failures;
}

QString UnsavedSettingsMessage(const QList<WriteFailure> &failures, Wording words)
{
    // The files of one folder that failed for one reason go together, in the order they failed.
    struct Group
    {
        QString folder;
        QString reason;
        QStringList names;
    };
    QList<Group> groups;
    for (const WriteFailure &failure : failures) {
        const QFileInfo file(failure.path);
        const QString folder = failure.path.isEmpty() ? QString() : QDir::toNativeSeparators(file.path());
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group &g) {
            return g.folder == folder && g.reason == failure.reason;
        });
        if (group == groups.end())
            group = groups.insert(groups.end(), Group{folder, failure.reason, {}});
        if (!failure.path.isEmpty())
            group->names.append(file.fileName());
    }
    QStringList parts;
    for (const Group &group : std::as_const(groups)) {
        const QString names =
            group.names.size() > 1
                ? group.names.first(group.names.size() - 1).join(QStringLiteral(", ")) +
                      words("SettingsMessages", QT_TRANSLATE_NOOP("SettingsMessages", " and ")) +
                      group.names.last()
                : group.names.value(0);
        // A failure without a folder is the one that says no folder was given.
        //: File names, their folder and why they could not be written
        parts.append(group.folder.isEmpty()
                         ? words("SettingsMessages", group.reason.toUtf8().constData())
                         : words("SettingsMessages", QT_TRANSLATE_NOOP("SettingsMessages", "%1 in %2 (%3)"))
                               .arg(names, group.folder, group.reason));
    }
    if (failures.size() == 1)
        return words("SettingsMessages",
                     QT_TRANSLATE_NOOP(
                         "SettingsMessages",
                         "The settings could not be saved. This file could not be written: %1. It keeps the "
                         "settings "
                         "it held before this run; the changes made to it in this run are lost."))
            .arg(parts.join(QStringLiteral("; ")));
    return words(
               "SettingsMessages",
               QT_TRANSLATE_NOOP("SettingsMessages",
                                 "The settings could not be saved. These files could not be written: %1. "
                                 "They keep the settings "
                                 "they held before this run; the changes made to them in this run are lost."))
        .arg(parts.join(QStringLiteral("; ")));
}

} // namespace settings
