#include "chart/chartplan.h"
#include "chart/screenchart.h"
#include "print/printchart.h"
#include "print/recordingprintdevice.h"
#include "print/textprintdevice.h"
#include "printfixture.h"
#include "support/recordingalerts.h"

#include <QFile>
#include <QTest>

using chart::PrinterType;
using chart::Spacing;
using print::PrintOutcome;

Q_DECLARE_METATYPE(chart::ChartFields)

namespace {

struct TextRun
{
    PrintOutcome outcome;
    QList<QStringList> pages;
};

TextRun PrintOnText(const chart::ChartFields &fields)
{
    print::TextPrintDevice device;
    RecordingAlerts alerts;
    const PrintOutcome outcome = print::PrintChart(fields, Today, device, alerts);
    return {outcome, device.pages()};
}

QString Dashes()
{
    return QString(80, QLatin1Char('-'));
}

} // namespace

class TestPrintChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusesBadFields_data();
    void refusesBadFields();
    void paginates_data();
    void paginates();
    void title_data();
    void title();
    void pageLayoutTitlePositions();
    void markerOrder_data();
    void markerOrder();
    void colours_data();
    void colours();
    void gridLetters_data();
    void gridLetters();
    void specialDayLines_data();
    void specialDayLines();
    void forecastPageFoot_data();
    void forecastPageFoot();
    void spacingLines_data();
    void spacingLines();
    void sameDaysAsScreen_data();
    void sameDaysAsScreen();
    void overflowedStartDate();
    void wholeChartMatchesGolden();
    void cancelAbandonsDocument();
    void printerFailureAbandonsDocument();
};

void TestPrintChart::refusesBadFields_data()
{
    QTest::addColumn<chart::ChartFields>("fields");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    const QString lines = QStringLiteral("Lines Per Page is zero or a minus number!");
    const QString linesTitle = QStringLiteral("LINES PER PAGE INCORRECT!");
    const auto with = [](auto change) {
        chart::ChartFields f = WorkedFields();
        change(f);
        return f;
    };
    for (const char *value : {"0", "09", "-5", "", " 40"})
        QTest::addRow("lines per page \"%s\"", value) << with([value](chart::ChartFields &f) {
            f.preferences.linesPerPage = QString::fromLatin1(value);
        }) << linesTitle << lines;
    QTest::newRow("no name") << with([](chart::ChartFields &f) { f.name.clear(); })
                             << QStringLiteral("NO NAME ENTERED!")
                             << QStringLiteral("There is no Name selected to use on chart!");
    QTest::newRow("no birthdate") << with([](chart::ChartFields &f) { f.person.birth.clear(); })
                                  << QStringLiteral("NO BIRTHDATE ENTERED!")
                                  << QStringLiteral("There is no Birthdate selected to use on chart!");
    QTest::newRow("birthdate without dashes")
        << with([](chart::ChartFields &f) { f.person.birth = QStringLiteral("5-20-1990"); })
        << QStringLiteral("DATE ERROR!")
        << QStringLiteral(
               "Input error in Birthdate! The Date must include the dash (-) after the month, and after "
               "the day! Format must be MM-DD-YYYY.");
    QTest::newRow("month 13") << with([](chart::ChartFields &f) {
        f.person.birth = QStringLiteral("13-01-1990");
    }) << QStringLiteral("DATE ERROR!")
                              << QStringLiteral(
                                     "Input error in Birthdate! The Month must be a number from 01 to 12");
    QTest::newRow("day 32") << with([](chart::ChartFields &f) {
        f.person.birth = QStringLiteral("02-32-1990");
    }) << QStringLiteral("DATE ERROR!")
                            << QStringLiteral(
                                   "Input error in Birthdate! The Day must be a number from 01 to 31");
    QTest::newRow("year 1499")
        << with([](chart::ChartFields &f) { f.person.birth = QStringLiteral("02-01-1499"); })
        << QStringLiteral("DATE ERROR!")
        << QStringLiteral("Input error in Birthdate! The Year must be a number from 1500 to 2099");
    QTest::newRow("start of 9 characters")
        << with([](chart::ChartFields &f) { f.person.start = QStringLiteral("05-20-202"); })
        << QStringLiteral("NO CHART STARTING DATE INDICATED!")
        << QStringLiteral("There is no correct date to indicate chart starting date!");
    QTest::newRow("no length") << with([](chart::ChartFields &f) { f.person.length.clear(); })
                               << QStringLiteral("NO LENGTH OF CHART INDICATED!")
                               << QStringLiteral("There is no number to indicate length of chart desired!");
}

