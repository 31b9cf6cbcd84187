#include "print/coversheet.h"
#include "print/recordingprintdevice.h"
#include "print/textprintdevice.h"
#include "printfixture.h"
#include "support/recordingalerts.h"

#include <QFile>
#include <QTest>

using chart::PrinterType;
using print::PrintOutcome;

Q_DECLARE_METATYPE(chart::ChartFields)

namespace {

QStringList PrintOnText(const chart::ChartFields &fields)
{
    print::TextPrintDevice device;
    RecordingAlerts alerts;
    if (print::PrintCoverSheet(fields, device, alerts) != PrintOutcome::Printed)
        return {};
    return device.pages().value(0);
}

chart::ChartFields With(const std::function<void(chart::ChartFields &)> &change,
                        PrinterType printer = PrinterType::Matrix)
{
    chart::ChartFields f = WorkedFields(printer);
    change(f);
    return f;
}

} // namespace

class TestCoverSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusesBadFields_data();
    void refusesBadFields();
    void acceptsWhatItDoesNotCheck_data();
    void acceptsWhatItDoesNotCheck();
    void centredColumn_data();
    void centredColumn();
    void centresNameOnTheGrid();
    void headingLines_data();
    void headingLines();
    void pageLayoutPositions();
    void wideLineStartsAtLeftEdge();
    void characterLayoutMatchesGolden();
    void printerFailureAbandonsDocument();
};

void TestCoverSheet::refusesBadFields_data()
{
    QTest::addColumn<chart::ChartFields>("fields");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    const QString dateError = QStringLiteral("DATE ERROR!");
    const QString month =
        QStringLiteral("Input error in Birthdate! The Month must be a number from 01 to 12");
    QTest::newRow("no name") << With([](auto &f) { f.name.clear(); }) << QStringLiteral("NO NAME ENTERED!")
                             << QStringLiteral("There is no Name selected to use on Cover Sheet!");
    QTest::newRow("no birthdate") << With([](auto &f) { f.person.birth.clear(); })
                                  << QStringLiteral("NO BIRTHDATE ENTERED!")
                                  << QStringLiteral("There is no Birthdate selected to use on Cover Sheet!");
    QTest::newRow("slashes for dashes")
        << With([](auto &f) { f.person.birth = QStringLiteral("05/20/1990"); }) << dateError
        << QStringLiteral(
               "Input error in Birthdate! The Date must include the dash (-) after the month, and after "
               "the day! Format must be MM-DD-YYYY.");
    QTest::newRow("month 13") << With([](auto &f) { f.person.birth = QStringLiteral("13-01-1990"); })
                              << dateError << month;
    QTest::newRow("month 1 and a letter")
        << With([](auto &f) { f.person.birth = QStringLiteral("1a-01-1990"); }) << dateError << month;
    QTest::newRow("day 00") << With([](auto &f) {
        f.person.birth = QStringLiteral("01-00-1990");
    }) << dateError << QStringLiteral("Input error in Birthdate! The Day must be a number from 01 to 31");
    QTest::newRow("year 2100")
        << With([](auto &f) { f.person.birth = QStringLiteral("01-01-2100"); }) << dateError
        << QStringLiteral("Input error in Birthdate! The Year must be a number from 1500 to 2099");
    QTest::newRow("start of 9 characters")
        << With([](auto &f) { f.person.start = QStringLiteral("5-20-2025"); })
        << QStringLiteral("NO CHART STARTING DATE INDICATED!")
        << QStringLiteral("There is no correct date to indicate chart starting date!");
    QTest::newRow("no length") << With([](auto &f) { f.person.length.clear(); })
                               << QStringLiteral("NO LENGTH OF CHART INDICATED!")
                               << QStringLiteral("There is no number to indicate length of chart desired!");
}

void TestCoverSheet::refusesBadFields()
{
    QFETCH(chart::ChartFields, fields);
    QFETCH(QString, title);
    QFETCH(QString, text);
    for (const PrinterType printer : {PrinterType::Matrix, PrinterType::Laser}) {
        fields.preferences.printer = printer;
        print::RecordingPrintDevice device;
        RecordingAlerts alerts;
        QCOMPARE(print::PrintCoverSheet(fields, device, alerts), PrintOutcome::Refused);
        QCOMPARE(alerts.messages(), (QList<RecordingAlerts::Message>{{true, title, text}}));
        QVERIFY(device.log().isEmpty());
    }
}

