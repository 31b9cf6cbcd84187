// The window's files in the data folder across runs, kills and full disks: what an earlier
// version or a cut-off save left there, the temporary chart file, and the settings saved when the
// session ends, the program is sent a signal or the disk is full at exit.

#include "settings/preferences.h"
#include "support/datarows.h"
#include "support/filebytes.h"
#include "support/namedpipe.h"
#include "support/privileged.h"
#include "windowfixture.h"

#include <QSessionManager>

#include <csignal>

#include "support/testmain.h"

class TestDataFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Files an earlier version kept in its folder move across at start-up, never over a file that
    // is already there, so a move cut off halfway finishes on the next start.
    void dataFilesMoveAcross_data()
    {
        // The files in the old folder, those already in the new one, and what these hold.
        Columns<QStringList, QStringList, QByteArray>({"old", "moved", "movedBytes"});
        const QByteArray other = "\"70\"\r\n";
        const QStringList printer{"printer.dat"};
        Row("all in the old folder", QStringList{"bioname.dat", "printer.dat"}, QStringList{}, other);
        Row("half moved", printer, QStringList{"bioname.dat"}, other);
        Row("both folders hold it", printer, printer, other);
        // A start whose move failed made an empty file in its place.
        Row("an empty file left by a failed move", printer, printer, QByteArray());
    }

    void dataFilesMoveAcross()
    {
        QFETCH(QStringList, old);
        QFETCH(QStringList, moved);
        QFETCH(QByteArray, movedBytes);
        Fixture f;
        f.window->close();
        f.window.reset();
        QVERIFY(QDir(f.dataFolder).removeRecursively() && QDir().mkpath(f.oldFolder));
        for (const QString &name : old)
            QVERIFY(PutFile(f.oldFolder + u'/' + name, "\"60\"\r\n"));
        for (const QString &name : moved)
            QVERIFY(PutFile(f.dataFile(qPrintable(name)), movedBytes));
        f.restart();
        QVERIFY(f.alerts.messages().isEmpty());
        const auto kept = [&](const QString &name) { return moved.contains(name) && !movedBytes.isEmpty(); };
        QCOMPARE(f.box("Text17")->text(), kept(QStringLiteral("printer.dat")) ? "70" : "60");
        for (const QString &name : old)
            QCOMPARE(QFile::exists(f.oldFolder + u'/' + name), kept(name));
        QCOMPARE(QDir(f.dataFolder).entryList(QDir::Files).size(), 7);
    }

    // The temporary files of saves cut off by a kill go at start-up, once ten minutes old; files
    // of other names, and copies a person named, stay.
    void staleSaveFilesGo()
    {
        Fixture f;
        f.window->close();
        const QDateTime now = QDateTime::currentDateTime();
        const std::tuple<const char *, int, bool> files[] = {
            {"cover.dat.THArFN", 11, true},   {"bioname.dat.axHmvK", 60, true},
            {"font.dat.Ab12Cd", 4, false},    {"bioname.dat.backup", 60, false},
            {"color.dat.Backup", 60, false},  {"bioname.dat.lock", 60, false},
            {"cover.dat.ABCDEFG", 60, false}, {"notes.txt.ABcdEF", 60, false},
        };
        for (const auto &[name, minutes, stale] : files) {
            QFile file(f.dataFile(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1 && file.flush() &&
                    file.setFileTime(now.addSecs(-60 * minutes), QFileDevice::FileModificationTime));
        }
        f.restart();
        for (const auto &[name, minutes, stale] : files)
            QVERIFY2(QFile::exists(f.dataFile(name)) != stale, name);
        QVERIFY(f.alerts.messages().isEmpty());
    }

    // The temporary chart file is written only as a regular file of the program's own, and removed
    // after: a named pipe of its name does not hold Display Chart up, a link of its name is not
    // followed, and the chart shows all the same.
    void chartFileIsTheProgramsOwn_data()
    {
        QTest::addColumn<QString>("there");
        Row("a file a killed run left", "file");
        Row("a named pipe", "pipe");
        Row("a link to another file", "link");
    }

    void chartFileIsTheProgramsOwn()
    {
        QFETCH(QString, there);
        Fixture f;
        f.showAndDismiss();
        f.enterPerson();
        const QString chartFile = f.dataFile("prntscrn.tmp");
        const QString target = f.dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(PutFile(target, "keep"));
        std::optional<NamedPipe> fifo;
        if (there == QLatin1String("pipe"))
            QVERIFY(fifo.emplace(chartFile).isValid());
        else
            QVERIFY(there == QLatin1String("link") ? QFile::link(target, chartFile)
                                                   : PutFile(chartFile, "old"));
        f.click("Command18");
        QVERIFY2(!fifo || !fifo->blocked(), "opening the named pipe blocked");
        QVERIFY(f.find("Text18")->isVisible() && f.alerts.messages().isEmpty());
        QCOMPARE(FileBytes(target), QByteArray("keep"));
        QCOMPARE(QFileInfo(chartFile).exists() || QFileInfo(chartFile).isSymLink(),
                 there != QLatin1String("file"));
    }

    // Logging out, shutting down, kill and Ctrl+C close the window of the real program as Exit
    // does. Its first run shows the default settings, which its new files do not hold yet; after
    // the signal they do.
    void endSignalsSaveTheSettings_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void endSignalsSaveTheSettings()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto &[name, folder] : {std::pair{"HOME", ""},
                                           {"XDG_DATA_HOME", "/share"},
                                           {"XDG_CONFIG_HOME", "/config"},
                                           {"XDG_RUNTIME_DIR", "/run"}})
            environment.insert(QLatin1String(name), home.path() + QLatin1String(folder));
        QVERIFY(QDir().mkdir(home.filePath(QStringLiteral("run")),
                             QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TIDEMARK_EXE);
        const QString folder = home.filePath(QStringLiteral("share/Tidemark"));
        // The last file the start made.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder + QStringLiteral("/color.dat")), 30'000);
        QCOMPARE(FileBytes(folder + QStringLiteral("/font.dat")), QByteArray());
        QVERIFY(::kill(pid_t(program.processId()), signalNumber) == 0);
        QVERIFY(program.waitForFinished(30'000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(
            settings::LoadSettings(folder, settings::DesignPreferences()),
            settings::LoadSettings(home.filePath(QStringLiteral("none")), settings::DesignPreferences()));
        QCOMPARE(FileBytes(folder + QStringLiteral("/font.dat")), QByteArray("\"Arial\"\r\n"));
        QVERIFY(QFile::exists(home.filePath(QStringLiteral("config/Tidemark/Tidemark.conf"))));
    }

    // A session manager's logout saves the settings, and the window stays open.
    void sessionEndSavesTheSettings()
    {
        auto *session = qApp->findChild<QSessionManager *>();
        QVERIFY(session);
        Fixture f;
        f.showAndDismiss();
        f.box("Text17")->setText(QStringLiteral("70"));
        Q_EMIT qApp->commitDataRequest(*session);
        QCOMPARE(FileBytes(f.dataFile("printer.dat")), QByteArray("\"70\"\r\n\"laser\"\r\n"));
        QVERIFY(f.window->isVisible() && f.alerts.messages().isEmpty());
    }

    // At exit on a full disk one message names every settings file that could not be written, and
    // says that they keep what they held while this run's changes are lost.
    void fullDiskAtExit()
    {
        Fixture f;
        f.window->close();
        TmpfsMount disk(f.dataFolder, 64 * 1024);
        TIDEMARK_REQUIRE_MOUNT(disk);
        f.restart();
        f.box("Text17")->setText(QStringLiteral("70"));
        QVERIFY(disk.fill());
        f.window->close();
        QCOMPARE(f.alerts.titles(), QStringList{QStringLiteral("SETTINGS FILE ERROR!")});
        const QString text = f.alerts.messages().constFirst().text;
        for (const QString &name : settings::SettingsFileNames())
            QVERIFY2(text.contains(name), qPrintable(text));
        QVERIFY2(text.contains(u"No space left") && text.contains(u"held before this run") &&
                     text.contains(u"lost"),
                 qPrintable(text));
        QCOMPARE(FileBytes(f.dataFile("printer.dat")), QByteArray());
    }
};

TIDEMARK_TEST(TestDataFiles)
#include "tst_datafiles.moc"
