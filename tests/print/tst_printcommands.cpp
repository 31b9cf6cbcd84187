#include "print/printcommands.h"
#include "printfixture.h"
#include "recordingtargets.h"
#include "support/recordingalerts.h"

#include <QTest>

using chart::PrinterType;
using print::PrintCommand;
using print::PrintDocument;
using print::PrintOutcome;

Q_DECLARE_METATYPE(chart::ChartFields)

namespace {

chart::ChartFields With(const std::function<void(chart::ChartFields &)> &change,
                        PrinterType printer = PrinterType::Laser)
{
    chart::ChartFields f = WorkedFields(printer);
    change(f);
    return f;
}

const QString OutOfPaper = QStringLiteral("The printer \"Office\" is out of paper.");

} // namespace

class TestPrintCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void combinedChecks_data();
    void combinedChecks();
    void combinedPrintsCoverThenChart();
    void combinedPrintsCoverThenRefusesChart();
    void singleCommands_data();
    void singleCommands();
    void printerFont_data();
    void printerFont();
    void printerFailures_data();
    void printerFailures();
    void cancelledChartEndsQuietly();
};

void TestPrintCommands::combinedChecks_data()
{
    QTest::addColumn<chart::ChartFields>("fields");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    const QString dateError = QStringLiteral("DATE ERROR!");
    QTest::newRow("1 no name") << With([](auto &f) { f.name.clear(); }) << "NO NAME ENTERED!"
                               << "There is no Name selected to use on chart!";
    QTest::newRow("2 no birthdate") << With([](auto &f) { f.person.birth.clear(); })
                                    << "NO BIRTHDATE ENTERED!"
                                    << "There is no Birthdate selected to use on chart!";
    QTest::newRow("3 no dash after the day")
        << With([](auto &f) { f.person.birth = "05-20/1990"; }) << dateError
        << "Input error in Birthdate! The Date must include the dash (-) after "
           "the month, and after the day! Format must be MM-DD-YYYY.";
    QTest::newRow("4 month 13") << With([](auto &f) { f.person.birth = "13-01-1990"; }) << dateError
                                << "Input error in Birthdate! The Month must be a number from 01 to 12";
    QTest::newRow("5 day 32") << With([](auto &f) { f.person.birth = "12-32-1990"; }) << dateError
                              << "Input error in Birthdate! The Day must be a number from 01 to 31";
    QTest::newRow("6 year 1066") << With([](auto &f) { f.person.birth = "12-01-1066"; }) << dateError
                                 << "Input error in Birthdate! The Year must be a number from 1500 to 2099";
    QTest::newRow("7 start of 9 characters")
        << With([](auto &f) { f.person.start = "05-20-202"; }) << "NO CHART STARTING DATE INDICATED!"
        << "There is no correct date to indicate chart starting date!";
    QTest::newRow("8 no length") << With([](auto &f) { f.person.length.clear(); })
                                 << "NO LENGTH OF CHART INDICATED!"
                                 << "There is no number to indicate length of chart desired!";
}

void TestPrintCommands::combinedChecks()
{
    QFETCH(chart::ChartFields, fields);
    QFETCH(QString, title);
    QFETCH(QString, text);
    RecordingTargets targets;
    RecordingAlerts alerts;
    QCOMPARE(print::RunPrintCommand(PrintCommand::CoverSheetAndChart, fields, Today, targets, alerts),
             QList<PrintOutcome>{});
    QCOMPARE(alerts.messages(), (QList<RecordingAlerts::Message>{{true, title, text}}));
    // Nothing printed, and no printer asked for, so its font is as it was.
    QVERIFY(targets.opened().isEmpty());
}

void TestPrintCommands::combinedPrintsCoverThenChart()
{
    RecordingTargets targets;
    RecordingAlerts alerts;
    const chart::ChartFields fields = With([](auto &f) { f.person.birth = "12-01-1990"; });
    QCOMPARE(print::RunPrintCommand(PrintCommand::CoverSheetAndChart, fields, Today, targets, alerts),
             (QList<PrintOutcome>{PrintOutcome::Printed, PrintOutcome::Printed}));
    QVERIFY(alerts.messages().isEmpty());
    QCOMPARE(targets.opened(), (QList<PrintDocument>{PrintDocument::CoverSheet, PrintDocument::Chart}));
    QVERIFY(targets.device(0).log().contains("print \"Your Name\""));
    QCOMPARE(targets.device(0).log().last(), QStringLiteral("enddoc"));
    QVERIFY(targets.device(1).text().pages().first().value(3).contains("PAGE # 1 - YOUR NAME - 12-01-1990"));
    QCOMPARE(targets.device(1).log().last(), QStringLiteral("enddoc"));
}

