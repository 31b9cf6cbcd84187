#include "info/helppanel.h"
#include "info/helptopics.h"
#include "info/panelgeometry.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

struct Expected
{
    const char *name;
    const char *firstWords;
    int paragraphs; // 0 where no count is laid down
};

// The topic table as the program's help must read: names in order, the first words of each
// text and its number of paragraphs.
constexpr Expected Table[] = {
    {"COVER SHEET", "The cover sheet contains information about the user and the chart, including:", 0},
    {"   -Lead-in message", "The lead-in message at the top of the cover sheet is optional.", 3},
    {"   -Name & address message", "The name & address message at the top of the cover sheet is optional.",
     3},
    {"DATABASE", "The database is used to store frequently used names and birthdates.", 1},
    {"   -Adding a name to the database", "With your mouse, select 'FILE' from the top pull-down menu.", 6},
    {"   -Deleting a name from the database", "With your mouse, select 'FILE' from the pull-down menu.", 4},
    {"   -Using a name from the database", "With your mouse, select 'FILE' from the top pull-down menu.", 3},
    {"DISPLAY CHART TO SCREEN",
     "Select 'FILE' from the top pull-down menu.  'Display Chart to Screen' allows you to display a "
     "continuous "
     "chart and scroll it forward or backwards.",
     2},
    {"CHART PREFERENCES", "See the category 'PRINTER SETTINGS.'", 1},
    {"DEFAULT SETTINGS",
     "With your mouse, select 'EDIT' from the top pull-down menu.  From the 'EDIT' menu select 'DEFAULT "
     "SETTINGS.'  All settings will return to 'factory' settings.",
     1},
    {"E-MAIL HELP",
     "In the event your answer does not appear in this help file, you may send an e-mail and we'll try to "
     "get "
     "you an answer to your problem, or you may write to the address below.",
     0},
    {"ICONS", "In the upper left corner of the main program screen are shortcut icons.", 0},
    {"   -Desktop icon", "The program does not automatically install an icon on your desktop.", 1},
    {"INSTALLING AN UPDATE/UPGRADE",
     "When you are ready to install a newer version of the program onto your computer, you need to first "
     "un-install the program currently on your computer.",
     1},
    {"LENGTH OF CHART", "The length of the printed chart can be any amount of days.", 1},
    {"   -Setting days", "The length of the printed chart is selected by the user.", 2},
    {"MANUAL ENTRY",
     "On names that you will print charts for on a regular basis, you will probably want to enter those in "
     "the "
     "database.",
     1},
    {"   -Birthdate",
     "At the main program screen, click your mouse cursor inside the 'BIRTHDATE' text box (second from the "
     "top).",
     2},
    {"   -Name", "At the main program screen, click your mouse cursor within the 'NAME' text box.", 2},
    {"PREFERENCES", "See the category 'PRINTER SETTINGS.'  ", 1},
    {"PRINTER SETTINGS", "There are several choices you can make when setting up to print a chart.", 1},
    {"   -Color",
     "When the 'PRINT IN COLOR' check box is 'checked,' each of the three cycles will be printed in a "
     "different color",
     3},
    {"   -Date", "When the 'CURRENT DATE EACH PAGE' check box is 'checked,'", 2},
    {"   -Font style", "There are three font types available for your chart and cover sheet.", 3},
    {"   -Forecast",
     "When the 'DAILY FORECAST' check box is 'checked,' a three-line forecast will be printed on the chart "
     "for "
     "each day that the user's cycle appears.",
     3},
    {"   -Holiday messages",
     "When the 'HOLIDAY MESSAGES' check box is 'checked,' the user will be greeted by a one line message "
     "during certain days",
     2},
    {"   -Lines per page", "User may indicate how many lines are desired for each page.", 2},
    {"   -Spacing",
     "There are three different settings that affect the spacing of the printed chart.  To select a setting, "
     "click the 'option button' desired.",
     5},
    {"   -Type of printer", "For your printer setting, you will only need to select one of two options.", 2},
    {"PRINTING", "See the topics that follow this category for details on printing the different forms.", 1},
    {"   -Chart",
     "When you are ready to print a chart, you may select the 'PRINT CHART' option from the 'FILE' pull-down "
     "menu.",
     3},
    {"   -Color",
     "When the 'PRINT IN COLOR' check box is 'checked,' each of the three cycles will be printed in a "
     "different color",
     2},
    {"   -Cover sheet",
     "When you are ready to print a cover sheet, you may select the 'PRINT COVER SHEET' option from the "
     "'FILE' pull-down menu.",
     3},
    {"   -What Is A Biorhythm",
     "To print 'WHAT IS A BIORHYTHM' to printer, from the pull-down menu select 'HELP,' and then select "
     "'PRINT "
     "WHAT IS A BIORHYTHM.'",
     2},
    {"RESOLUTION", "The program should work well in any screen resolution", 2},
    {"SCREEN RESOLUTION", "The best screen resolution to use when running this program is ", 1},
    {"SHORTCUT ICONS", "In the upper left corner of the main program screen are shortcut icons.", 0},
    {"SHORTCUT KEYS", "Same as SHORTCUT ICONS.", 1},
    {"SYSTEM INFORMATION",
     "If you would like to view information about your computer, we have added a neat little utility in the "
     "program.",
     1},
    {"TROUBLE SHOOTING",
     "If you are experiencing problems with the program, scan the following topic questions to see if your "
     "problem is listed.",
     1},
    {"   -Chart prints slow", "The color option slows down printing considerably.", 1},
    {"   -Chart won't print", "The chart goes to the system's default printer queue", 1},
    {"   -Page 2 doesn't print a full page",
     "If page 2 only prints a partial page, and then printing continues on page 3, your problem is that the "
     "printer option 'NUMBER OF LINES PER PAGE' is too high.",
     1},
    {"   -Print chart to screen doesn't line up",
     "When printing to screen, if the center line does not line up straight, that indicates that 'COURIER' "
     "font is not installed properly on your computer.",
     2},
    {"   -There is no desktop icon", "The program does not automatically install an icon on your desktop.",
     1},
    {"WHAT IS A BIORHYTHM?",
     "Many times you will want to print a chart for a friend or family member who doesn't know what a "
     "biorhythm is.",
     2},
    {"   -Display to screen",
     "To view 'WHAT IS A BIORHYTHM,' from the top pull-down menu select 'HELP,' then select 'WHAT IS A "
     "BIORHYTHM.'",
     1},
    {"   -Printing the definition",
     "To print 'WHAT IS A BIORHYTHM' to printer, from the pull-down menu select 'HELP,' and then select "
     "'PRINT "
     "WHAT IS A BIORHYTHM.'",
     2},
};