void TestPrintChart::refusesBadFields()
{
    QFETCH(chart::ChartFields, fields);
    QFETCH(QString, title);
    QFETCH(QString, text);
    for (const PrinterType printer : {PrinterType::Matrix, PrinterType::Laser}) {
        fields.preferences.printer = printer;
        print::RecordingPrintDevice device;
        RecordingAlerts alerts;
        QCOMPARE(print::PrintChart(fields, Today, device, alerts), PrintOutcome::Refused);
        QCOMPARE(alerts.messages(), (QList<RecordingAlerts::Message>{{true, title, text}}));
        QVERIFY2(device.log().isEmpty(), qPrintable(device.log().join(QLatin1Char('\n'))));
    }
}

void TestPrintChart::paginates_data()
{
    QTest::addColumn<QString>("linesPerPage");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QList<int>>("dayLinesPerPage");

    QTest::newRow("50 lines, one short page") << "50"
                                              << "41" << QList<int>{41};
    QTest::newRow("50 lines, the last page only a header") << "50"
                                                           << "42" << QList<int>{42, 0};
    QTest::newRow("50 lines, 42 day lines a page") << "50"
                                                   << "100" << QList<int>{42, 42, 16};
    QTest::newRow("5 lines, a page after every day") << "5"
                                                     << "3" << QList<int>{1, 1, 1, 0};
    QTest::newRow("8 lines, a page after every day") << "8"
                                                     << "2" << QList<int>{1, 1, 0};
    QTest::newRow("9 lines, one day a page") << "9"
                                             << "2" << QList<int>{1, 1, 0};
    QTest::newRow("10 lines, two days a page") << "10"
                                               << "3" << QList<int>{2, 1};
    QTest::newRow("a letter counts 0") << "x"
                                       << "2" << QList<int>{1, 1, 0};
    QTest::newRow("length 0, only the header") << "50"
                                               << "0" << QList<int>{0};
    QTest::newRow("length that is no number") << "50"
                                              << "abc" << QList<int>{0};
}

void TestPrintChart::paginates()
{
    QFETCH(QString, linesPerPage);
    QFETCH(QString, length);
    QFETCH(QList<int>, dayLinesPerPage);

    for (const PrinterType printer : {PrinterType::Matrix, PrinterType::Laser}) {
        chart::ChartFields fields = WorkedFields(printer);
        fields.preferences.linesPerPage = linesPerPage;
        fields.person.length = length;
        const TextRun run = PrintOnText(fields);
        QCOMPARE(run.outcome, PrintOutcome::Printed);
        QList<int> counted;
        for (const QStringList &page : run.pages) {
            counted.append(int(DayLines(page).size()));
            // Every page starts with its header: three empty lines, the title, an empty line,
            // the column headings and an empty line.
            QVERIFY(page.size() >= 7);
            QCOMPARE(page.mid(0, 3), QStringList(3));
            QVERIFY2(page[3].trimmed().startsWith(QStringLiteral("PAGE # %1 - ").arg(counted.size())),
                     qPrintable(page[3]));
            QVERIFY(page[6].isEmpty());
        }
        QCOMPARE(counted, dayLinesPerPage);
        QCOMPARE(run.pages.last().size(), 7 + dayLinesPerPage.last());
    }
}

