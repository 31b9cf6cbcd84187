#include "platform/datafolder.h"
#include "settings/delimitedfile.h"
#include "settings/preferences.h"
#include "settings/windowplacement.h"
#include "support/datarows.h"
#include "support/filebytes.h"
#include "support/namedpipe.h"
#include "support/privileged.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "support/testmain.h"

using namespace settings;

Q_DECLARE_METATYPE(settings::Preferences)

namespace {

// What a folder of empty or missing settings files loads.
Preferences defaults()
{
    return LoadSettings(QString(), DesignPreferences());
}

// Every preference away from its default, and a heading of quotes, commas and other scripts.
Preferences contrary()
{
    Preferences p{
        "Prepared by \"Tides\", Ltd", {"Zoë \"Annie\" Ødegård", "\"", "東京, ST", ""}, "Times", "66"};
    std::tie(p.printer, p.spacing, p.forecast) = std::tuple(PrinterType::Matrix, Spacing::Double, true);
    return p;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data()
    {
        Columns<QByteArray, QString>({"bytes", "text"});
        Row("a line not all utf-8 is windows-1252", QByteArray("Zo\xc3\xab Jos\xe9"), "ZoÃ« José");
        Row("each line on its own", QByteArray("\"Zo\xc3\xab\"\r\n\"Jos\xe9\"\n\"\xc3\x85\"\r\"\x80\""),
            "\"Zoë\"\r\n\"José\"\n\"Å\"\r\"€\"");
        Row("byte-order mark before a windows-1252 line", QByteArray("\xef\xbb\xbf\"Jos\xe9\"\r\n"),
            "\"José\"\r\n");
        // A reference made with another decoder; the bytes Windows-1252 leaves undefined keep Latin-1 values.
        const QString data = QStringLiteral(TIDEMARK_TEST_DATA "/settings/cp1252-high-bytes");
        Row("every high byte", FileBytes(data + ".bin"), QString::fromUtf8(FileBytes(data + ".utf8")));
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QTEST(DecodeFileText(bytes), "text");
    }

    void readFields_data()
    {
        Columns<QString, QStringList>({"text", "fields"});
        Row("empty text", "", QStringList{});
        Row("line ends of each kind; LF CR is two", "\"a\"\r\n\"b\"\n\"c\"\r\"d\"\n\re",
            QStringList{"a", "b", "c", "d", "", "e"});
        Row("blanks around unquoted fields", " \t true \t \r\n", QStringList{"true"});
        Row("junk after the closing quote", "\"  a \" junk,\"Anytown, ST\",c",
            QStringList{"  a ", "Anytown, ST", "c"});
        Row("doubled quotes, a lone one unquoted", "\"say \"\"hi\"\"\"\r\nab\"c",
            QStringList{"say \"hi\"", "ab\"c"});
        Row("quoted field spans line ends", "\"a\r\nb\"\r\n\"c", QStringList{"a\r\nb", "c"});
        Row("blank line, comma before a line end", "\"a\"\r\n\r\nb,\r\n", QStringList{"a", "", "b", ""});
        // Older files wrote a quote inside a value as it was; the lines after it still read right.
        Row("old unescaped quote", "\"say \"hi\" there\"\r\n\"next\"\r\n", QStringList{"say ", "next"});
    }

    void readFields()
    {
        QFETCH(QString, text);
        QTEST(ReadDelimitedFields(text), "fields");
    }

    void encodeAndReadBack()
    {
        const QStringList values = {"say \"hi\"", "Zoë, 東京",      "", "  x\t", "a\r\nb",
                                    "\"",         QString(QChar(0))};
        const QByteArray bytes = EncodeDelimitedLines(values);
        QVERIFY(
            bytes.startsWith("\"say \"\"hi\"\"\"\r\n\"Zo\xc3\xab, \xe6\x9d\xb1\xe4\xba\xac\"\r\n\"\"\r\n"));
        QCOMPARE(ReadDelimitedFields(DecodeFileText(bytes)), values);
    }

    void createAndFail()
    {
        QTemporaryDir dir;
        QVERIFY(PutFile(dir.filePath(QStringLiteral("cover.dat")), "\"Lead\"\r\n"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("chtspace.dat")));
        QCOMPARE(EnsureSettingsFiles(dir.path()), QString());
        // The missing files are made, empty; those there are left alone.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 6);
        QCOMPARE(FileBytes(dir.filePath("bioname.dat")) + FileBytes(dir.filePath("cover.dat")),
                 "\"Lead\"\r\n");
        QVERIFY(EnsureSettingsFiles(dir.filePath(QStringLiteral("cover.dat"))).contains(u"bioname.dat"));
        // A file that cannot be written does not keep the others from being written.
        const QList<WriteFailure> failures = SaveSettings(dir.path(), defaults());
        QVERIFY(failures.size() == 1 && failures[0].path == dir.filePath(QStringLiteral("chtspace.dat")));
        QCOMPARE(FileBytes(dir.filePath(QStringLiteral("color.dat"))), QByteArray("\"true\"\r\n"));
        QCOMPARE(SaveSettings(dir.filePath(QStringLiteral("color.dat")), defaults()).size(), 6);
    }

    void loadOldAndOddFiles()
    {
        // A field missing, a word the program does not write, damage: each file is read as far as it goes.
        QTemporaryDir dir;
        QVERIFY(PutFile(dir.filePath(QStringLiteral("options.dat")), "\"false\"\r\n\"TRUE\""));
        QVERIFY(PutFile(dir.filePath(QStringLiteral("printer.dat")), "66"));
        QVERIFY(PutFile(dir.filePath(QStringLiteral("chtspace.dat")), "\"wide\"\r\n"));
        QVERIFY(PutFile(dir.filePath(QStringLiteral("color.dat")), QByteArray(4, '\0')));
        Preferences expected = defaults();
        expected.holidays = expected.dateEachPage = expected.color = false;
        std::tie(expected.linesPerPage, expected.printer, expected.spacing) =
            std::tuple(QStringLiteral("66"), PrinterType::None, Spacing::None);
        QCOMPARE(LoadSettings(dir.path(), DesignPreferences()), expected);
    }

    void loadReportsUnreadableFile()
    {
        // A named pipe in place of a file: reading it must not block.
        QTemporaryDir dir;
        NamedPipe fifo(dir.filePath(QStringLiteral("cover.dat")));
        QVERIFY(fifo.isValid());
        QVERIFY(PutFile(dir.filePath(QStringLiteral("font.dat")), "\"Courier\"\r\n"));
        QString error;
        QCOMPARE(LoadSettings(dir.path(), DesignPreferences(), &error).font, QStringLiteral("Courier"));
        QVERIFY2(!fifo.blocked(), "reading the named pipe blocked");
        QVERIFY2(error.contains(u"cover.dat") && error.endsWith(u'.'), qPrintable(error));
    }

    // What a save writes loads back as it was; on a full disk every save fails and says why,
    // leaving the old file whole and no temporary file behind.
    void fullDiskKeepsEveryFile()
    {
        QTemporaryDir dir;
        TmpfsMount disk(dir.path(), 64 * 1024);
        TIDEMARK_REQUIRE_MOUNT(disk);
        QVERIFY(SaveSettings(dir.path(), contrary()).isEmpty());
        QVERIFY(disk.fill());
        // One message names all six files, in one folder and for one reason.
        const QString message = UnsavedSettingsMessage(SaveSettings(dir.path(), defaults()));
        QVERIFY2(
            message.contains(QStringLiteral("cover.dat, font.dat, printer.dat, chtspace.dat, options.dat and "
                                            "color.dat in %1 (No space left on device).")
                                 .arg(QDir::toNativeSeparators(dir.path()))),
            qPrintable(message));
        QCOMPARE(LoadSettings(dir.path(), DesignPreferences()), contrary());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 7);
    }

