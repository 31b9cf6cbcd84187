// The preferences and the window placement across runs of the real window.

#include "mainwindowfixture.h"
#include "support/privileged.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

class TestMainWindowSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPreferenceSurvivesARestart();
    void defaultSettingsThenExitWritesTheStatedWords();
    void damagedFilesFallBack();
    void unknownSpacingWordSelectsNoneThenDefaults();
    void unwritableDataFolderRunsOnDefaults();
    void readOnlyDataFolder_data();
    void readOnlyDataFolder();
    void placementSavedAndRestored();
    void minimizedShutDownKeepsTheOldPlacement();
    void tinyStoredWidthStaysOnScreen();
};

void TestMainWindowSettings::everyPreferenceSurvivesARestart()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    w.Combo1->setEditText(QStringLiteral("Prepared, with care, by:"));
    w.Text13->setText(QStringLiteral("Smith, Jo \"JJ\""));
    w.Text14->setText(QStringLiteral("  Zürich, Straße 1"));
    w.Text15->clear();
    w.Text16->setText(QStringLiteral("jo@example.com"));
    w.Combo2->setEditText(QStringLiteral("DejaVu Sans"));
    w.Text17->setText(QStringLiteral("60"));
    w.Option1->setChecked(true);
    w.Option3->setChecked(true);
    w.Check1->setChecked(false);
    w.Check2->setChecked(true);
    w.Check3->setChecked(false);
    w.Check4->setChecked(true);
    const chart::ChartFields before = w.chartFields();

    f.restart();
    frmMain &again = *f.window;
    const chart::ChartFields after = again.chartFields();
    QCOMPARE(after.preferences.leadIn, before.preferences.leadIn);
    QCOMPARE(after.preferences.heading, before.preferences.heading);
    QCOMPARE(after.preferences.font, before.preferences.font);
    QCOMPARE(after.preferences.linesPerPage, QStringLiteral("60"));
    QVERIFY(again.Option1->isChecked() && !again.Option2->isChecked());
    QVERIFY(again.Option3->isChecked());
    QVERIFY(!again.Check1->isChecked() && again.Check2->isChecked() && !again.Check3->isChecked() &&
            again.Check4->isChecked());
    QVERIFY(f.alerts.messages().isEmpty());
}

void TestMainWindowSettings::defaultSettingsThenExitWritesTheStatedWords()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    w.Option1->setChecked(true);
    w.Text17->setText(QStringLiteral("7"));
    w.Check3->setChecked(false);
    w.Combo2->setEditText(QStringLiteral("Times"));
    w.Option3->setChecked(true);
    w.Check1->setChecked(false);
    w.Check4->setChecked(true);
    w.Text13->setText(QStringLiteral("Kept, as typed"));
    w.menuEditDefaultSettings->trigger();
    w.mnuFileExit->trigger();

    QCOMPARE(f.fileLines(QStringLiteral("font.dat")), QList<QByteArray>({"\"Arial\""}));
    QCOMPARE(f.fileLines(QStringLiteral("printer.dat")), QList<QByteArray>({"\"50\"", "\"laser\""}));
    QCOMPARE(f.fileLines(QStringLiteral("chtspace.dat")), QList<QByteArray>({"\"triple\""}));
    QCOMPARE(f.fileLines(QStringLiteral("options.dat")),
             QList<QByteArray>({"\"true\"", "\"true\"", "\"false\""}));
    QCOMPARE(f.fileLines(QStringLiteral("color.dat")), QList<QByteArray>({"\"true\""}));
    const QList<QByteArray> cover = f.fileLines(QStringLiteral("cover.dat"));
    QCOMPARE(cover.size(), 5);
    QCOMPARE(cover[1], QByteArray("\"Kept, as typed\""));
}