void TestPrintChart::title_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dateEachPage");
    QTest::addColumn<QStringList>("titleLines");

    const QString date = QStringLiteral("DATE PREPARED: 06-01-2025");
    QTest::newRow("without the date")
        << "Your Name" << false << QStringList{QStringLiteral("PAGE # 1 - YOUR NAME - 05-20-1990")};
    QTest::newRow("with the date at column 56")
        << "Your Name" << true
        << QStringList{QStringLiteral("PAGE # 1 - YOUR NAME - 05-20-1990").leftJustified(55) + date};
    const QString name31(31, QLatin1Char('n'));
    QTest::newRow("title ending at column 55 keeps the date on its line")
        << name31 << true
        << QStringList{QStringLiteral("PAGE # 1 - %1 - 05-20-1990").arg(name31.toUpper()) + date};
    const QString name32(32, QLatin1Char('n'));
    QTest::newRow("long name pushes the date to the next line")
        << name32 << true
        << QStringList{QStringLiteral("PAGE # 1 - %1 - 05-20-1990").arg(name32.toUpper()),
                       QString(55, ' ') + date};
}

void TestPrintChart::title()
{
    QFETCH(QString, name);
    QFETCH(bool, dateEachPage);
    QFETCH(QStringList, titleLines);

    chart::ChartFields fields = WorkedFields(PrinterType::Matrix);
    fields.name = name;
    fields.preferences.dateEachPage = dateEachPage;
    fields.person.length = QStringLiteral("42");
    const TextRun run = PrintOnText(fields);
    const QStringList &page = run.pages.first();
    QCOMPARE(page.mid(3, titleLines.size()), titleLines);
    QCOMPARE(page[3 + titleLines.size() + 1],
             QStringLiteral("     DATE                      (-)                (0)                (+)"));
    // A title pushed onto two lines is not counted: the page still holds 42 days.
    QCOMPARE(DayLines(page).size(), 42);
    QCOMPARE(run.pages.size(), 2);
}

void TestPrintChart::pageLayoutTitlePositions()
{
    chart::ChartFields fields = WorkedFields(PrinterType::Laser);
    fields.name = QString(60, QLatin1Char('n'));
    fields.preferences.dateEachPage = true;
    fields.person.length = QStringLiteral("0");
    print::RecordingPrintDevice device;
    RecordingAlerts alerts;
    QCOMPARE(print::PrintChart(fields, Today, device, alerts), PrintOutcome::Printed);
    const QStringList expected = {
        "endline", "endline", "endline", "x 144", "print \"PAGE #\";", "print \" 1 \";", "print \"- \";",
        "print \"" + fields.name.toUpper() + "\";", "print \" - \";", "print \"05-20-1990\";",
        // over the end of the long title
        "x 8064", "print \"DATE PREPARED: \";", "print \"06-01-2025\";", "endline", "endline", "x 1008",
        "print \"DATE\";", "x 4608", "print \"(-)\";", "x 7344", "print \"(0)\";", "x 10080",
        "print \"(+)\";", "endline", "endline", "enddoc"};
    QCOMPARE(device.log(), expected);
}

void TestPrintChart::markerOrder_data()
{
    QTest::addColumn<int>("printer");
    QTest::addColumn<QString>("markers");

    QTest::newRow("character layout: the screen's order") << int(PrinterType::Matrix) << "I+ P- ";
    QTest::newRow("page layout: P before I") << int(PrinterType::Laser) << "P- I+ ";
}

