#include "platform/datafolder.h"
#include "settings/preferences.h"
#include "support/namedpipe.h"
#include "support/privileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>

using namespace settings;

Q_DECLARE_METATYPE(settings::Preferences)

namespace {

const QString DataDir = QStringLiteral(TIDEMARK_TEST_DATA "/settings");

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool PutFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What the controls show after a start-up in which every settings file is empty.
Preferences EmptyFileDefaults()
{
    Preferences p;
    p.leadIn = QStringLiteral("This Chart Has Been Prepared Especially For You By:");
    p.heading = {QStringLiteral("Your Name"), QStringLiteral("123 Any Street"),
                 QStringLiteral("Anytown, ST 00000"), QStringLiteral("you@example.com")};
    p.font = QStringLiteral("Arial");
    p.linesPerPage = QStringLiteral("50");
    p.printer = PrinterType::Laser;
    p.spacing = Spacing::WithLines;
    p.holidays = true;
    p.dateEachPage = true;
    p.color = true;
    p.forecast = false;
    return p;
}

// Every preference away from its default.
Preferences Contrary()
{
    Preferences p;
    p.leadIn = QStringLiteral("This Chart Created By:");
    p.heading = {QStringLiteral("Ann Example"), QStringLiteral("1 Harbour Road"), QStringLiteral("Portside"),
                 QStringLiteral("ann@example.com")};
    p.font = QStringLiteral("Times");
    p.linesPerPage = QStringLiteral("66");
    p.printer = PrinterType::Matrix;
    p.spacing = Spacing::Single;
    p.holidays = false;
    p.dateEachPage = false;
    p.color = false;
    p.forecast = true;
    return p;
}

template <typename T> Preferences With(Preferences p, T Preferences::*member, T value)
{
    p.*member = std::move(value);
    return p;
}

Preferences Checks(Preferences p, bool holidays, bool dateEachPage, bool forecast)
{
    p.holidays = holidays;
    p.dateEachPage = dateEachPage;
    p.forecast = forecast;
    return p;
}

Preferences Printer(Preferences p, const QString &linesPerPage, PrinterType printer)
{
    p.linesPerPage = linesPerPage;
    p.printer = printer;
    return p;
}

Preferences Cover(Preferences p, const QString &leadIn, const std::array<QString, 4> &heading)
{
    p.leadIn = leadIn;
    p.heading = heading;
    return p;
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultSettings_data();
    void defaultSettings();
    void ensureCreatesSevenEmptyFiles();
    void ensureLeavesExistingFiles();
    void ensureReportsUnwritableFolder();
    void emptyFilesGiveDefaults();
    void load_data();
    void load();
    void loadKeepsControlsWithoutFields();
    void loadReportsUnreadableFile_data();
    void loadReportsUnreadableFile();
    void saveAfterDefaultSettingsMatchesGolden();
    void firstRunMatchesGolden();
    void unknownSpacingWordCycle();
    void roundTrip_data();
    void roundTrip();
    void saveReportsUnwritableFolder();
    void saveWritesTheOthersAfterAFailure();
    void fullDiskKeepsEveryFile();
    void emptyFolderNameTouchesNothing();
    void folderAndFilesAreOwnerOnly();
};

void TestPreferences::defaultSettings_data()
{
    QTest::addColumn<Preferences>("before");
    QTest::newRow("design state") << DesignPreferences();
    QTest::newRow("every preference changed") << Contrary();
}

void TestPreferences::defaultSettings()
{
    QFETCH(Preferences, before);
    Preferences expected = EmptyFileDefaults();
    expected.leadIn = before.leadIn;
    expected.heading = before.heading;
    QCOMPARE(ApplyDefaultSettings(before), expected);
}

void TestPreferences::ensureCreatesSevenEmptyFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(EnsureSettingsFiles(dir.path()), QString());
    const QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QCOMPARE(names, (QStringList{"bioname.dat", "chtspace.dat", "color.dat", "cover.dat", "font.dat",
                                 "options.dat", "printer.dat"}));
    for (const QString &name : names)
        QCOMPARE(QFileInfo(dir.filePath(name)).size(), 0);
}

void TestPreferences::ensureLeavesExistingFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray cover("\"Lead\"\r\n\"Zo\xc3\xab\"\r\n");
    const QByteArray names("\"Ann Example 01021990\"\r\n");
    QVERIFY(PutFile(dir.filePath(QStringLiteral("cover.dat")), cover));
    QVERIFY(PutFile(dir.filePath(QStringLiteral("bioname.dat")), names));
    QCOMPARE(EnsureSettingsFiles(dir.path()), QString());
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("cover.dat"))), cover);
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("bioname.dat"))), names);
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("font.dat"))).size(), 0);
}