// A help panel over a host window, placed and opened as the main window does it.
struct Shown
{
    QWidget host;
    HelpPanel *panel = new HelpPanel(&host);
    Shown()
    {
        host.resize(900, 700);
        host.show();
        panel->placeIn(host.size(), 12);
        panel->open();
    }
};

QString TextOf(int entry)
{
    return QString::fromLatin1(info::HelpTopics()[entry - 1].text);
}

QStringList Paragraphs(int entry)
{
    return TextOf(entry).split(QStringLiteral("\n\n"));
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesInOrder();
    void topics_data();
    void topics();
    void quotedLines_data();
    void quotedLines();
    void sharedAndSeparateTexts();
    void bulletedLists();
    void supportAddresses();
    void nothingUntrueHere_data();
    void nothingUntrueHere();
    void panelControls();
    void openShowsListAndEmptyText();
    void selectingShowsOwnText_data();
    void selectingShowsOwnText();
    void keyboardSelects();
    void reopenStartsAfresh();
    void closeButtonHidesAndSignals();
    void geometry();
};

void TestHelp::namesInOrder()
{
    const auto topics = info::HelpTopics();
    QCOMPARE(topics.size(), std::size(Table));
    QCOMPARE(topics.size(), std::size_t(48));
    for (std::size_t i = 0; i < topics.size(); ++i)
        QCOMPARE(QString::fromLatin1(topics[i].name), QString::fromLatin1(Table[i].name));
}

