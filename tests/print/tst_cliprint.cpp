#include "pdfpages.h"
#include "print/cliprint.h"
#include "print/coversheet.h"
#include "print/printchart.h"
#include "print/textprintdevice.h"
#include "printfixture.h"
#include "settings/preferences.h"
#include "support/recordingalerts.h"

#include <QCommandLineParser>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using print::CliPrintOptions;
using print::PrintCommand;

Q_DECLARE_METATYPE(CliPrintOptions)

namespace {

print::CliPrintRequest Read(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions(print::CliPrintOptionList());
    if (!parser.parse(QStringList{QStringLiteral("tidemark-chart")} + arguments))
        return {std::nullopt, parser.errorText()};
    return print::ReadCliPrintOptions(parser);
}

CliPrintOptions Defaults(CliPrintOptions::Output output)
{
    CliPrintOptions o;
    o.output = output;
    o.font = QStringLiteral("Arial");
    o.linesPerPage = QStringLiteral("50");
    o.leadIn = settings::DefaultLeadIn();
    for (const QString &line : settings::DefaultHeadingLines())
        o.heading.append(line);
    return o;
}

struct CliRun
{
    int status;
    QString out;
    QString err;
};

CliRun Run(const QStringList &arguments, const chart::ChartFields &fields)
{
    const print::CliPrintRequest request = Read(arguments);
    if (!request.options)
        return {-1, {}, request.error};
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = print::PrintFromCli(*request.options, fields, Today, outStream, errStream);
    return {status, out, err};
}

QString TextOf(const std::function<print::PrintOutcome(print::PrintDevice &)> &routine)
{
    print::TextPrintDevice device;
    routine(device);
    return device.text();
}

} // namespace

class TestCliPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsOptions_data();
    void readsOptions();
    void refusesOptions_data();
    void refusesOptions();
    void printsTextInCharacterLayout();
    void printsBothSplitByFormFeed();
    void badInputGoesToStandardError_data();
    void badInputGoesToStandardError();
    void printsPdfFiles();
    void reportsPrinterFailure();
};

void TestCliPrint::readsOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CliPrintOptions>("options");

    QTest::newRow("text with the window's defaults")
        << QStringList{"--print-text"} << Defaults(CliPrintOptions::Output::Text);
    CliPrintOptions pdf = Defaults(CliPrintOptions::Output::Pdf);
    pdf.pdfPath = QStringLiteral("out.pdf");
    pdf.what = PrintCommand::CoverSheetAndChart;
    pdf.printer = chart::PrinterType::Matrix;
    pdf.font = QStringLiteral("Times");
    pdf.color = false;
    pdf.linesPerPage = QStringLiteral("20");
    pdf.dateEachPage = false;
    pdf.leadIn = QStringLiteral("Prepared by:");
    pdf.heading = {QStringLiteral("Line 1"), QStringLiteral("Line 2")};
    QTest::newRow("every option") << QStringList{"--pdf",      "out.pdf",
                                                 "--what",     "both",
                                                 "--printer",  "matrix",
                                                 "--font",     "Times",
                                                 "--no-color", "--lines-per-page",
                                                 "20",         "--no-date-each-page",
                                                 "--lead-in",  "Prepared by:",
                                                 "--heading",  "Line 1",
                                                 "--heading",  "Line 2"}
                                  << pdf;
    CliPrintOptions cover = Defaults(CliPrintOptions::Output::Text);
    cover.what = PrintCommand::CoverSheet;
    QTest::newRow("the cover sheet") << QStringList{"--print-text", "--what", "cover"} << cover;
}

void TestCliPrint::readsOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(CliPrintOptions, options);
    const print::CliPrintRequest request = Read(arguments);
    QCOMPARE(request.error, QString());
    QVERIFY(request.options.has_value());
    QCOMPARE(*request.options, options);
}

void TestCliPrint::refusesOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("no print option: no printing") << QStringList{"--what", "both"} << "";
    QTest::newRow("an unknown --what")
        << QStringList{"--print-text", "--what", "all"} << "--what takes chart, cover or both, not \"all\".";
    QTest::newRow("an unknown printer") << QStringList{"--print-text", "--printer", "inkjet"}
                                        << "--printer takes laser or matrix, not \"inkjet\".";
    QTest::newRow("pdf without a name") << QStringList{"--pdf="} << "--pdf needs a file name.";
    QTest::newRow("pdf into a folder, no file name")
        << QStringList{"--pdf", "charts/"} << "--pdf needs a file name.";
    QTest::newRow("text and pdf at once") << QStringList{"--print-text", "--pdf", "x.pdf"}
                                          << "--print-text and --pdf cannot be given together.";
    QTest::newRow("five heading lines")
        << QStringList{"--print-text", "--heading", "1",         "--heading", "2", "--heading", "3",
                       "--heading",    "4",         "--heading", "5"}
        << "--heading can be given at most four times.";
}