void TestPreferences::ensureReportsUnwritableFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(PutFile(dir.filePath(QStringLiteral("plain.txt")), "keep"));
    const QString error = EnsureSettingsFiles(dir.filePath(QStringLiteral("plain.txt")));
    QVERIFY2(error.contains(QStringLiteral("bioname.dat")) && error.endsWith(u'.'), qPrintable(error));
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("plain.txt"))), QByteArray("keep"));
}

void TestPreferences::emptyFilesGiveDefaults()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(EnsureSettingsFiles(dir.path()), QString());
    QString error = QStringLiteral("stale");
    QCOMPARE(LoadSettings(dir.path(), DesignPreferences(), &error), EmptyFileDefaults());
    QCOMPARE(error, QString());
}

void TestPreferences::load_data()
{
    // One file per row; the five others are missing and so give their defaults.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Preferences>("expected");
    const Preferences d = EmptyFileDefaults();
    const QString lead = QStringLiteral("This Chart Was Prepared By:");

    QTest::newRow("options false true false")
        << "options.dat" << QByteArray("\"false\"\r\n\"true\"\r\n\"false\"\r\n")
        << Checks(d, false, true, false);
    QTest::newRow("options unquoted words")
        << "options.dat" << QByteArray("false,true\ntrue") << Checks(d, false, true, true);
    QTest::newRow("options one field")
        << "options.dat" << QByteArray("\"true\"\r\n") << Checks(d, true, false, false);
    QTest::newRow("options other words")
        << "options.dat" << QByteArray("\"TRUE\"\r\n\"yes\"\r\n\"1\"\r\n") << Checks(d, false, false, false);

    QTest::newRow("printer with only 60")
        << "printer.dat" << QByteArray("\"60\"\r\n") << Printer(d, QStringLiteral("60"), PrinterType::None);
    QTest::newRow("printer matrix") << "printer.dat" << QByteArray("\"66\"\r\n\"matrix\"\r\n")
                                    << Printer(d, QStringLiteral("66"), PrinterType::Matrix);
    QTest::newRow("printer other word is laser") << "printer.dat" << QByteArray("\"fifty\"\r\n\"Matrix\"\r\n")
                                                 << Printer(d, QStringLiteral("fifty"), PrinterType::Laser);

    QTest::newRow("spacing single") << "chtspace.dat" << QByteArray("\"single\"\r\n")
                                    << With(d, &Preferences::spacing, Spacing::Single);
    QTest::newRow("spacing double") << "chtspace.dat" << QByteArray("\"double\"\r\n")
                                    << With(d, &Preferences::spacing, Spacing::Double);
    QTest::newRow("spacing triple") << "chtspace.dat" << QByteArray("\"triple\"\r\n")
                                    << With(d, &Preferences::spacing, Spacing::WithLines);
    QTest::newRow("spacing empty field")
        << "chtspace.dat" << QByteArray("\"\"\r\n") << With(d, &Preferences::spacing, Spacing::WithLines);
    QTest::newRow("spacing unknown word")
        << "chtspace.dat" << QByteArray("\"quadruple\"\r\n") << With(d, &Preferences::spacing, Spacing::None);

    QTest::newRow("font from the list")
        << "font.dat" << QByteArray("\"Times\"\r\n") << With(d, &Preferences::font, QStringLiteral("Times"));
    QTest::newRow("font typed with a comma")
        << "font.dat" << QByteArray("\"DejaVu Sans, Book\"\r\n")
        << With(d, &Preferences::font, QStringLiteral("DejaVu Sans, Book"));
    QTest::newRow("font empty field")
        << "font.dat" << QByteArray("\"\"\r\n") << With(d, &Preferences::font, QStringLiteral("Arial"));

    QTest::newRow("color false") << "color.dat" << QByteArray("\"false\"\r\n")
                                 << With(d, &Preferences::color, false);
    QTest::newRow("color damaged") << "color.dat" << QByteArray(4, '\0')
                                   << With(d, &Preferences::color, false);

    QTest::newRow("cover with two lines")
        << "cover.dat" << QByteArray("\"This Chart Was Prepared By:\"\r\n\"Ann\"")
        << Cover(d, lead, {QStringLiteral("Ann"), QString(), QString(), QString()});
    QTest::newRow("cover in windows-1252")
        << "cover.dat" << FileBytes(DataDir + QStringLiteral("/cp1252-cover.dat"))
        << Cover(d, lead,
                 {QStringLiteral("José Muñoz"), QStringLiteral("12 Rue de l’Église"),
                  QStringLiteral("Zürich – 8000"), QStringLiteral("jose@example.com")});
}