void TestHelp::topics_data()
{
    QTest::addColumn<int>("entry");
    for (int i = 1; i <= 48; ++i)
        QTest::addRow("%d %s", i, Table[i - 1].name) << i;
}

void TestHelp::topics()
{
    QFETCH(int, entry);
    const Expected &expected = Table[entry - 1];
    const QString text = TextOf(entry);
    QVERIFY2(text.startsWith(QString::fromLatin1(expected.firstWords)), qPrintable(text));
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
    QVERIFY(!text.contains(QStringLiteral("\n\n\n")));
    if (expected.paragraphs > 0)
        QCOMPARE(Paragraphs(entry).size(), expected.paragraphs);
    for (const QChar c : text)
        QVERIFY((c.unicode() >= 0x20 && c.unicode() < 0x7f) || c == QLatin1Char('\n'));
}

void TestHelp::quotedLines_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("paragraph"); // from 1; -1 for the last
    QTest::addColumn<QString>("text");
    QTest::newRow("adding: keyboard")
        << 5 << -1
        << "(Optional: open the database from the keyboard by pressing and holding "
           "down the 'CTRL' key and pressing the 'O' key, or use the 'SHORTCUT' key.)";
    QTest::newRow("deleting: one at a time") << 6 << -1
                                             << "(Only one name can be selected and deleted at a time.  Once "
                                                "a name is deleted, it can not be retrieved "
                                                "or undeleted.)";
    QTest::newRow("birthdate")
        << 18 << -1
        << "Once the name and birthdate are entered, the program will automatically fill in "
           "other needed information.";
    QTest::newRow("color default") << 22 << -1 << "(Default setting: Print in color = true.)";
    QTest::newRow("date default") << 23 << -1 << "(Default setting: Print date each page = true.)";
    QTest::newRow("font default")
        << 24 << -1
        << "(Default setting: Arial type style for laser-style printers, Courier type "
           "style for dot-matrix printers.)";
    QTest::newRow("forecast off")
        << 25 << 2
        << "If you do not want the forecast printed, click the 'DAILY FORECAST' checkbox "
           "until the box is blank.";
    QTest::newRow("forecast default") << 25 << -1 << "(Default setting: Daily Forecast = false.)";
    QTest::newRow("holiday default") << 26 << -1 << "(Default setting: Include Holiday messages = true.)";
    QTest::newRow("lines default") << 27 << -1 << "(Default setting: Number of lines per page = 50.)";
    QTest::newRow("single space") << 28 << 2
                                  << " * Single space -- use of this setting produces a single spaced chart.";
    QTest::newRow("double space")
        << 28 << 3
        << " * Double space -- this setting puts a blank line between each day's printout.  "
           "This option makes the chart easier to read.";
    QTest::newRow("spacing default") << 28 << -1 << "(Default setting: Double space with lines.)";
    QTest::newRow("printer default") << 29 << -1 << "(Default setting: laser-type printer.)";
    QTest::newRow("chart icon") << 31 << 2
                                << "You may optionally select the desired shortcut icon to print your chart.";
    QTest::newRow("printing color default") << 32 << -1 << "(Default setting: Print in color = true.)";
    QTest::newRow("cover icon")
        << 33 << 2 << "You may optionally select the desired shortcut icon to print your cover sheet.";
    QTest::newRow("courier new")
        << 44 << -1
        << "Please note that you may have 'COURIER NEW' font installed, but this is not the "
           "same font called for in the program.";
}

