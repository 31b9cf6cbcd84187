// The main window through its real widgets, found by object name: start-up, command states, the
// person boxes as typed, the preferences and placement across runs, the panels' places, and the
// print commands.

#include "support/datarows.h"
#include "support/filebytes.h"
#include "support/privileged.h"
#include "windowfixture.h"

#include "mainwindow/charttextview.h"
#include "support/testmain.h"

namespace {

// Answers every text with a different one: brackets around it, and a weekday's name with the next
// weekday's name, the worst a translation can do to a weekday of birth the engine might read.
class PseudoTranslator final : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        static const QStringList days{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
        const QString source = QString::fromUtf8(sourceText);
        const qsizetype day = days.indexOf(source);
        return day >= 0 ? days[(day + 1) % 7] : u'[' + source + u']';
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // Start-up in an empty folder; a click on any part of the notice dismisses it, and only then
    // does the right mouse button pop up the File menu.
    void startUp_data()
    {
        QTest::addColumn<QString>("part");
        for (const char *part : {"FrameSplash", "Label27", "Label28", "Label29"})
            QTest::newRow(part) << QString::fromLatin1(part);
    }

    void startUp()
    {
        QFETCH(QString, part);
        Fixture f;
        QCOMPARE(f.state(), QStringLiteral("FrameSplash 00000000000 00"));
        QCOMPARE(f.box("Text10")->text(), QStringLiteral("05-20-2025"));
        for (const char *name : {"bioname.dat", "cover.dat", "font.dat", "printer.dat", "chtspace.dat",
                                 "options.dat", "color.dat"})
            QVERIFY2(QFileInfo(f.dataFile(name)).size() == 0, name);
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        // The pictures are read when first drawn: each is there, for one and two pixels to the pixel.
        for (const QToolButton *button : f.find("PictureButtons")->findChildren<QToolButton *>())
            QVERIFY(button->objectName().isEmpty() || !button->icon().pixmap(QSize(24, 24), 2).isNull());
        QVERIFY(!f.window->windowIcon().pixmap(32).isNull());
        auto *file = f.find<QMenu>("mnuFile");
        QTest::mouseClick(f.window->centralWidget(), Qt::RightButton, {}, QPoint(1, 1));
        QVERIFY(!file->isVisible());
        QTest::mouseClick(f.find(qPrintable(part)), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(f.state(), QStringLiteral("11111111111 11"));
        QCOMPARE(QApplication::focusWidget(), f.box("Text3"));
        QVERIFY(f.alerts.messages().isEmpty());
        QTest::mouseClick(f.window->centralWidget(), Qt::RightButton, {}, QPoint(1, 1));
        QTRY_VERIFY(file->isVisible());
        file->close();
    }

    // The database and "What Is" panels replace each other; the help panel and the chart display
    // take the commands away until they close. A screen reader hears each picture button say what
    // its tip says, "&" and all.
    void commandStates()
    {
        Fixture f;
        f.showAndDismiss();
        for (auto *button :
             f.window->findChild<QToolBar *>()->findChildren<QToolButton *>(QRegularExpression("^Command")))
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                     button->toolTip().section(" (", 0, 0));
        f.trigger("mnuFileOpenDatabase");
        QCOMPARE(f.state(), QStringLiteral("FrameDatabase 11111111111 01"));
        f.trigger("mnuHelpWhatIsABiorhythm");
        QCOMPARE(f.state(), QStringLiteral("FrameWhatIs 11111111111 11"));
        // Its Print button runs the Help menu's print command (the picture buttons are their menu
        // items' actions).
        f.trigger("mnuHelpPrintWhatIsABiorhythm");
        f.click("CmdPrtWhat");
        QVERIFY(f.printed.size() == 2 && f.printed[0] == f.printed[1]);
        f.click("Command9");
        QCOMPARE(f.state(), QStringLiteral("FrameDatabase 11111111111 01"));
        f.click("Command3");
        QCOMPARE(f.state(), QStringLiteral("11111111111 11"));

        f.trigger("mnuHelpGetHelpOn");
        QCOMPARE(f.state(), QStringLiteral("FrameHelp 00000000000 00"));
        f.click("Command16");
        QCOMPARE(f.state(), QStringLiteral("11111111111 11"));

        f.enterPerson();
        for (const char *close : {"Command24", "Command17"}) {
            f.click("Command18");
            QCOMPARE(f.state(), QStringLiteral("Text18 Command24 00000000010 00"));
            QVERIFY(!QFile::exists(f.dataFile("prntscrn.tmp")));
            f.click(close);
            QCOMPARE(f.state(), QStringLiteral("11111111111 11"));
        }
    }