void TestPrintChart::markerOrder()
{
    QFETCH(int, printer);
    QFETCH(QString, markers);

    const int dayCount = DayCountWhere([](int p, int, int i) { return p == 52 && i == 50; });
    QVERIFY(dayCount >= 0);
    print::RecordingPrintDevice device;
    RecordingAlerts alerts;
    QCOMPARE(print::PrintChart(FieldsStartingAt(dayCount, PrinterType(printer)), Today, device, alerts),
             PrintOutcome::Printed);
    static const QRegularExpression marker(QStringLiteral("^print \"([EPI][-+*] )\";$"));
    QString printed;
    for (const QString &op : device.log()) {
        if (const auto match = marker.match(op); match.hasMatch())
            printed += match.captured(1);
    }
    QCOMPARE(printed, markers);
}

void TestPrintChart::colours_data()
{
    QTest::addColumn<bool>("color");
    QTest::addColumn<QStringList>("used");

    QTest::newRow("in colour") << true
                               << QStringList{"000000", "000080", "008000", "008080", "800000", "800080"};
    QTest::newRow("black only") << false << QStringList{"000000"};
}

void TestPrintChart::colours()
{
    QFETCH(bool, color);
    QFETCH(QStringList, used);

    // Thirteen weeks from a Friday the 13th through New Year with a birthday on it: every colour.
    chart::ChartFields fields = WorkedFields(PrinterType::Matrix);
    fields.person.birth = QStringLiteral("01-01-1990");
    fields.person.start = QStringLiteral("12-13-2024");
    fields.person.ageDays =
        QString::number(calendar::AgeInDays(fields.person.birth, fields.person.start).value_or(0));
    fields.person.length = QStringLiteral("91");
    fields.preferences.holidays = true;
    fields.preferences.color = color;
    print::RecordingPrintDevice device;
    RecordingAlerts alerts;
    QCOMPARE(print::PrintChart(fields, Today, device, alerts), PrintOutcome::Printed);

    QStringList seen;
    for (const QString &op : device.log()) {
        if (op.startsWith(QLatin1String("color ")) && !seen.contains(op.mid(6)))
            seen.append(op.mid(6));
    }
    seen.sort();
    QCOMPARE(seen, used);
    if (color) {
        const qsizetype e = device.log().indexOf(QStringLiteral("print \"E\";"));
        QCOMPARE(device.log().value(e - 1), QStringLiteral("color 000080"));
        QCOMPARE(device.log().value(e + 1), QStringLiteral("color 000000"));
        const qsizetype friday =
            device.log().indexOf(QStringLiteral("print \"** BEWARE??? FRIDAY THE THIRTEENTH **\""));
        QCOMPARE(device.log().mid(friday - 2, 2), (QStringList{"color 008080", "tab 34"}));
        const qsizetype merry = device.log().indexOf(QStringLiteral("print \"**** MERRY CHRISTMAS ****\""));
        QCOMPARE(device.log().value(merry - 2), QStringLiteral("color 008000"));
    }

    // Colour changes nothing on the page.
    fields.preferences.color = !color;
    QCOMPARE(PrintOnText(fields).pages, device.text().pages());
}

void TestPrintChart::gridLetters_data()
{
    QTest::addColumn<int>("dayCount");
    QTest::addColumn<QString>("grid");

    const int pe =
        DayCountWhere([](int p, int e, int i) { return p == e && p != 50 && i != p && i != p + 1; });
    const chart::ChartDay peDay = chart::WithPositions(chart::ChartDay{double(pe), 1, 0, 1, 2000, 0, 0, 0});
    QString expected(80, QLatin1Char(' '));
    expected.replace(peDay.p + 1, 2, QStringLiteral("EP"));
    if (peDay.i != peDay.p && peDay.i != peDay.p + 1)
        expected[peDay.i + 1] = QLatin1Char('I');
    if (peDay.p != 50 && peDay.i != 50 && peDay.p + 1 != 50)
        expected[51] = QLatin1Char('|');
    QTest::newRow("P and E on one value") << pe << expected.trimmed();
    QTest::newRow("the birth day: EPI over the centre line") << 0 << QStringLiteral("EPI");
}