void TestHelp::quotedLines()
{
    QFETCH(int, entry);
    QFETCH(int, paragraph);
    QFETCH(QString, text);
    const QStringList paragraphs = Paragraphs(entry);
    QCOMPARE(paragraph < 0 ? paragraphs.last() : paragraphs.value(paragraph - 1), text);
}

void TestHelp::sharedAndSeparateTexts()
{
    QCOMPARE(TextOf(37), TextOf(12));
    QCOMPARE(TextOf(45), TextOf(13));
    QCOMPARE(TextOf(48), TextOf(34));
    QVERIFY(TextOf(22) != TextOf(32));
    QVERIFY(Paragraphs(34).value(1).startsWith(
        QLatin1String("This sheet will print in the type font that you have selected in PRINTER SETTINGS.")));
    QVERIFY(Paragraphs(46).value(1).startsWith(QLatin1String(
        "Any information that you have entered in the Cover Sheet Heading lines 1 through 4 will print "
        "at the bottom of this 'WHAT IS...' form.")));
    QVERIFY(Paragraphs(28).value(3).startsWith(QLatin1String(" * Double space with lines --")));
    QVERIFY(Paragraphs(11).value(1).startsWith(QLatin1String("Please be specific about your problem")));
}

void TestHelp::bulletedLists()
{
    const QStringList cover = TextOf(1).split(QLatin1Char('\n'));
    QCOMPARE(cover.size(), 14);
    QCOMPARE(cover.filter(QRegularExpression(QStringLiteral("^  \\* "))).size(), 13);
    QCOMPARE(cover.at(2),
             QStringLiteral("  * a lead-in line that is optional and editable (see topic for more info)"));
    QCOMPARE(cover.last(), QStringLiteral("  * a disclaimer"));
    const QStringList icons = TextOf(12).split(QLatin1Char('\n'));
    QCOMPARE(icons.size(), 8);
    QCOMPARE(icons.at(1), QStringLiteral("  * OPEN FOLDER - opens the database screen."));
    QCOMPARE(icons.last(),
             QStringLiteral(
                 "  * FOUR BLANK TEXT BOXES - clears all the text boxes on the left side of the screen."));
}

void TestHelp::supportAddresses()
{
    const QStringList paragraphs = Paragraphs(11);
    QCOMPARE(paragraphs.value(2), QStringLiteral("E-mail: support@example.com"));
    QCOMPARE(paragraphs.value(3), QStringLiteral("Your Company\n123 Any Street\nAnytown, ST 00000"));
}

void TestHelp::nothingUntrueHere_data()
{
    QTest::addColumn<QString>("words");
    QTest::newRow("a parallel port") << "LPT1";
    QTest::newRow("another system's settings") << "Control Panel";
    QTest::newRow("a screen too small for the window") << "640 x 480";
    QTest::newRow("a developer's script") << "scripts/";
    QTest::newRow("fonts that follow the screen") << "text sizes follow";
}

void TestHelp::nothingUntrueHere()
{
    QFETCH(QString, words);
    for (const info::HelpTopic &topic : info::HelpTopics())
        QVERIFY2(!QString::fromLatin1(topic.text).contains(words), topic.name);
}

void TestHelp::panelControls()
{
    HelpPanel panel;
    QCOMPARE(panel.objectName(), QStringLiteral("FrameHelp"));
    QCOMPARE(panel.Label33->text(), QStringLiteral("  Tidemark Help"));
    QCOMPARE(panel.Command16->text(), QStringLiteral("x"));
    QCOMPARE(panel.Command16->toolTip(), QStringLiteral("close"));
    QCOMPARE(panel.Label32->text(),
             QStringLiteral(
                 "Select the category or topic at the top that you need help on by highlighting it with "
                 "your mouse cursor.  The information will appear in the box below.  Scroll down the "
                 "list to see more topics."));
    QVERIFY(panel.TextHelp->isReadOnly());
    QCOMPARE(panel.TextHelp->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!panel.List2->isSortingEnabled());
}