    // The files live in Tidemark in the user's data folder; earlier versions kept them one level down.
    void dataFolderPath()
    {
        QTemporaryDir home;
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        const QStringList folders = {DefaultDataFolder(), OldDataFolder()};
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(folders, QStringList({home.filePath("Tidemark"), home.filePath("Tidemark/Tidemark")}));
    }

    void folderAndFilesAreOwnerOnly()
    {
        const auto mode = [](const QString &path) {
            struct stat info = {};
            return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
        };
        QTemporaryDir dir;
        QCOMPARE(PrepareDataFolder(dir.filePath(QStringLiteral("new/data"))), QString());
        QCOMPARE(mode(dir.filePath(QStringLiteral("new/data"))), 0700u);
        // A folder and a file left by an earlier version, open to everybody.
        const QDir folder(dir.filePath(QStringLiteral("data")));
        QVERIFY(QDir().mkdir(folder.path()) &&
                ::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
        QVERIFY(PutFile(folder.filePath(QStringLiteral("cover.dat")), "\"Lead\"\r\n"));
        QCOMPARE(PrepareDataFolder(folder.path()), QString());
        QCOMPARE(mode(folder.path()), 0700u);
        QCOMPARE(EnsureSettingsFiles(folder.path()), QString());
        QVERIFY(SaveSettings(folder.path(), defaults()).isEmpty());
        for (const QString &name : QStringList{NameDatabaseFileName()} + SettingsFileNames())
            QCOMPARE(mode(folder.filePath(name)), 0600u);
        // The program's own temporary file, over one left open to everybody: emptied, owner-only.
        const QString own = folder.filePath(QStringLiteral("prntscrn.tmp"));
        QVERIFY(PutFile(own, "old") && ::chmod(QFile::encodeName(own).constData(), 0644) == 0);
        QFile file(own);
        QVERIFY(OpenOwnFile(file));
        QVERIFY(mode(own) == 0600u && QFileInfo(own).size() == 0);
    }

    void windowPlacementStore()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tidemark.ini"));
        QVERIFY(PutFile(path, "[Settings]\nMainLeft=12px\nMainTop=-300\nMainWidth=1e40\nMainHeight=0.1\n"));
        QCOMPARE(LoadWindowPlacement(QSettings(path, QSettings::IniFormat)),
                 (WindowPlacement{1000, -300, 6500, double(0.1f)}));
        QCOMPARE(PlacementToPixels({-1500, 1e30, std::nan(""), 1500}, 120), QRect(-125, 1000000, 0, 125));
        QCOMPARE(PlacementFromPixels(QRect(-10, 0, 1, 1), 0), (WindowPlacement{-150, 0, 15, 15}));
    }

