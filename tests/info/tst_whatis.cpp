#include "info/panelgeometry.h"
#include "info/whatispanel.h"
#include "info/whatisprint.h"
#include "info/whatistext.h"
#include "print/textprintdevice.h"
#include "support/recordingprintdevice.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using info::WhatIsLayout;

Q_DECLARE_METATYPE(info::WhatIsLayout)
Q_DECLARE_METATYPE(chart::PrinterType)

namespace {

const QString Closing = QStringLiteral("These charts are compiled for entertainment purposes only");

QStringList PrintedLines(WhatIsLayout layout, const std::array<QString, 4> &heading)
{
    print::TextPrintDevice device;
    info::PrintWhatIs(device, layout, QStringLiteral("Arial"), heading);
    return device.pages().value(0);
}

// The lines of the block that starts with `firstWords`, up to the next empty line.
QStringList BlockOf(const QStringList &lines, const QString &firstWords)
{
    QStringList block;
    for (const QString &line : lines) {
        if (block.isEmpty() && !line.trimmed().startsWith(firstWords))
            continue;
        if (line.trimmed().isEmpty())
            break;
        block << line;
    }
    return block;
}

QString Golden(const QString &name)
{
    QFile file(QStringLiteral(TIDEMARK_TEST_DATA "/info/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const std::array<QString, 4> FullHeading{QStringLiteral("Your Name"), QStringLiteral("123 Any Street"),
                                         QStringLiteral("Anytown, ST 00000"),
                                         QStringLiteral("you@example.com")};

} // namespace

class TestWhatIs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenItems_data();
    void screenItems();
    void screenTextHasNoClosingStatement();
    void sheetSaysWhatTheScreenSays();
    void printedBlockLines_data();
    void printedBlockLines();
    void printedSheetMatchesGolden_data();
    void printedSheetMatchesGolden();
    void characterLinesFitEightyColumns();
    void headingLinesAtFoot_data();
    void headingLinesAtFoot();
    void layoutChoice_data();
    void layoutChoice();
    void fontAndDocument_data();
    void fontAndDocument();
    void failedPrinterIsAbandoned();
    void panelShowsTextAndSignals();
    void panelGeometry();
};

void TestWhatIs::screenItems_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("firstWords");
    const QStringList items{
        "     --- WHAT IS A BIORHYTHM ---",
        "     A biorhythm is a cyclical pattern of biological activity that begins at birth with three sine "
        "wave cycles",
        "     The (P)hysical cycle begins every 23 days and controls our energy",
        "     The (E)motional cycle begins every 28 days and controls our sensitivity and temperament",
        "     Our (I)ntellectual cycle begins every 33 days and controls our thinking capacity",
        "     The magnitudes of the cycles have no significance, except to indicate negative, zero and "
        "positive "
        "values",
        "     --- TRIPLE HIGH AND TRIPLE LOW DAYS ---",
        "     TRIPLE HIGH DAYS occur within the area when all three cycles are converging together on the "
        "RIGHT "
        "side of the center line.",
        "     TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the chart."};
    for (int i = 0; i < items.size(); ++i)
        QTest::addRow("item %d", i + 1) << i << items[i];
}

void TestWhatIs::screenItems()
{
    QFETCH(int, item);
    QFETCH(QString, firstWords);
    const QStringList items = info::WhatIsScreenText().split(QStringLiteral("\n\n"));
    QCOMPARE(items.size(), 9);
    QVERIFY2(items[item].startsWith(firstWords), qPrintable(items[item]));
    QVERIFY(!items[item].contains(QLatin1Char('\n')));
}

void TestWhatIs::screenTextHasNoClosingStatement()
{
    const QString text = info::WhatIsScreenText();
    QVERIFY(!text.contains(Closing));
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
    QVERIFY(info::WhatIsSheet(WhatIsLayout::Page).closing.join(QLatin1Char(' ')).startsWith(Closing));
}