void TestMainWindowSettings::damagedFilesFallBack()
{
    MainWindowFixture f;
    f.window->close();
    auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(f.dataFile(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    write("options.dat", "\"false\"\r\n\"true\"\r\n\"false\"\r\n");
    write("printer.dat", "\"60\"\r\n");
    write("font.dat", "\"\"\r\n");
    write("color.dat", QByteArray("\x00\xff\xfe garbage", 11));
    write("cover.dat", "\"Caf\xe9 au lait\"\r\n\"unterminated");
    f.restart();
    frmMain &w = *f.window;
    QVERIFY(!w.Check1->isChecked());
    QVERIFY(w.Check2->isChecked());
    QVERIFY(!w.Check4->isChecked());
    QCOMPARE(w.Text17->text(), QStringLiteral("60"));
    QVERIFY(!w.Option1->isChecked() && !w.Option2->isChecked());
    QCOMPARE(w.Combo2->currentText(), QStringLiteral("Arial"));
    QVERIFY(!w.Check3->isChecked());
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("Café au lait"));
    QCOMPARE(w.Text13->text(), QStringLiteral("unterminated"));
}

void TestMainWindowSettings::unknownSpacingWordSelectsNoneThenDefaults()
{
    MainWindowFixture f;
    f.window->close();
    QFile file(f.dataFile(QStringLiteral("chtspace.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\"quadruple\"\r\n");
    file.close();
    f.restart();
    QVERIFY(!f.window->Option3->isChecked() && !f.window->Option4->isChecked() &&
            !f.window->Option5->isChecked());
    f.restart();
    QCOMPARE(QFileInfo(f.dataFile(QStringLiteral("chtspace.dat"))).size(), 0);
    QVERIFY(f.window->Option5->isChecked());
}

void TestMainWindowSettings::unwritableDataFolderRunsOnDefaults()
{
    QTemporaryDir dir;
    // A regular file where the data folder should be: nothing can be created under it.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecordingAlerts alerts;
    FixedClock clock(QStringLiteral("05-20-2025"));
    QList<PrintedDocument> printed;
    info::PathSystemRegistry registry{QStringList()};
    {
        frmMain w({alerts, clock, dir.filePath(QStringLiteral("blocked/data")),
                   dir.filePath(QStringLiteral("placement.ini")), registry,
                   [&printed](print::PrintCommand command, const QString &) {
                       return std::make_unique<RecordingTargets>(command, printed);
                   }});
        QCOMPARE(alerts.onlyTitle(), QStringLiteral("SETTINGS FILE ERROR!"));
        QCOMPARE(w.Text17->text(), QStringLiteral("50"));
        QVERIFY(w.Option5->isChecked());
        w.close();
    }
    QCOMPARE(alerts.messages().size(), 1);
}

void TestMainWindowSettings::readOnlyDataFolder_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::newRow("the settings were read") << false;
    QTest::newRow("a settings file could not be read") << true;
}

void TestMainWindowSettings::readOnlyDataFolder()
{
    QFETCH(bool, damaged);
    MainWindowFixture f;
    f.window->close();
    const QString folder = f.dir.filePath(QStringLiteral("data"));
    TmpfsMount disk(folder, 64 * 1024);
    TIDEMARK_REQUIRE_MOUNT(disk);
    QFile printer(f.dataFile(QStringLiteral("printer.dat")));
    QVERIFY(printer.open(QIODevice::WriteOnly) && printer.write("\"60\"\r\n") > 0);
    printer.close();
    if (damaged)
        QVERIFY(QDir().mkdir(f.dataFile(QStringLiteral("cover.dat"))));
    QVERIFY(disk.remountReadOnly());
    f.alerts.clear();
    f.restart();
    QCOMPARE(f.window->Text17->text(), QStringLiteral("60"));
    QCOMPARE(f.alerts.onlyTitle(), QStringLiteral("SETTINGS FILE ERROR!"));
    const QString text = f.alerts.messages().constFirst().text;
    QVERIFY2(text.contains(folder) && text.contains(QStringLiteral("cannot be saved")) &&
                 text.contains(damaged ? QStringLiteral("cover.dat") : QStringLiteral("were read")),
             qPrintable(text));
    f.window->Text17->setText(QStringLiteral("70"));
    f.window->close();
    QCOMPARE(f.alerts.messages().size(), 1);
}

void TestMainWindowSettings::placementSavedAndRestored()
{
    MainWindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->move(40, 30);
    f.window->resize(900, 700);
    f.window->close();
    QSettings store(f.dir.filePath(QStringLiteral("placement.ini")), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(store.value(QStringLiteral("MainWidth")).toString(), QStringLiteral("13500"));
    QCOMPARE(store.value(QStringLiteral("MainHeight")).toString(), QStringLiteral("10500"));
    f.restart();
    QCOMPARE(f.window->size(), QSize(900, 700));
}

void TestMainWindowSettings::minimizedShutDownKeepsTheOldPlacement()
{
    MainWindowFixture f;
    f.window->close();
    {
        QSettings store(f.dir.filePath(QStringLiteral("placement.ini")), QSettings::IniFormat);
        store.beginGroup(QStringLiteral("Settings"));
        store.setValue(QStringLiteral("MainLeft"), QStringLiteral("1500"));
        store.setValue(QStringLiteral("MainTop"), QStringLiteral("1200"));
        store.setValue(QStringLiteral("MainWidth"), QStringLiteral("12000"));
        store.setValue(QStringLiteral("MainHeight"), QStringLiteral("9000"));
    }
    f.restart();
    f.window->setWindowState(Qt::WindowMinimized);
    QVERIFY(f.window->isMinimized());
    f.window->close();
    QSettings store(f.dir.filePath(QStringLiteral("placement.ini")), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(store.value(QStringLiteral("MainLeft")).toString(), QStringLiteral("1500"));
    QCOMPARE(store.value(QStringLiteral("MainWidth")).toString(), QStringLiteral("12000"));
}

void TestMainWindowSettings::tinyStoredWidthStaysOnScreen()
{
    MainWindowFixture f;
    f.window->close();
    {
        QSettings store(f.dir.filePath(QStringLiteral("placement.ini")), QSettings::IniFormat);
        store.beginGroup(QStringLiteral("Settings"));
        store.setValue(QStringLiteral("MainLeft"), QStringLiteral("99999999999"));
        store.setValue(QStringLiteral("MainWidth"), QStringLiteral("0"));
    }
    f.restart();
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    // Placed as the placement keeps it: the frame's top left corner and the window's size.
    const QRect placed(f.window->frameGeometry().topLeft(), f.window->size());
    const QRect screen = f.window->screen()->availableGeometry();
    QVERIFY2(screen.contains(placed), qPrintable(QStringLiteral("window %1+%2 on a screen %3 wide")
                                                     .arg(placed.left())
                                                     .arg(placed.width())
                                                     .arg(screen.width())));
}

QTEST_MAIN(TestMainWindowSettings)
#include "tst_mainwindowsettings.moc"