void TestPrintChart::gridLetters()
{
    QFETCH(int, dayCount);
    QFETCH(QString, grid);

    const TextRun run = PrintOnText(FieldsStartingAt(dayCount, PrinterType::Matrix));
    const QString line = DayLines(run.pages.first()).value(0);
    QCOMPARE(line.mid(27).trimmed(), grid);
    if (dayCount == 0) {
        QCOMPARE(line.mid(18, 9), QStringLiteral("E* P+ I+ "));
        QCOMPARE(line.indexOf(QLatin1String("EPI")), 51); // columns 52 to 54
    }
}

void TestPrintChart::specialDayLines_data()
{
    QTest::addColumn<int>("printer");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("character layout columns")
        << int(PrinterType::Matrix)
        << QStringList{QString(39, ' ') + "**** HAPPY NEW YEAR ****",
                       QString(40, ' ') + "** HAPPY 35TH BIRTHDAY **", "WED  JAN  1  2025"};
    // The page layout places them at 41u, 41u: a column further right on the grid.
    QTest::newRow("page layout positions")
        << int(PrinterType::Laser)
        << QStringList{QString(41, ' ') + "**** HAPPY NEW YEAR ****",
                       QString(41, ' ') + "** HAPPY 35TH BIRTHDAY **", " WED  JAN   1  2025"};
}

void TestPrintChart::specialDayLines()
{
    QFETCH(int, printer);
    QFETCH(QStringList, lines);

    chart::ChartFields fields = WorkedFields(PrinterType(printer));
    fields.person.birth = QStringLiteral("01-01-1990");
    fields.person.start = QStringLiteral("01-01-2025");
    fields.person.ageDays =
        QString::number(calendar::AgeInDays(fields.person.birth, fields.person.start).value_or(0));
    fields.person.length = QStringLiteral("1");
    fields.preferences.holidays = true;
    const TextRun run = PrintOnText(fields);
    QCOMPARE(run.pages.size(), 1);
    QCOMPARE(run.pages.first().mid(7, 2), lines.mid(0, 2));
    QVERIFY(run.pages.first().value(9).startsWith(lines[2]));

    fields.preferences.holidays = false;
    QCOMPARE(DayLines(PrintOnText(fields).pages.first()).size(), 1);
    QCOMPARE(PrintOnText(fields).pages.first().size(), 8);
}

void TestPrintChart::forecastPageFoot_data()
{
    QTest::addColumn<int>("printer");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<bool>("foot");

    QTest::newRow("dot-matrix, lines: dashed foot")
        << int(PrinterType::Matrix) << int(Spacing::WithLines) << true;
    QTest::newRow("page printer, lines: dashed foot")
        << int(PrinterType::Laser) << int(Spacing::WithLines) << true;
    QTest::newRow("double space: no foot") << int(PrinterType::Matrix) << int(Spacing::Double) << false;
}

void TestPrintChart::forecastPageFoot()
{
    QFETCH(int, printer);
    QFETCH(int, spacing);
    QFETCH(bool, foot);

    // Header 8, day line 9, forecast 10 to 12: the page is full after the first day's second
    // forecast sentence.
    chart::ChartFields fields = WorkedFields(PrinterType(printer));
    fields.preferences.forecast = true;
    fields.preferences.spacing = Spacing(spacing);
    fields.preferences.linesPerPage = QStringLiteral("11");
    fields.person.length = QStringLiteral("1");
    const TextRun run = PrintOnText(fields);
    const QStringList &first = run.pages.first();
    const QString dashes = PrinterType(printer) == PrinterType::Matrix ? Dashes() : ' ' + Dashes();
    QCOMPARE(first.mid(8, 3),
             (QStringList{QString(), "Your emotions may seem drained. Turn thoughts elsewhere.",
                          "You may not have much physical initiative today."}));
    QCOMPARE(first.size(), foot ? 12 : 11);
    if (foot)
        QCOMPARE(first.last(), dashes);
    // The next page: its header, then the sentence after an empty line.
    const QStringList &second = run.pages.value(1);
    QCOMPARE(second.mid(7, 2),
             (QStringList{QString(), "You should feel confident on your decisions today."}));
}