void TestPreferences::load()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(Preferences, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(PutFile(dir.filePath(file), content));
    QString error;
    QCOMPARE(LoadSettings(dir.path(), DesignPreferences(), &error), expected);
    QCOMPARE(error, QString());
}

void TestPreferences::loadKeepsControlsWithoutFields()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(PutFile(dir.filePath(QStringLiteral("cover.dat")), "\"New lead\"\r\n\"New name\"\r\n"));
    QVERIFY(PutFile(dir.filePath(QStringLiteral("printer.dat")), "\"60\"\r\n"));
    QVERIFY(PutFile(dir.filePath(QStringLiteral("options.dat")), "\"true\"\r\n"));
    Preferences start = Contrary();
    start.color = true;
    Preferences expected = EmptyFileDefaults();
    expected.leadIn = QStringLiteral("New lead");
    expected.heading = {QStringLiteral("New name"), start.heading[1], start.heading[2], start.heading[3]};
    expected.linesPerPage = QStringLiteral("60");
    expected.printer = start.printer;
    expected.holidays = true;
    expected.dateEachPage = start.dateEachPage;
    expected.forecast = start.forecast;
    QCOMPARE(LoadSettings(dir.path(), start), expected);
}

void TestPreferences::loadReportsUnreadableFile_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a folder") << false;
    QTest::newRow("a named pipe, which must not block") << true;
}

void TestPreferences::loadReportsUnreadableFile()
{
    QFETCH(bool, pipe);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString cover = dir.filePath(QStringLiteral("cover.dat"));
    std::optional<NamedPipe> fifo;
    if (pipe)
        QVERIFY(fifo.emplace(cover).isValid());
    else
        QVERIFY(QDir().mkdir(cover));
    QVERIFY(PutFile(dir.filePath(QStringLiteral("font.dat")), "\"Courier\"\r\n"));
    Preferences expected = EmptyFileDefaults();
    expected.font = QStringLiteral("Courier");
    QString error;
    QCOMPARE(LoadSettings(dir.path(), DesignPreferences(), &error), expected);
    QCOMPARE(LoadSettings(dir.path(), DesignPreferences()), expected);
    QVERIFY2(!fifo || !fifo->blocked(), "reading the named pipe blocked");
    QVERIFY2(error.contains(QStringLiteral("cover.dat")) && error.endsWith(u'.'), qPrintable(error));
}

void TestPreferences::saveAfterDefaultSettingsMatchesGolden()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Longer old contents must be replaced, not overwritten in place.
    for (const QString &name : SettingsFileNames())
        QVERIFY(PutFile(dir.filePath(name), QByteArray(500, 'x')));
    Preferences p = Contrary();
    p.leadIn = QStringLiteral("This Chart Was Prepared By:");
    p.heading = {QStringLiteral("Ann \"Annie\" Example"), QStringLiteral("1 Harbour Road, Flat 2"),
                 QStringLiteral("Ålesund"), QStringLiteral("ann@example.com")};
    QCOMPARE(SaveSettings(dir.path(), ApplyDefaultSettings(p)), QString());
    QCOMPARE(SettingsFileNames(), (QStringList{"cover.dat", "font.dat", "printer.dat", "chtspace.dat",
                                               "options.dat", "color.dat"}));
    for (const QString &name : SettingsFileNames())
        QCOMPARE(FileBytes(dir.filePath(name)),
                 FileBytes(DataDir + QStringLiteral("/default-settings/") + name));
}

void TestPreferences::firstRunMatchesGolden()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(EnsureSettingsFiles(dir.path()), QString());
    QCOMPARE(SaveSettings(dir.path(), LoadSettings(dir.path(), DesignPreferences())), QString());
    for (const QString &name : SettingsFileNames())
        QCOMPARE(FileBytes(dir.filePath(name)), FileBytes(DataDir + QStringLiteral("/first-run/") + name));
    QCOMPARE(QFileInfo(dir.filePath(NameDatabaseFileName())).size(), 0);
}

void TestPreferences::unknownSpacingWordCycle()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(PutFile(dir.filePath(QStringLiteral("chtspace.dat")), "\"wide\"\r\n"));
    const Preferences first = LoadSettings(dir.path(), DesignPreferences());
    QCOMPARE(first.spacing, Spacing::None);
    QCOMPARE(SaveSettings(dir.path(), first), QString());
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("chtspace.dat"))).size(), 0);
    QCOMPARE(LoadSettings(dir.path(), DesignPreferences()).spacing, Spacing::WithLines);
}