    // Each handler that checks what the user typed tells the user what is wrong, and does nothing
    // more: one row per handler (each check and its message is the calendar's and the chart's,
    // tested there), the chart commands among them refusing a name with a control character and a
    // chart ending after 12-31-9999.
    void checkMessages_data()
    {
        // No command: the check runs as the box is typed.
        Columns<QString, QString, QString, QString>({"command", "box", "typed", "title"});
        Row("birthdate typed", "", "Text4", "13-20-1990", "MONTH DATE INPUT ERROR IN BIRTH DATE");
        Row("start date typed", "", "Text10", "00-10-2000", "MONTH DATE INPUT ERROR");
        Row("display chart", "mnuFilePrintCharttoFullScreen", "Text3", "Pat \x1b[31mExample",
            "NAME INPUT ERROR");
        Row("display chart, more days than memory", "mnuFilePrintCharttoFullScreen", "Text11", "2900000",
            "NOT ENOUGH MEMORY!");
        Row("display graph", "mnuFileDisplayGraph", "Text11", "3000000x", "LENGTH OF CHART TOO LONG!");
        Row("export to calendar", "mnuFileExportCalendar", "Text11", "99999999999",
            "LENGTH OF CHART TOO LONG!");
        Row("print chart", "mnuFilePrintChart", "Text17", "0", "LINES PER PAGE INCORRECT!");
        Row("print cover sheet", "mnuFilePrintCoverSheet", "Text3", "Pat\tExample", "NAME INPUT ERROR");
        Row("print cover sheet and chart", "mnuFilePrintCoverSheetandChart", "Text17", "abc",
            "LINES PER PAGE INCORRECT!");
    }

    void checkMessages()
    {
        QFETCH(QString, command);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, title);
        Fixture f;
        if (!command.isEmpty()) {
            f.showAndDismiss();
            f.enterPerson();
        }
        QLineEdit *edit = f.box(qPrintable(box));
        edit->clear();
        f.alerts.clear();
        if (command.isEmpty()) {
            QTest::keyClicks(edit, typed);
        } else {
            edit->setText(typed);
            f.alerts.clear();
            f.trigger(qPrintable(command));
        }
        QCOMPARE(f.alerts.onlyTitle(), title);
        QCOMPARE(edit->text(), typed);
        QVERIFY(f.find("Text18")->isHidden() && f.find("FrameGraph")->isHidden());
        QVERIFY(f.printed.join(QString()).isEmpty() && f.asked.isEmpty());
        if (box == QLatin1String("Text10")) {
            // A start date that failed its checks gives no ages and no end date until it is corrected.
            f.enterPerson();
            for (const char *derived : {"Text8", "Text9", "Text12"})
                QVERIFY(f.box(derived)->text().isEmpty());
        }
    }

    void resetPutsTodayBack_data()
    {
        Columns<QString, QString>({"start", "end"});
        Row("another start date", "01-01-2000", "01-20-2000");
        Row("already today", "05-20-2025", "06-08-2025");
    }