void TestCliPrint::refusesOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const print::CliPrintRequest request = Read(arguments);
    QVERIFY(!request.options.has_value());
    QCOMPARE(request.error, error);
}

void TestCliPrint::printsTextInCharacterLayout()
{
    const chart::ChartFields fields = WorkedFields(chart::PrinterType::Laser);
    const CliRun run = Run({"--print-text", "--printer", "laser", "--lines-per-page", "20"}, fields);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    // The dot-matrix pages, whatever the printer: the date from column 1.
    chart::ChartFields matrix = fields;
    matrix.preferences.printer = chart::PrinterType::Matrix;
    matrix.preferences.linesPerPage = QStringLiteral("20");
    matrix.preferences.color = true;
    matrix.preferences.dateEachPage = true;
    RecordingAlerts alerts;
    QCOMPARE(run.out,
             TextOf([&](print::PrintDevice &d) { return print::PrintChart(matrix, Today, d, alerts); }));
    QVERIFY(run.out.contains(QLatin1String("\nTUE  MAY 20  2025 ")));
    QVERIFY(run.out.contains(QLatin1String("DATE PREPARED: 06-01-2025\n")));
    QVERIFY(!run.out.contains(QLatin1Char('\r')));
}

void TestCliPrint::printsBothSplitByFormFeed()
{
    const CliRun run =
        Run({"--print-text", "--what", "both", "--lead-in", "", "--heading", "Prepared by Your Name"},
            WorkedFields(chart::PrinterType::Laser));
    QCOMPARE(run.status, 0);
    const QStringList documents = run.out.split(QLatin1Char('\f'));
    QCOMPARE(documents.size(), 2);
    // No lead-in, and the one heading line given in place of the default four.
    QVERIFY(documents[0].contains(QLatin1String("Your Name\n\n") + QString(29, ' ') +
                                  "Prepared by Your Name\n\n" + QString(13, ' ') + "Your birthdate"));
    QVERIFY(documents[1].startsWith(QLatin1String("\n\n\nPAGE # 1 - YOUR NAME")));
}

void TestCliPrint::badInputGoesToStandardError_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<chart::ChartFields>("fields");
    QTest::addColumn<QString>("err");
    QTest::addColumn<bool>("somethingPrinted");

    chart::ChartFields noName = WorkedFields();
    noName.name.clear();
    QTest::newRow("chart without a name") << QStringList{"--print-text"} << noName
                                          << "NO NAME ENTERED!: There is no Name selected to use on chart!\n"
                                          << false;
    QTest::newRow("cover sheet without a name")
        << QStringList{"--print-text", "--what", "cover"} << noName
        << "NO NAME ENTERED!: There is no Name selected to use on Cover Sheet!\n"
        << false;
    QTest::newRow("both, lines per page 0: the cover sheet only")
        << QStringList{"--print-text", "--what", "both", "--lines-per-page", "0"} << WorkedFields()
        << "LINES PER PAGE INCORRECT!: Lines Per Page is zero or a minus number!\n"
        << true;
}

void TestCliPrint::badInputGoesToStandardError()
{
    QFETCH(QStringList, arguments);
    QFETCH(chart::ChartFields, fields);
    QFETCH(QString, err);
    QFETCH(bool, somethingPrinted);
    const CliRun run = Run(arguments, fields);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err, err);
    QCOMPARE(!run.out.isEmpty(), somethingPrinted);
    QVERIFY(!run.out.contains(QLatin1Char('\f')));
}

void TestCliPrint::printsPdfFiles()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Your Name.pdf"));
    const CliRun run = Run({"--pdf", path, "--what", "both"}, WorkedFields());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString());
    QCOMPARE(PdfPageCount(folder.filePath(QStringLiteral("Your Name - cover sheet.pdf"))), 1);
    QCOMPARE(PdfPageCount(folder.filePath(QStringLiteral("Your Name - chart.pdf"))), 1);
}

void TestCliPrint::reportsPrinterFailure()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/chart.pdf"));
    const CliRun run = Run({"--pdf", path}, WorkedFields());
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.startsWith(QLatin1String("PRINTER ERROR!: The PDF file \"")), qPrintable(run.err));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestCliPrint)
#include "tst_cliprint.moc"