void TestPreferences::roundTrip_data()
{
    QTest::addColumn<Preferences>("preferences");
    QTest::newRow("defaults") << EmptyFileDefaults();
    QTest::newRow("every preference changed") << Contrary();
    Preferences p = Contrary();
    p.heading[1] = QStringLiteral("1 Harbour Road, Flat 2");
    p.heading[2] = QStringLiteral("Portside, ST 00000");
    QTest::newRow("commas in the heading") << p;
    p = Contrary();
    p.leadIn = QStringLiteral("Prepared by \"Tides\"");
    p.heading[0] = QStringLiteral("Ann \"Annie\" Example");
    p.heading[1] = QStringLiteral("\"");
    QTest::newRow("double quotes do not shift the fields") << p;
    p = EmptyFileDefaults();
    p.heading = {QStringLiteral("Zoë Ødegård"), QStringLiteral("Straße 5"), QStringLiteral("東京"),
                 QStringLiteral("zoe@example.com")};
    p.font = QStringLiteral("Liberation Sans");
    QTest::newRow("non-ascii names") << p;
    p = Contrary();
    p.leadIn.clear();
    p.heading = {QString(), QStringLiteral("  blanks around  "), QString(), QString()};
    p.linesPerPage.clear();
    p.spacing = Spacing::Double;
    QTest::newRow("empty texts and double space") << p;
}

void TestPreferences::roundTrip()
{
    QFETCH(Preferences, preferences);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(SaveSettings(dir.path(), preferences), QString());
    QCOMPARE(LoadSettings(dir.path(), DesignPreferences()), preferences);
}

void TestPreferences::saveReportsUnwritableFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(PutFile(dir.filePath(QStringLiteral("plain.txt")), "keep"));
    const QString error = SaveSettings(dir.filePath(QStringLiteral("plain.txt")), EmptyFileDefaults());
    QVERIFY2(error.contains(QStringLiteral("cover.dat")) && error.endsWith(u'.'), qPrintable(error));
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("plain.txt"))), QByteArray("keep"));
}

void TestPreferences::saveWritesTheOthersAfterAFailure()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("chtspace.dat")));
    const QString error = SaveSettings(dir.path(), EmptyFileDefaults());
    QVERIFY2(error.contains(QStringLiteral("chtspace.dat")), qPrintable(error));
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("color.dat"))), QByteArray("\"true\"\r\n"));
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("options.dat"))),
             QByteArray("\"true\"\r\n\"true\"\r\n\"false\"\r\n"));
}

void TestPreferences::fullDiskKeepsEveryFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TmpfsMount disk(dir.path(), 64 * 1024);
    TIDEMARK_REQUIRE_MOUNT(disk);
    QCOMPARE(SaveSettings(dir.path(), Contrary()), QString());
    QVERIFY(disk.fill());
    const QString error = SaveSettings(dir.path(), EmptyFileDefaults());
    QVERIFY2(error.contains(QStringLiteral("cover.dat")), qPrintable(error));
    QCOMPARE(LoadSettings(dir.path(), DesignPreferences()), Contrary());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 7);
}

void TestPreferences::emptyFolderNameTouchesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const bool refused =
        !EnsureSettingsFiles(QString()).isEmpty() && !SaveSettings(QString(), Contrary()).isEmpty();
    const Preferences loaded = LoadSettings(QString(), DesignPreferences());
    QVERIFY(QDir::setCurrent(before));
    QVERIFY(refused);
    QCOMPARE(loaded, EmptyFileDefaults());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestPreferences::folderAndFilesAreOwnerOnly()
{
    const auto mode = [](const QString &path) {
        struct stat info = {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
    };
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(PrepareDataFolder(dir.filePath(QStringLiteral("new/data"))), QString());
    QCOMPARE(mode(dir.filePath(QStringLiteral("new/data"))), 0700u);

    // A folder and a file left by an earlier version, open to everybody.
    const QDir folder(dir.filePath(QStringLiteral("data")));
    QVERIFY(QDir().mkdir(folder.path()) && ::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
    QVERIFY(PutFile(folder.filePath(QStringLiteral("cover.dat")), "\"Lead\"\r\n"));
    QCOMPARE(mode(folder.filePath(QStringLiteral("cover.dat"))), 0644u);
    QCOMPARE(PrepareDataFolder(folder.path()), QString());
    QCOMPARE(mode(folder.path()), 0700u);
    QCOMPARE(EnsureSettingsFiles(folder.path()), QString());
    QCOMPARE(SaveSettings(folder.path(), EmptyFileDefaults()), QString());
    for (const QString &name : QStringList{NameDatabaseFileName()} + SettingsFileNames())
        QCOMPARE(mode(folder.filePath(name)), 0600u);
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_preferences.moc"