    void resetPutsTodayBack()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        Fixture f;
        f.showAndDismiss();
        f.box("Text10")->setText(start);
        QTest::keyClicks(f.box("Text11"), QStringLiteral("20"));
        QCOMPARE(f.box("Text12")->text(), end);
        f.click("Command8");
        QCOMPARE(f.box("Text10")->text(), QStringLiteral("05-20-2025"));
        QVERIFY(f.box("Text11")->text().isEmpty() && f.box("Text12")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), f.box("Text11"));
        // Without a whole start date, a typed length is undone.
        QTest::keyClick(f.box("Text10"), Qt::Key_Backspace);
        QTest::keyClicks(f.box("Text11"), QStringLiteral("30"));
        QVERIFY(f.box("Text11")->text().isEmpty() && f.box("Text12")->text().isEmpty());
    }

    // A name used from the database fills the person column; "Clear All Text Boxes Below" and each
    // "<< Clear" empty their boxes again and leave the cursor there.
    void personBoxesFilledAndCleared()
    {
        Fixture f;
        f.showAndDismiss();
        f.click("Command9");
        QTest::keyClicks(f.box("Text1"), QStringLiteral("Pat Example"));
        QTest::keyClicks(f.box("Text2"), QStringLiteral("05201990"));
        f.click("Command1");
        f.find<QListWidget>("List1")->setCurrentRow(0);
        f.click("cmdUseName");
        QCOMPARE(f.state(), QStringLiteral("11111111111 11"));
        QStringList person;
        for (const char *box : {"Text3", "Text4", "Text6", "Text7", "Text8", "Text9"})
            person << f.box(box)->text();
        QCOMPARE(person, QStringList({"Pat Example", "05-20-1990", "Taurus", "Sunday", "12784", "35"}));
        QCOMPARE(QApplication::focusWidget(), f.box("Text11"));
        QVERIFY(f.alerts.messages().isEmpty());

        f.box("Text11")->setText(QStringLiteral("30"));
        f.click("Command13");
        for (const char *box :
             {"Text3", "Text4", "Text6", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12"})
            QVERIFY2(f.box(box)->text().isEmpty(), box);
        QCOMPARE(QApplication::focusWidget(), f.box("Text3"));
        QVERIFY(!f.box("Text13")->text().isEmpty());
        const char *buttons[] = {"Command2", "Command4", "Command5", "Command6", "Command7"};
        const QList<QLineEdit *> lines = {f.find<QComboBox>("Combo1")->lineEdit(), f.box("Text13"),
                                          f.box("Text14"), f.box("Text15"), f.box("Text16")};
        for (int i = 0; i < 5; ++i) {
            lines[i]->setText(QStringLiteral("x"));
            f.click(buttons[i]);
            QVERIFY2(lines[i]->text().isEmpty() && lines[i]->hasFocus(), buttons[i]);
        }
        QCOMPARE(f.find<QComboBox>("Combo1")->count(), 7);
    }

    // Every preference control is saved at shut-down and loaded at start-up, and Default Settings
    // restores all but the cover-sheet heading. The window's size comes back too, unless it was
    // shut down minimized.
    void preferencesAndPlacementSurviveARestart()
    {
        Fixture f;
        const QStringList defaults = f.preferences();
        f.find<QComboBox>("Combo1")->setEditText(QStringLiteral("Prepared, with care, by:"));
        f.box("Text13")->setText(QStringLiteral("Smith, Jo \"JJ\""));
        f.box("Text14")->setText(QStringLiteral("  Zürich, Straße 1"));
        f.box("Text15")->clear();
        f.box("Text16")->setText(QStringLiteral("jo@example.com"));
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("Times"));
        f.box("Text17")->setText(QStringLiteral("60"));
        for (const char *button : {"Option1", "Option3", "Check4"})
            f.find<QAbstractButton>(button)->setChecked(true);
        for (const char *button : {"Check1", "Check2", "Check3"})
            f.find<QAbstractButton>(button)->setChecked(false);
        const QStringList changed = f.preferences();
        for (qsizetype i = 0; i < changed.size(); ++i)
            QVERIFY2(changed[i] != defaults[i], qPrintable(changed[i]));
        f.window->resize(780, 640);
        f.window->close();
        f.restart();
        QCOMPARE(f.preferences(), changed);
        QCOMPARE(f.window->size(), QSize(780, 640));
        // The lead-in box is narrower than its line: its tip holds the whole line.
        QCOMPARE(f.find<QComboBox>("Combo1")->toolTip(), changed.first());
        f.showAndDismiss();
        f.trigger("menuEditDefaultSettings");
        QCOMPARE(f.preferences(), changed.mid(0, 5) + defaults.mid(5));
        f.window->resize(600, 500);
        f.window->setWindowState(Qt::WindowMinimized);
        f.restart();
        QCOMPARE(f.window->size(), QSize(780, 640));
    }

    // The one start-up message about the data folder; nothing is lost, and nothing written in vain.
    void readOnlyDataFolder_data()
    {
        Columns<QString, QString>({"kind", "said"});
        Row("the settings were read", "read-only", "were read");
        Row("a settings file could not be read", "damaged", "cover.dat");
        Row("the folder cannot be made", "under a file", "default settings");
    }

    void readOnlyDataFolder()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        Fixture f;
        f.window->close();
        std::optional<TmpfsMount> disk;
        if (kind == QLatin1String("under a file")) {
            f.dataFolder = f.dataFile("cover.dat/data");
        } else {
            TIDEMARK_REQUIRE_MOUNT(disk.emplace(f.dataFolder, 64 * 1024));
            QVERIFY(PutFile(f.dataFile("printer.dat"), "\"60\"\r\n"));
            QVERIFY(kind != QLatin1String("damaged") || QDir().mkdir(f.dataFile("cover.dat")));
            QVERIFY(disk->remountReadOnly());
        }
        f.restart();
        QCOMPARE(f.box("Text17")->text(), kind == QLatin1String("under a file") ? "50" : "60");
        QCOMPARE(f.alerts.onlyTitle(), QStringLiteral("SETTINGS FILE ERROR!"));
        const QString text = f.alerts.messages().constFirst().text;
        QVERIFY2(text.contains(f.dataFolder) && text.contains(said) && text.contains(u"cannot be saved"),
                 qPrintable(text));
        f.box("Text17")->setText(QStringLiteral("70"));
        f.window->close();
        QCOMPARE(f.alerts.messages().size(), 1);
    }

    // A stored placement off the screen and higher than it opens wholly on the screen: moved onto
    // it, and shrunk so that its frame with the title bar fits.
    void storedPlacementFitsTheScreen()
    {
        Fixture f;
        f.window->close();
        QSettings store(f.dir.filePath(QStringLiteral("placement.ini")), QSettings::IniFormat);
        for (const auto &[key, value] :
             {std::pair{"MainLeft", "99999999999"}, {"MainWidth", "0"}, {"MainHeight", "99999"}})
            store.setValue(QStringLiteral("Settings/") + QLatin1String(key), QLatin1String(value));
        store.sync();
        f.restart();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        // The frame as well, once it is known.
        QTRY_VERIFY(f.window->frameGeometry() != f.window->geometry());
        const QRect placed = f.window->frameGeometry();
        QTRY_VERIFY2(f.window->screen()->availableGeometry().contains(f.window->frameGeometry()),
                     qPrintable(QString::asprintf("window at %d, %d x %d", placed.left(), placed.width(),
                                                  placed.height())));
    }

    // On each screen the fonts follow, the window's least size fits it, and there as on the whole
    // screen every caption shows whole and no two controls of the form overlap.
    void captionsShowWhole_data()
    {
        QTest::addColumn<QSize>("screen");
        for (const QSize screen :
             {QSize(640, 480), QSize(800, 600), QSize(1280, 720), QSize(1024, 768), QSize(1366, 768),
              QSize(1280, 800), QSize(1152, 864), QSize(1280, 960), QSize(1280, 1024), QSize(1920, 1080),
              QSize(1920, 1200), QSize(2560, 1440), QSize(960, 540)})
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height())))
                << screen;
    }

    void captionsShowWhole()
    {
        QFETCH(QSize, screen);
        // As on a first run, whose text size follows the screen.
        Fixture f(QStringLiteral("05-20-2025"), screen.height() * 15, std::nullopt);
        f.showAndDismiss();
        const QSize least = f.window->minimumSize();
        QVERIFY2(least.width() <= screen.width() && least.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
        for (const QSize size : {least, screen}) {
            f.window->resize(size);
            QTRY_COMPARE(f.window->size(), size);
            for (const QWidget *w : f.window->centralWidget()->findChildren<QWidget *>()) {
                if (!w->isVisible() || w->inherits("QToolButton"))
                    continue;
                const auto *label = qobject_cast<const QLabel *>(w);
                const auto *button = qobject_cast<const QAbstractButton *>(w);
                const QString text = label ? label->text() : button ? button->text() : QString();
                if (text.isEmpty() || (label && label->wordWrap()))
                    continue;
                // A push button's style asks for more room than its caption needs.
                const int slack = qobject_cast<const QPushButton *>(w) ? 24 : 0;
                const int need =
                    label ? w->fontMetrics().horizontalAdvance(text) : w->sizeHint().width() - slack;
                const int room = label ? label->contentsRect().width() : w->width();
                QVERIFY2(need <= room && w->height() >= w->fontMetrics().height(), qPrintable(text));
                for (const QWidget *other :
                     w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                    QVERIFY2(other == w || !other->isVisible() ||
                                 !other->geometry().intersects(w->geometry()),
                             qPrintable(text + u' ' + other->objectName()));
            }
        }
    }

    // Every panel over the form, and each control in it, stands where it always has: its rectangle
    // at each of three window sizes on screens of four heights, as recorded in panelplaces.txt.
    void panelsKeepTheirPlaces()
    {
        QFile file(QStringLiteral(TIDEMARK_TEST_DATA "/mainwindow/panelplaces.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList recorded = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QStringList placed;
        for (const int screen : {480, 768, 1080, 1200}) {
            Fixture f(QStringLiteral("05-20-2025"), screen * 15);
            f.showAndDismiss();
            const QSize least = f.window->minimumSize();
            for (const QSize size : {least, least + QSize(137, 91), QSize(screen * 16 / 9, screen)}) {
                f.window->resize(size);
                QTRY_COMPARE(f.window->size(), size);
                // The name database lays its rows out once it shows.
                f.trigger("mnuFileOpenDatabase");
                for (const char *name : {"FrameSplash", "Text18", "Command24", "FrameWhatIs", "FrameHelp",
                                         "FrameDatabase", "FrameGraph"}) {
                    QWidget *panel = f.find(name);
                    for (const QWidget *w : QList<QWidget *>{panel} + panel->findChildren<QWidget *>()) {
                        const QRect r = w->geometry();
                        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"))
                            placed << QString::asprintf("%d %dx%d %s %d,%d %dx%d", screen, size.width(),
                                                        size.height(), qPrintable(w->objectName()), r.x(),
                                                        r.y(), r.width(), r.height());
                    }
                }
                f.click("Command3");
            }
        }
        QCOMPARE(placed, recorded);
    }

    // Each print command without a print queue asks for its file once, before any progress box is
    // made, and writes it (the Help menu's command needs no panel open).
    void pdfFileAskedFirst_data()
    {
        // The menu item, the files, and the progress boxes made after the question.
        Columns<QString, QStringList, int>({"menu", "files", "progress"});
        const QString cover = QStringLiteral("Pat Example - cover sheet.pdf");
        const QString chart = QStringLiteral("Pat Example - chart.pdf");
        Row("mnuFilePrintCoverSheet", "mnuFilePrintCoverSheet", QStringList{cover}, 0);
        Row("mnuFilePrintChart", "mnuFilePrintChart", QStringList{chart}, 1);
        Row("mnuFilePrintCoverSheetandChart", "mnuFilePrintCoverSheetandChart", QStringList{chart, cover}, 1);
        Row("mnuHelpPrintWhatIsABiorhythm", "mnuHelpPrintWhatIsABiorhythm",
            QStringList{"What Is A Biorhythm.pdf"}, 0);
    }

    void pdfFileAskedFirst()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, files);
        QFETCH(int, progress);
        Fixture f;
        f.showAndDismiss();
        f.enterPerson();
        QTemporaryDir folder;
        f.noQueue = true;
        f.answer = [&](const SaveQuestion &question) {
            return folder.filePath(QFileInfo(question.suggestedPath).fileName());
        };
        f.trigger(qPrintable(menu));
        QCOMPARE(f.asked.size(), 1);
        QCOMPARE(f.events.value(0), f.asked.constFirst().caption);
        QCOMPARE(f.events.size(), 1 + progress);
        QVERIFY(f.alerts.messages().isEmpty() && f.alerts.questions().isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), files);
        const QString told = f.find<QStatusBar>("StatusBar")->currentMessage();
        QVERIFY2(told.contains(QDir::toNativeSeparators(folder.path())), qPrintable(told));
        for (const QString &file : files)
            QVERIFY2(told.contains(file), qPrintable(told));
    }

    // The chart on screen is the same whatever language the window speaks, while the form's
    // captions and the person's facts are translated.
    void chartTheSameInEveryLanguage_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("start");
        QTest::newRow("plain start") << "05-20-1990"
                                     << "05-20-2025";
        QTest::newRow("February 31") << "05-20-1990"
                                     << "02-31-2025";
        QTest::newRow("February 30") << "01-01-1970"
                                     << "02-30-2023";
        QTest::newRow("April 31") << "12-25-1985"
                                  << "04-31-2024";
    }

    void chartTheSameInEveryLanguage()
    {
        QFETCH(QString, birth);
        QFETCH(QString, start);
        struct Shown
        {
            QString chart, caption, weekday;
        };
        auto display = [&](QTranslator *translator) {
            if (translator)
                QCoreApplication::installTranslator(translator);
            Fixture f;
            f.showAndDismiss();
            f.box("Text3")->setText(QStringLiteral("Pat Example"));
            f.box("Text4")->setText(birth);
            f.box("Text10")->setText(start);
            f.box("Text11")->setText(QStringLiteral("30"));
            f.trigger("mnuFilePrintCharttoFullScreen");
            const Shown shown{f.find<ChartTextView>("Text18")->toPlainText(),
                              f.find<QLabel>("Label13")->text(), f.box("Text7")->text()};
            if (translator)
                QCoreApplication::removeTranslator(translator);
            return shown;
        };
        const Shown english = display(nullptr);
        PseudoTranslator translator;
        const Shown translated = display(&translator);
        QVERIFY(!english.chart.isEmpty());
        QCOMPARE(translated.chart, english.chart);
        QCOMPARE(translated.caption, u'[' + english.caption + u']');
        QVERIFY(!english.weekday.isEmpty() && translated.weekday != english.weekday);
    }

    // Under a translation of every text, nothing the window shows, says in a tip or tells a screen
    // reader stays as written: the notice, the form, every menu command, the panels and the graph.
    void everyTextTranslated()
    {
        PseudoTranslator translator;
        QCoreApplication::installTranslator(&translator);
        auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        Fixture f;
        QStringList untranslated;
        const auto check = [&untranslated](const QObject *where, const QString &text) {
            // Words only: a name, a date or a number is the person's or the program's own.
            static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
            if (!QString(text).remove(QStringLiteral("Tidemark")).contains(word) || text.contains(u'['))
                return;
            untranslated << where->objectName() + QStringLiteral(": ") + text;
        };
        const auto checkShown = [&](QWidget *panel) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QList<QWidget *> shown = panel->findChildren<QWidget *>();
            shown << panel;
            for (const QWidget *w : std::as_const(shown)) {
                if (!w->isVisibleTo(f.window.get()) || qobject_cast<const QLineEdit *>(w) ||
                    qobject_cast<const QComboBox *>(w->parentWidget()))
                    continue;
                if (const auto *label = qobject_cast<const QLabel *>(w))
                    check(w, label->text());
                if (const auto *button = qobject_cast<const QAbstractButton *>(w))
                    check(w, button->text());
                if (const auto *frame = qobject_cast<const QGroupBox *>(w))
                    check(w, frame->title());
                // A box's tip shows what it holds, as the lead-in lines, which stay English.
                if (!qobject_cast<const QComboBox *>(w))
                    check(w, w->toolTip());
                check(w, w->accessibleName());
                check(w, w->accessibleDescription());
            }
        };
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        checkShown(f.find("FrameSplash"));
        f.click("Label29");
        checkShown(f.window->centralWidget());
        for (const QAction *action : f.window->findChildren<QAction *>()) {
            if (!action->isSeparator() && !action->objectName().startsWith(QLatin1String("qt_"))) {
                check(action, action->text());
                check(action, action->statusTip());
            }
        }
        f.enterPerson(QStringLiteral("60"));
        for (const char *command : {"mnuFileOpenDatabase", "mnuHelpGetHelpOn", "mnuHelpWhatIsABiorhythm",
                                    "mnuFileCompareWith", "mnuFileDisplayGraph"}) {
            f.trigger(command);
            if (f.find("FrameCompare")->isVisible()) {
                f.box("TextCompareName")->setText(QStringLiteral("Lee Sample"));
                f.box("TextCompareBirth")->setText(QStringLiteral("07-04-1988"));
                f.click("CommandCompare");
                const auto *days = f.find<QListWidget>("ListCompareCritical");
                QVERIFY(days->count() > 0);
                for (int i = 0; i < days->count(); ++i)
                    check(days, days->item(i)->text());
            }
            checkShown(f.window->centralWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
    }

    void replacingPdfFilesAsksFirst_data()
    {
        Columns<QString, QString, QStringList, bool>({"command", "chosen", "existing", "replace"});
        const QString both = QStringLiteral("mnuFilePrintCoverSheetandChart");
        const QString chosen = QStringLiteral("Pat Example.pdf");
        const QStringList two = {"Pat Example - chart.pdf", "Pat Example - cover sheet.pdf"};
        Row("both exist, kept", both, chosen, two, false);
        Row("both exist, replaced", both, chosen, two, true);
        Row("one exists, kept", both, chosen, QStringList{two[0]}, false);
        Row("the name with .pdf added exists, kept", "mnuFilePrintChart", "Pat", QStringList{"Pat.pdf"},
            false);
    }

    void replacingPdfFilesAsksFirst()
    {
        QFETCH(QString, command);
        QFETCH(QString, chosen);
        QFETCH(QStringList, existing);
        QFETCH(bool, replace);
        Fixture f;
        f.showAndDismiss();
        f.enterPerson();
        QTemporaryDir folder;
        for (const QString &name : existing)
            QVERIFY(PutFile(folder.filePath(name), "old"));
        f.noQueue = true;
        f.answer = [&](const SaveQuestion &) { return folder.filePath(chosen); };
        f.alerts.answerQuestions(replace);
        f.trigger(qPrintable(command));
        // One question names every file that would be replaced; declining is no error.
        QCOMPARE(f.alerts.questions().size(), 1);
        QVERIFY(f.alerts.messages().isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), existing);
        for (const QString &name : existing) {
            QVERIFY(f.alerts.questions().first().text.contains(name));
            QCOMPARE(FileBytes(folder.filePath(name)) == "old", !replace);
        }
    }
};

TIDEMARK_TEST(TestMainWindow)
#include "tst_mainwindow.moc"