void TestCoverSheet::acceptsWhatItDoesNotCheck_data()
{
    QTest::addColumn<chart::ChartFields>("fields");
    QTest::addColumn<QString>("line");

    QTest::newRow("any start date of ten characters")
        << With([](auto &f) { f.person.start = QStringLiteral("abcdefghij"); }) << "It starts at abcdefghij";
    QTest::newRow("a length of 1 has no singular")
        << With([](auto &f) { f.person.length = QStringLiteral("1"); }) << "Your chart will be for 1 days.";
    QTest::newRow("an empty weekday of birth") << With([](auto &f) { f.person.weekday.clear(); })
                                               << "Your birthdate is 05-20-1990 and occurred on a .";
    QTest::newRow("lines per page are not its business")
        << With([](auto &f) { f.preferences.linesPerPage = QStringLiteral("0"); })
        << "Your astrological sign is Taurus.";
}

void TestCoverSheet::acceptsWhatItDoesNotCheck()
{
    QFETCH(chart::ChartFields, fields);
    QFETCH(QString, line);
    const QStringList page = PrintOnText(fields);
    const QStringList found = page.filter(line);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().trimmed(), line);
}

void TestCoverSheet::centredColumn_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<int>("column");

    QTest::newRow("5 characters: 37.5 rounds to 38") << QStringList{"Alice"} << 38;
    QTest::newRow("7 characters: 36.5 rounds to 36") << QStringList{"Abigail"} << 36;
    QTest::newRow("6 characters: 37") << QStringList{"Amanda"} << 37;
    QTest::newRow("halves of the pieces add up") << QStringList{"abc", "de"} << 38;
    QTest::newRow("78 characters: column 1") << QStringList{QString(78, 'x')} << 1;
    QTest::newRow("79 characters: 0.5 rounds to 0, printed from 1") << QStringList{QString(79, 'x')} << 1;
    QTest::newRow("120 characters: from column 1") << QStringList{QString(120, 'x')} << 1;
    QTest::newRow("nothing: the centre") << QStringList{""} << 40;
}

void TestCoverSheet::centredColumn()
{
    QFETCH(QStringList, pieces);
    QFETCH(int, column);
    QCOMPARE(print::CentredColumn(pieces), column);
}

void TestCoverSheet::centresNameOnTheGrid()
{
    for (const auto &[name, column] :
         {std::pair{QStringLiteral("Alice"), 38}, std::pair{QStringLiteral("Abigail"), 36},
          std::pair{QString(78, 'x'), 1}}) {
        const QStringList page = PrintOnText(With([&name](auto &f) { f.name = name; }));
        QCOMPARE(page.value(3), QString(column - 1, ' ') + name);
    }
    // The closing "." is printed but not counted: 53 characters before it give column 14.
    const QStringList page = PrintOnText(WorkedFields());
    QCOMPARE(page.filter("Your birthdate").value(0),
             QString(13, ' ') + "Your birthdate is 05-20-1990 and occurred on a Sunday.");
    QCOMPARE(page.filter("sign").value(0), QString(23, ' ') + "Your astrological sign is Taurus.");
}

void TestCoverSheet::headingLines_data()
{
    QTest::addColumn<chart::ChartFields>("fields");
    QTest::addColumn<QStringList>("afterName");

    QTest::newRow("no lead-in, no heading: two empty lines") << With([](auto &f) {
        f.preferences.leadIn.clear();
        f.preferences.heading = {};
    }) << QStringList{"", "", "Your birthdate is 05-20-1990 and occurred on a Sunday."};
    QTest::newRow("a heading of spaces is printed") << With([](auto &f) {
        f.preferences.leadIn.clear();
        f.preferences.heading = {QString(), QStringLiteral("   "), QString(), QString()};
    }) << QStringList{"", "", "", "Your birthdate is 05-20-1990 and occurred on a Sunday."};
    QTest::newRow("lead-in then an empty line, then the heading") << With([](auto &f) {
        f.preferences.heading = {QString(), QString(), QString(), QStringLiteral("Line 4")};
    }) << QStringList{"", "This Chart Has Been Prepared Especially For You By:", "", "Line 4", ""};
}