    // The window opens on the screen holding most of its title-bar strip, else on the first one,
    // wholly inside it, at least its minimum size and at most the screen's.
    void placeOnScreen_data()
    {
        Columns<QRect, QSize, QRect>({"wanted", "minimum", "placed"});
        // The first screen is 1920 x 1080 at the origin, a second of 1280 x 1024 right of it.
        Row("on the second screen", QRect(2000, 100, 800, 600), QSize(), QRect(2000, 100, 800, 600));
        Row("mostly on the second screen", QRect(1800, 100, 800, 600), QSize(), QRect(1920, 100, 800, 600));
        Row("below the shorter screen", QRect(2000, 1030, 800, 600), QSize(), QRect(1120, 480, 800, 600));
        Row("larger than its screen", QRect(2000, 0, 1500, 1200), QSize(), QRect(1920, 0, 1280, 1024));
        Row("off every screen, larger", QRect(5000, 5000, 2500, 1500), QSize(), QRect(0, 0, 1920, 1080));
        const QSize minimum(700, 500);
        Row("no width, far right", QRect(1'000'000, 100, 0, 433), minimum, QRect(1220, 100, 700, 500));
        Row("no height, far below", QRect(100, 1'000'000, 800, 0), minimum, QRect(100, 580, 800, 500));
        Row("minimum larger than the screen", QRect(5000, 100, 10, 10), QSize(2500, 1500),
            QRect(0, 0, 1920, 1080));
    }

    void placeOnScreen()
    {
        QFETCH(QRect, wanted);
        QFETCH(QSize, minimum);
        const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QTEST(FitOnScreen(wanted, screens.value(ScreenFor(wanted, screens)), minimum), "placed");
    }
};

TIDEMARK_TEST(TestSettings)
#include "tst_settings.moc"