// The printed lines carry the same words as the screen paragraphs, in both layouts.
void TestWhatIs::sheetSaysWhatTheScreenSays()
{
    const QStringList items = info::WhatIsScreenText().split(QStringLiteral("\n\n"));
    const QStringList paragraphs = {items[1], items[2], items[3], items[4], items[5], items[7], items[8]};
    const QString screenWords = paragraphs.join(QLatin1Char(' ')).simplified();
    for (WhatIsLayout layout : {WhatIsLayout::Character, WhatIsLayout::Page}) {
        const info::WhatIsSheetText &sheet = info::WhatIsSheet(layout);
        QStringList lines;
        for (const QStringList &block : sheet.body + sheet.triple)
            lines << block;
        QCOMPARE(lines.join(QLatin1Char(' ')).simplified(), screenWords);
    }
}

void TestWhatIs::printedBlockLines_data()
{
    QTest::addColumn<WhatIsLayout>("layout");
    QTest::addColumn<QString>("firstWords");
    QTest::addColumn<int>("lines");
    const WhatIsLayout c = WhatIsLayout::Character;
    const WhatIsLayout p = WhatIsLayout::Page;
    QTest::newRow("character heading 1") << c << "**** WHAT IS A BIORHYTHM? ****" << 1;
    QTest::newRow("character introduction") << c << "A biorhythm is a cyclical pattern" << 3;
    QTest::newRow("character physical") << c << "The (P)hysical cycle begins every 23 days" << 7;
    QTest::newRow("character emotional") << c << "The (E)motional cycle begins every 28 days" << 6;
    QTest::newRow("character intellectual") << c << "Our (I)ntellectual cycle begins every 33 days" << 6;
    QTest::newRow("character magnitudes") << c << "The magnitudes of the cycles have no significance" << 6;
    QTest::newRow("character heading 2") << c << "**** TRIPLE HIGH & TRIPLE LOW DAYS ****" << 1;
    QTest::newRow("character triple high and low") << c << "TRIPLE HIGH DAYS occur within the area" << 8;
    QTest::newRow("character closing") << c << Closing << 3;
    QTest::newRow("page heading 1") << p << "**** WHAT IS A BIORHYTHM? ****" << 1;
    QTest::newRow("page introduction") << p << "A biorhythm is a cyclical pattern" << 3;
    QTest::newRow("page physical") << p << "The (P)hysical cycle begins every 23 days" << 6;
    QTest::newRow("page emotional") << p << "The (E)motional cycle begins every 28 days" << 5;
    QTest::newRow("page intellectual") << p << "Our (I)ntellectual cycle begins every 33 days" << 5;
    QTest::newRow("page magnitudes") << p << "The magnitudes of the cycles have no significance" << 6;
    QTest::newRow("page heading 2") << p << "**** TRIPLE HIGH & TRIPLE LOW DAYS ****" << 1;
    QTest::newRow("page triple high") << p << "TRIPLE HIGH DAYS occur within the area" << 5;
    QTest::newRow("page triple low") << p << "TRIPLE LOW DAYS happen" << 3;
    QTest::newRow("page closing") << p << Closing << 2;
}

void TestWhatIs::printedBlockLines()
{
    QFETCH(WhatIsLayout, layout);
    QFETCH(QString, firstWords);
    QFETCH(int, lines);
    const QStringList printed = PrintedLines(layout, FullHeading);
    QCOMPARE(BlockOf(printed, firstWords).size(), lines);
}

void TestWhatIs::printedSheetMatchesGolden_data()
{
    QTest::addColumn<WhatIsLayout>("layout");
    QTest::addColumn<QString>("golden");
    QTest::newRow("character layout") << WhatIsLayout::Character << "whatis-character.txt";
    QTest::newRow("page layout") << WhatIsLayout::Page << "whatis-page.txt";
}

void TestWhatIs::printedSheetMatchesGolden()
{
    QFETCH(WhatIsLayout, layout);
    QFETCH(QString, golden);
    print::TextPrintDevice device;
    info::PrintWhatIs(device, layout, QStringLiteral("Arial"), FullHeading);
    QCOMPARE(device.pages().size(), 1);
    QCOMPARE(device.text(), Golden(golden));
}