void TestPrintCommands::combinedPrintsCoverThenRefusesChart()
{
    RecordingTargets targets;
    RecordingAlerts alerts;
    const chart::ChartFields fields = With([](auto &f) { f.preferences.linesPerPage = "0"; });
    QCOMPARE(print::RunPrintCommand(PrintCommand::CoverSheetAndChart, fields, Today, targets, alerts),
             (QList<PrintOutcome>{PrintOutcome::Printed, PrintOutcome::Refused}));
    QCOMPARE(alerts.messages(),
             (QList<RecordingAlerts::Message>{
                 {true, "LINES PER PAGE INCORRECT!", "Lines Per Page is zero or a minus number!"}}));
    QCOMPARE(targets.device(0).log().last(), QStringLiteral("enddoc"));
    // The chart's printer got its font and nothing else.
    QCOMPARE(targets.device(1).log(), (QStringList{"font Arial", "size 12", "bold 0"}));
}

void TestPrintCommands::singleCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<chart::ChartFields>("fields");
    QTest::addColumn<QList<PrintOutcome>>("outcomes");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("cover sheet") << int(PrintCommand::CoverSheet) << WorkedFields(PrinterType::Laser)
                                 << QList<PrintOutcome>{PrintOutcome::Printed} << QStringList{};
    QTest::newRow("chart") << int(PrintCommand::Chart) << WorkedFields(PrinterType::Laser)
                           << QList<PrintOutcome>{PrintOutcome::Printed} << QStringList{};
    QTest::newRow("cover sheet checks for itself")
        << int(PrintCommand::CoverSheet) << With([](auto &f) { f.name.clear(); })
        << QList<PrintOutcome>{PrintOutcome::Refused} << QStringList{"NO NAME ENTERED!"};
    QTest::newRow("chart checks for itself")
        << int(PrintCommand::Chart) << With([](auto &f) { f.preferences.linesPerPage = "-1"; })
        << QList<PrintOutcome>{PrintOutcome::Refused} << QStringList{"LINES PER PAGE INCORRECT!"};
}

void TestPrintCommands::singleCommands()
{
    QFETCH(int, command);
    QFETCH(chart::ChartFields, fields);
    QFETCH(QList<PrintOutcome>, outcomes);
    QFETCH(QStringList, titles);
    RecordingTargets targets;
    RecordingAlerts alerts;
    QCOMPARE(print::RunPrintCommand(PrintCommand(command), fields, Today, targets, alerts), outcomes);
    QCOMPARE(alerts.titles(), titles);
    QCOMPARE(targets.opened().size(), 1);
    QCOMPARE(targets.closed(), outcomes);
    // The font is set before the routine checks anything.
    QCOMPARE(targets.device(0).log().mid(0, 3), (QStringList{"font Arial", "size 12", "bold 0"}));
}

void TestPrintCommands::printerFont_data()
{
    QTest::addColumn<int>("printer");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QStringList>("setUp");

    QTest::newRow("dot-matrix: Courier whatever the box says")
        << int(PrinterType::Matrix) << "Times" << QStringList{"font Courier", "size 12", "bold 0"};
    QTest::newRow("page printer: the face in the box")
        << int(PrinterType::Laser) << "Times" << QStringList{"font Times", "size 12", "bold 0"};
    QTest::newRow("page printer: a face nobody has")
        << int(PrinterType::Laser) << "No Such Face" << QStringList{"font No Such Face", "size 12", "bold 0"};
    QTest::newRow("page printer: the face as typed")
        << int(PrinterType::Laser) << " courier " << QStringList{"font  courier ", "size 12", "bold 0"};
}