void TestPrintChart::spacingLines_data()
{
    QTest::addColumn<int>("spacing");
    QTest::addColumn<bool>("forecast");
    QTest::addColumn<QStringList>("afterDay");

    const QStringList forecast = {QString(), "Your emotions may seem drained. Turn thoughts elsewhere.",
                                  "You may not have much physical initiative today.",
                                  "You should feel confident on your decisions today."};
    QTest::newRow("single") << int(Spacing::Single) << false << QStringList{};
    QTest::newRow("double: a line holding a space") << int(Spacing::Double) << false << QStringList{" "};
    QTest::newRow("lines: 80 dashes") << int(Spacing::WithLines) << false << QStringList{Dashes()};
    QTest::newRow("forecast, then the dashes")
        << int(Spacing::WithLines) << true << forecast + QStringList{Dashes()};
    QTest::newRow("forecast and single") << int(Spacing::Single) << true << forecast;
}

void TestPrintChart::spacingLines()
{
    QFETCH(int, spacing);
    QFETCH(bool, forecast);
    QFETCH(QStringList, afterDay);

    chart::ChartFields fields = WorkedFields(PrinterType::Matrix);
    fields.preferences.spacing = Spacing(spacing);
    fields.preferences.forecast = forecast;
    fields.person.length = QStringLiteral("2");
    const QStringList page = PrintOnText(fields).pages.first();
    QVERIFY(page[7].startsWith(QLatin1String("TUE  MAY 20  2025 ")));
    QCOMPARE(page.mid(8, afterDay.size()), afterDay);
    QVERIFY(page.value(8 + afterDay.size()).startsWith(QLatin1String("WED  MAY 21  2025 ")));
}

void TestPrintChart::sameDaysAsScreen_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("start");

    QTest::newRow("day count one short of the weekday of birth") << "03-15-1963"
                                                                 << "01-01-2025";
    QTest::newRow("day count already on the weekday of birth") << "05-20-1990"
                                                               << "05-20-2025";
    QTest::newRow("leap-day birth, across a year end") << "02-29-1960"
                                                       << "12-20-2024";
    QTest::newRow("born in the 1800s, across a leap day") << "07-04-1876"
                                                          << "02-10-2000";
}

// The same person and days carry the same date, markers and letters on the screen and on
// either printer; the page layout stands one column further right on the text grid.
void TestPrintChart::sameDaysAsScreen()
{
    QFETCH(QString, birth);
    QFETCH(QString, start);

    chart::ChartFields fields = WorkedFields(PrinterType::Matrix);
    fields.person.birth = birth;
    fields.person.start = start;
    const auto parts = calendar::ParseDateText(birth);
    QVERIFY(parts);
    fields.person.weekday = calendar::WeekdayOf(parts->month, parts->day, parts->year);
    fields.person.ageDays = QString::number(calendar::AgeInDays(birth, start).value_or(0));
    fields.person.length = QStringLiteral("45");
    fields.preferences.linesPerPage = QStringLiteral("99");
    const auto plan = chart::PlanChart(fields, chart::Correction::Apply);
    QVERIFY(plan);

    // Date, markers in a fixed order and the grid from position 28, from lines whose markers
    // start at 0-based column `markers` and whose grid starts at `grid`.
    const auto facts = [](const QStringList &lines, int markers, int grid) {
        QStringList out;
        for (const QString &line : lines) {
            QStringList marks = line.mid(markers, grid - markers).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            marks.sort();
            QString letters = line.mid(grid);
            while (letters.endsWith(QLatin1Char(' ')))
                letters.chop(1);
            out.append(line.left(markers).simplified() + QLatin1Char('/') + marks.join(QLatin1Char(' ')) +
                       QLatin1Char('/') + letters);
        }
        return out;
    };
    const QStringList screen =
        facts(DayLines(chart::ScreenChartText(*plan).split(QLatin1Char('\n'))), 18, 29);
    QCOMPARE(screen.size(), 45);
    for (const PrinterType printer : {PrinterType::Matrix, PrinterType::Laser}) {
        fields.preferences.printer = printer;
        const TextRun run = PrintOnText(fields);
        QCOMPARE(run.outcome, PrintOutcome::Printed);
        const bool matrix = printer == PrinterType::Matrix;
        QCOMPARE(facts(DayLines(run.pages.value(0)), matrix ? 18 : 20, matrix ? 29 : 30), screen);
    }
}