void TestWhatIs::characterLinesFitEightyColumns()
{
    const QStringList printed = PrintedLines(WhatIsLayout::Character, FullHeading);
    for (const QString &line : printed) {
        QVERIFY2(line.size() <= 80, qPrintable(line));
        QVERIFY2(line.isEmpty() || line.startsWith(QLatin1String("   ")), qPrintable(line));
    }
    QCOMPARE(printed.value(3).indexOf(QLatin1Char('*')), 24);
}

void TestWhatIs::headingLinesAtFoot_data()
{
    QTest::addColumn<WhatIsLayout>("layout");
    QTest::addColumn<QStringList>("heading");
    QTest::addColumn<QStringList>("foot");
    const QStringList lines{"Your Name", "123 Any Street", "Anytown, ST 00000", "you@example.com"};
    QTest::newRow("character, all four") << WhatIsLayout::Character << lines << lines;
    QTest::newRow("page, all four") << WhatIsLayout::Page << lines << lines;
    QTest::newRow("line 1 empty, none printed")
        << WhatIsLayout::Character << QStringList{"", "a", "b", "c"} << QStringList{};
    QTest::newRow("page, line 1 empty")
        << WhatIsLayout::Page << QStringList{"", "a", "b", "c"} << QStringList{};
    QTest::newRow("empty line 2 left out")
        << WhatIsLayout::Character << QStringList{"one", "", "three", ""} << QStringList{"one", "three"};
}

void TestWhatIs::headingLinesAtFoot()
{
    QFETCH(WhatIsLayout, layout);
    QFETCH(QStringList, heading);
    QFETCH(QStringList, foot);
    const QStringList printed = PrintedLines(layout, {heading[0], heading[1], heading[2], heading[3]});
    const QStringList closing = BlockOf(printed, Closing);
    // Past the closing statement and the empty line after it.
    const QStringList after = printed.mid(printed.indexOf(closing.constFirst()) + closing.size() + 1);
    QStringList trimmed;
    for (const QString &line : after)
        trimmed << line.trimmed();
    QCOMPARE(trimmed, foot);
    if (layout == WhatIsLayout::Character) {
        for (const QString &line : after)
            QVERIFY(line.startsWith(QLatin1String("   ")) && !line.startsWith(QLatin1String("    ")));
    } else if (!after.isEmpty()) {
        // Centred on the 80-column page of the text device.
        const QString &first = after.first();
        QCOMPARE(first.indexOf(first.trimmed()), qsizetype(qRound((80 - first.trimmed().size()) / 2.0)));
    }
}

void TestWhatIs::layoutChoice_data()
{
    QTest::addColumn<chart::PrinterType>("printer");
    QTest::addColumn<QString>("font");
    QTest::addColumn<WhatIsLayout>("layout");
    QTest::newRow("dot-matrix, Arial") << chart::PrinterType::Matrix << "Arial" << WhatIsLayout::Character;
    QTest::newRow("laser, Courier") << chart::PrinterType::Laser << "Courier" << WhatIsLayout::Character;
    QTest::newRow("laser, Arial") << chart::PrinterType::Laser << "Arial" << WhatIsLayout::Page;
    QTest::newRow("laser, Times") << chart::PrinterType::Laser << "Times" << WhatIsLayout::Page;
    QTest::newRow("laser, courier in lower case")
        << chart::PrinterType::Laser << "courier" << WhatIsLayout::Page;
    QTest::newRow("laser, Courier New") << chart::PrinterType::Laser << "Courier New" << WhatIsLayout::Page;
}

void TestWhatIs::layoutChoice()
{
    QFETCH(chart::PrinterType, printer);
    QFETCH(QString, font);
    QFETCH(WhatIsLayout, layout);
    QCOMPARE(info::WhatIsLayoutFor(printer, font), layout);
}