void TestHelp::openShowsListAndEmptyText()
{
    Shown shown;
    HelpPanel *panel = shown.panel;
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->List2->count(), 48);
    QCOMPARE(panel->List2->item(0)->text(), QStringLiteral("COVER SHEET"));
    QCOMPARE(panel->List2->item(47)->text(), QStringLiteral("   -Printing the definition"));
    QVERIFY(panel->List2->selectedItems().isEmpty());
    QVERIFY(panel->TextHelp->toPlainText().isEmpty());
    QCOMPARE(panel->List2->font().pointSizeF(), 12.0);
}

void TestHelp::selectingShowsOwnText_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("firstWords");
    QTest::newRow("22 colour under printer settings")
        << 22
        << "When the 'PRINT IN COLOR' check box is 'checked,' each of the three cycles will be printed in a "
           "different color: the (P)hysical";
    QTest::newRow("32 colour under printing")
        << 32
        << "When the 'PRINT IN COLOR' check box is 'checked,' each of the three cycles will be printed in a "
           "different color on your chart";
    QTest::newRow("PRINTING pointer")
        << 30
        << "See the topics that follow this category for details on printing the "
           "different forms.";
}

void TestHelp::selectingShowsOwnText()
{
    QFETCH(int, entry);
    QFETCH(QString, firstWords);
    Shown shown;
    HelpPanel *panel = shown.panel;
    QListWidgetItem *item = panel->List2->item(entry - 1);
    panel->List2->scrollToItem(item);
    QTest::mouseClick(panel->List2->viewport(), Qt::LeftButton, {},
                      panel->List2->visualItemRect(item).center());
    QCOMPARE(panel->TextHelp->toPlainText(), TextOf(entry));
    QVERIFY(panel->TextHelp->toPlainText().startsWith(firstWords));
}

void TestHelp::keyboardSelects()
{
    Shown shown;
    HelpPanel *panel = shown.panel;
    panel->List2->setCurrentRow(20);
    QTest::keyClick(panel->List2, Qt::Key_Down);
    QCOMPARE(panel->List2->currentRow(), 21);
    QCOMPARE(panel->TextHelp->toPlainText(), TextOf(22));
}

void TestHelp::reopenStartsAfresh()
{
    Shown shown;
    HelpPanel *panel = shown.panel;
    panel->List2->setCurrentRow(31);
    QCOMPARE(panel->TextHelp->toPlainText(), TextOf(32));
    QTest::mouseClick(panel->Command16, Qt::LeftButton);
    QVERIFY(!panel->isVisible());

    panel->open();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->List2->count(), 48);
    QVERIFY(panel->List2->selectedItems().isEmpty());
    QVERIFY(panel->TextHelp->toPlainText().isEmpty());
}

void TestHelp::closeButtonHidesAndSignals()
{
    Shown shown;
    QSignalSpy closed(shown.panel, &HelpPanel::closed);
    QTest::mouseClick(shown.panel->Command16, Qt::LeftButton);
    QCOMPARE(closed.size(), 1);
    QVERIFY(!shown.panel->isVisible());
}

void TestHelp::geometry()
{
    const info::HelpGeometry g =
        info::HelpPanelGeometry(QSize(1000, 700), 20, [](int width) { return width == 760 ? 40 : -1; });
    QCOMPARE(g.title, QRect(0, 0, 800, 20));
    QCOMPARE(g.close, QRect(780, 0, 20, 20));
    QCOMPARE(g.list, QRect(20, 40, 760, 140));
    QCOMPARE(g.instruction, QRect(20, 200, 760, 40));
    QCOMPARE(g.text, QRect(20, 260, 760, 140));
    QCOMPARE(g.panel, QRect(100, 70, 800, 5 * 20 + 140 + 40 + 140));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