void TestPrintChart::overflowedStartDate()
{
    chart::ChartFields fields = WorkedFields(PrinterType::Matrix);
    fields.person.start = QStringLiteral("02-31-2025");
    fields.person.length = QStringLiteral("2");
    const QStringList days = DayLines(PrintOnText(fields).pages.first());
    QCOMPARE(days.size(), 2);
    QVERIFY2(days[0].startsWith(QLatin1String("SAT  MAR  1  2025 ")), qPrintable(days[0]));
    QVERIFY2(days[1].startsWith(QLatin1String("SUN  MAR  2  2025 ")), qPrintable(days[1]));
}

void TestPrintChart::wholeChartMatchesGolden()
{
    chart::ChartFields fields = WorkedFields(PrinterType::Matrix);
    fields.person.length = QStringLiteral("30");
    fields.preferences.linesPerPage = QStringLiteral("50");
    fields.preferences.holidays = true;
    fields.preferences.forecast = true;
    fields.preferences.dateEachPage = true;
    fields.preferences.spacing = Spacing::WithLines;
    print::TextPrintDevice device;
    RecordingAlerts alerts;
    QCOMPARE(print::PrintChart(fields, Today, device, alerts), PrintOutcome::Printed);

    QFile golden(QStringLiteral(TIDEMARK_TEST_DATA "/print/chart-matrix-30-days.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(device.text(), QString::fromUtf8(golden.readAll()));
}

void TestPrintChart::cancelAbandonsDocument()
{
    chart::ChartFields fields = WorkedFields(PrinterType::Matrix);
    fields.person.length = QStringLiteral("100");
    print::RecordingPrintDevice device;
    RecordingAlerts alerts;
    QList<qint64> seen;
    const auto progress = [&seen](qint64 done, qint64 total) {
        seen.append(done);
        return !(done == 3 && total == 100);
    };
    QCOMPARE(print::PrintChart(fields, Today, device, alerts, progress), PrintOutcome::Cancelled);
    QCOMPARE(seen, (QList<qint64>{1, 2, 3}));
    QCOMPARE(device.log().last(), QStringLiteral("abort"));
    QVERIFY(!device.log().contains(QStringLiteral("enddoc")));
    QVERIFY(device.text().pages().isEmpty());
}

void TestPrintChart::printerFailureAbandonsDocument()
{
    chart::ChartFields fields = WorkedFields(PrinterType::Laser);
    fields.person.length = QStringLiteral("100");
    print::RecordingPrintDevice device;
    device.failAt(500, QStringLiteral("The printer \"Office\" is out of paper."));
    RecordingAlerts alerts;
    QCOMPARE(print::PrintChart(fields, Today, device, alerts), PrintOutcome::Failed);
    QVERIFY(device.log().value(500).startsWith(QLatin1String("FAILED ")));
    QCOMPARE(device.log().size(), 502);
    QCOMPARE(device.log().last(), QStringLiteral("abort"));
    QCOMPARE(device.errorText(), QStringLiteral("The printer \"Office\" is out of paper."));
    QVERIFY(alerts.messages().isEmpty());
}

QTEST_GUILESS_MAIN(TestPrintChart)
#include "tst_printchart.moc"