void TestWhatIs::fontAndDocument_data()
{
    QTest::addColumn<chart::PrinterType>("printer");
    QTest::addColumn<QString>("font");
    QTest::addColumn<QStringList>("start");
    const QStringList matrix{"endline", "endline", "endline", "font Courier", "size 12", "bold 0", "tab 25"};
    QTest::newRow("dot-matrix with Times prints Courier") << chart::PrinterType::Matrix << "Times" << matrix;
    QTest::newRow("laser with Courier prints character layout")
        << chart::PrinterType::Laser << "Courier" << matrix;
    QTest::newRow("laser with Times")
        << chart::PrinterType::Laser << "Times"
        << QStringList{"endline", "endline", "endline", "font Times", "size 12", "bold 0"};
}

void TestWhatIs::fontAndDocument()
{
    QFETCH(chart::PrinterType, printer);
    QFETCH(QString, font);
    QFETCH(QStringList, start);
    chart::ChartFields fields;
    fields.preferences.printer = printer;
    fields.preferences.font = font;
    print::RecordingPrintDevice device;
    info::CmdPrtWhat_Click(device, fields);
    QCOMPARE(device.log().mid(0, start.size()), start);
    QCOMPARE(device.log().last(), QStringLiteral("enddoc"));
    QCOMPARE(device.log().count(QStringLiteral("enddoc")), 1);
    QVERIFY(!device.log().contains(QStringLiteral("newpage")));
}

void TestWhatIs::failedPrinterIsAbandoned()
{
    print::RecordingPrintDevice device;
    device.failAt(10, QStringLiteral("The printer is out of paper."));
    info::PrintWhatIs(device, WhatIsLayout::Page, QStringLiteral("Arial"), FullHeading);
    QVERIFY(!device.ok());
    QVERIFY(!device.log().contains(QStringLiteral("enddoc")));
    QCOMPARE(device.log().last(), QStringLiteral("abort"));
    QCOMPARE(device.errorText(), QStringLiteral("The printer is out of paper."));
}

void TestWhatIs::panelShowsTextAndSignals()
{
    QWidget host;
    host.resize(800, 600);
    auto *panel = new WhatIsPanel(&host);
    host.show();
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->objectName(), QStringLiteral("FrameWhatIs"));
    QCOMPARE(panel->CmdPrtWhat->text(), QStringLiteral("Print"));
    QCOMPARE(panel->cmdCloseWhatIs->text(), QStringLiteral("Close"));
    QVERIFY(panel->Text22->isReadOnly());
    QCOMPARE(panel->Text22->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    panel->placeIn(host.size(), 14);
    panel->open();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->Text22->toPlainText(), info::WhatIsScreenText());
    QCOMPARE(panel->Text22->font().pointSizeF(), 14.0);
    QCOMPARE(panel->geometry(), QRect(80, 60, 640, 480));

    QSignalSpy printed(panel, &WhatIsPanel::printRequested);
    QSignalSpy closed(panel, &WhatIsPanel::closed);
    QTest::mouseClick(panel->CmdPrtWhat, Qt::LeftButton);
    QCOMPARE(printed.size(), 1);
    QVERIFY(panel->isVisible());
    QTest::mouseClick(panel->cmdCloseWhatIs, Qt::LeftButton);
    QCOMPARE(closed.size(), 1);
    QVERIFY(!panel->isVisible());
}

void TestWhatIs::panelGeometry()
{
    const info::WhatIsGeometry g = info::WhatIsPanelGeometry(QSize(1000, 700), QSize(80, 30));
    QCOMPARE(g.panel, QRect(100, 70, 800, 560));
    QCOMPARE(g.print, QRect(180, 70, 80, 30));
    QCOMPARE(g.close, QRect(268, 70, 80, 30));
    QCOMPARE(g.text, QRect(20, 100, 760, 448));
    // A button too tall for the panel's rule: the box is cut at the panel's bottom edge.
    const info::WhatIsGeometry tall = info::WhatIsPanelGeometry(QSize(1000, 700), QSize(80, 200));
    QCOMPARE(tall.text.bottom(), tall.panel.height() - 1);
}

QTEST_MAIN(TestWhatIs)
#include "tst_whatis.moc"