void TestPrintCommands::printerFont()
{
    QFETCH(int, printer);
    QFETCH(QString, face);
    QFETCH(QStringList, setUp);
    RecordingTargets targets;
    RecordingAlerts alerts;
    const chart::ChartFields fields =
        With([&face](auto &f) { f.preferences.font = face; }, PrinterType(printer));
    QCOMPARE(print::RunPrintCommand(PrintCommand::CoverSheetAndChart, fields, Today, targets, alerts),
             (QList<PrintOutcome>{PrintOutcome::Printed, PrintOutcome::Printed}));
    for (int n = 0; n < 2; ++n) {
        QCOMPARE(targets.device(n).log().mid(0, 3), setUp);
        // Only the cover sheet in the page layout changes the size, and sets it back.
        const QStringList sizes = targets.device(n).log().filter(QRegularExpression("^(size|font|bold)"));
        const bool enlarges = n == 0 && PrinterType(printer) == PrinterType::Laser;
        const QStringList expected = enlarges ? setUp + QStringList{"size 18", "size 12"} : setUp;
        QCOMPARE(sizes, expected);
    }
}

void TestPrintCommands::printerFailures_data()
{
    QTest::addColumn<int>("printer");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QList<PrintOutcome>>("outcomes");
    QTest::addColumn<int>("messages");

    const auto failedThenPrinted = QList<PrintOutcome>{PrintOutcome::Failed, PrintOutcome::Printed};
    QTest::newRow("page printer: the chart still prints after a failed cover sheet")
        << int(PrinterType::Laser) << 40 << OutOfPaper << failedThenPrinted << 1;
    QTest::newRow("page printer: a refused size is passed over")
        << int(PrinterType::Laser) << 1 << OutOfPaper << failedThenPrinted << 1;
    QTest::newRow("page printer: a refused face ends the command")
        << int(PrinterType::Laser) << 0 << OutOfPaper << QList<PrintOutcome>{PrintOutcome::Failed} << 1;
    QTest::newRow("dot-matrix: a failure ends the command")
        << int(PrinterType::Matrix) << 40 << OutOfPaper << QList<PrintOutcome>{PrintOutcome::Failed} << 1;
    QTest::newRow("dot-matrix: a refused size ends the command")
        << int(PrinterType::Matrix) << 1 << OutOfPaper << QList<PrintOutcome>{PrintOutcome::Failed} << 1;
    QTest::newRow("called off: no message, nothing more")
        << int(PrinterType::Laser) << 40 << QString() << QList<PrintOutcome>{PrintOutcome::Cancelled} << 0;
}

void TestPrintCommands::printerFailures()
{
    QFETCH(int, printer);
    QFETCH(int, operation);
    QFETCH(QString, error);
    QFETCH(QList<PrintOutcome>, outcomes);
    QFETCH(int, messages);

    RecordingTargets targets;
    targets.failIn(0, {operation, error});
    RecordingAlerts alerts;
    QCOMPARE(print::RunPrintCommand(PrintCommand::CoverSheetAndChart, WorkedFields(PrinterType(printer)),
                                    Today, targets, alerts),
             outcomes);
    QCOMPARE(alerts.messages().size(), messages);
    if (messages > 0)
        QCOMPARE(alerts.messages().first(),
                 (RecordingAlerts::Message{true, print::PrinterErrorTitle, error}));
    QCOMPARE(targets.device(0).log().last(), QStringLiteral("abort"));
    QCOMPARE(targets.opened().size(), outcomes.size());
    if (outcomes.size() == 2)
        QCOMPARE(targets.device(1).log().last(), QStringLiteral("enddoc"));
}

void TestPrintCommands::cancelledChartEndsQuietly()
{
    RecordingTargets targets;
    targets.cancelChartAfter(2);
    RecordingAlerts alerts;
    QCOMPARE(print::RunPrintCommand(PrintCommand::CoverSheetAndChart, WorkedFields(), Today, targets, alerts),
             (QList<PrintOutcome>{PrintOutcome::Printed, PrintOutcome::Cancelled}));
    QVERIFY(alerts.messages().isEmpty());
    QCOMPARE(targets.device(1).log().last(), QStringLiteral("abort"));
}

QTEST_GUILESS_MAIN(TestPrintCommands)
#include "tst_printcommands.moc"