void TestCoverSheet::headingLines()
{
    QFETCH(chart::ChartFields, fields);
    QFETCH(QStringList, afterName);
    const QStringList page = PrintOnText(fields);
    QStringList trimmed;
    for (const QString &line : page.mid(4, afterName.size()))
        trimmed.append(line.trimmed());
    QCOMPARE(trimmed, afterName);
    if (fields.preferences.heading[1] == QLatin1String("   "))
        QCOMPARE(page[5], QString(37, ' ') + "   ");
}

void TestCoverSheet::pageLayoutPositions()
{
    print::RecordingPrintDevice device;
    RecordingAlerts alerts;
    QCOMPARE(print::PrintCoverSheet(WorkedFields(PrinterType::Laser), device, alerts), PrintOutcome::Printed);
    const QStringList &log = device.log();
    // The name at 18 points, centred on the page width (80 columns of 144 twips).
    QCOMPARE(log.mid(0, 6),
             (QStringList{"endline", "endline", "endline", "size 18", "x 5112", "print \"Your Name\""}));
    QCOMPARE(log.mid(6, 2), (QStringList{"endline", "size 12"}));
    // The birth line's start is the left margin of the explanation, the legend and the disclaimer.
    const qsizetype birth = log.indexOf(QRegularExpression("print \"Your birthdate.*"));
    const double left = 5760 - 144 * 53 / 2.0;
    QCOMPARE(log[birth - 1], QStringLiteral("x %1").arg(left));
    const qsizetype explanation = log.indexOf("print \"the time when you may be most accident prone.  The\"");
    QCOMPARE(log[explanation - 1], QStringLiteral("x %1").arg(left));
    const qsizetype median = log.indexOf("print \"| = Median Line\";");
    QCOMPARE(log.mid(median - 1, 4),
             (QStringList{QStringLiteral("x %1").arg(left + 800), "print \"| = Median Line\";", "tab 65",
                          "print \"(0 Line)\""}));
    const qsizetype high = log.indexOf("print \"HIGH\";");
    QCOMPARE(log.value(high + 1), QStringLiteral("tab 63"));
    QCOMPARE(log.last(), QStringLiteral("enddoc"));
    QCOMPARE(log.filter(QRegularExpression("^(color|font|bold)")), QStringList{});
    QCOMPARE(log.filter(QRegularExpression("^size")), (QStringList{"size 18", "size 12"}));
}

void TestCoverSheet::wideLineStartsAtLeftEdge()
{
    print::RecordingPrintDevice device;
    RecordingAlerts alerts;
    const chart::ChartFields fields = With([](auto &f) { f.name = QString(100, 'W'); }, PrinterType::Laser);
    QCOMPARE(print::PrintCoverSheet(fields, device, alerts), PrintOutcome::Printed);
    QCOMPARE(device.log().mid(3, 3), (QStringList{"size 18", "x 0", "print \"" + fields.name + "\""}));
}

void TestCoverSheet::characterLayoutMatchesGolden()
{
    print::RecordingPrintDevice device;
    RecordingAlerts alerts;
    QCOMPARE(print::PrintCoverSheet(WorkedFields(PrinterType::Matrix), device, alerts),
             PrintOutcome::Printed);
    QFile golden(QStringLiteral(TIDEMARK_TEST_DATA "/print/coversheet-matrix.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(device.text().text(), QString::fromUtf8(golden.readAll()));
    QCOMPARE(device.text().pages().size(), 1);
    // The character layout keeps the caller's font and size.
    QCOMPARE(device.log().filter(QRegularExpression("^(size|font|bold|color)")), QStringList{});
}

void TestCoverSheet::printerFailureAbandonsDocument()
{
    print::RecordingPrintDevice device;
    device.failAt(10, QStringLiteral("The printer \"Office\" went away."));
    RecordingAlerts alerts;
    QCOMPARE(print::PrintCoverSheet(WorkedFields(PrinterType::Laser), device, alerts), PrintOutcome::Failed);
    QCOMPARE(device.log().last(), QStringLiteral("abort"));
    QVERIFY(!device.log().contains("enddoc"));
}

QTEST_GUILESS_MAIN(TestCoverSheet)
#include "tst_coversheet.moc"
