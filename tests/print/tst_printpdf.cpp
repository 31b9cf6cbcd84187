#include "pdfpages.h"
#include "print/pdfnames.h"
#include "print/printchart.h"
#include "print/qtprintdevice.h"
#include "print/systemprinting.h"
#include "print/textprintdevice.h"
#include "printfixture.h"
#include "support/recordingalerts.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using chart::PrinterType;
using print::PrintCommand;
using print::PrintDocument;
using print::PrintOutcome;

namespace {

struct Question
{
    QString caption;
    QString suggested;
};

// Answers the save dialog with a file in a temporary folder, and remembers what it was asked.
class FileAnswer
{
public:
    explicit FileAnswer(QString answer)
        : m_answer(std::move(answer))
    {}
    print::PdfFileQuestion question()
    {
        return [this](const QString &caption, const QString &suggested) {
            m_asked.append({caption, suggested});
            return m_answer;
        };
    }
    [[nodiscard]] const QList<Question> &asked() const { return m_asked; }

private:
    QString m_answer;
    QList<Question> m_asked;
};

chart::ChartFields LongChart(PrinterType printer)
{
    chart::ChartFields fields = WorkedFields(printer);
    fields.person.length = QStringLiteral("30");
    fields.preferences.forecast = true;
    fields.preferences.holidays = true;
    fields.preferences.color = true;
    fields.preferences.dateEachPage = true;
    fields.preferences.spacing = chart::Spacing::WithLines;
    return fields;
}

int TextPageCount(const chart::ChartFields &fields)
{
    print::TextPrintDevice device;
    RecordingAlerts alerts;
    return print::PrintChart(fields, Today, device, alerts) == PrintOutcome::Printed
               ? int(device.pages().size())
               : -1;
}

} // namespace

class TestPrintPdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void suggestedNames_data();
    void suggestedNames();
    void documentPaths_data();
    void documentPaths();
    void chartIntoPdf_data();
    void chartIntoPdf();
    void combinedAsksOnceForTwoFiles();
    void declinedWritesNothing();
    void refusedAsksNothing();
    void pdfTextStandsInColumns();
    void whatIsSheetGoesToItsOwnFile();
};

void TestPrintPdf::suggestedNames_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suggested");

    QTest::newRow("chart") << int(PrintCommand::Chart) << "Your Name"
                           << "Your Name - chart.pdf";
    QTest::newRow("cover sheet") << int(PrintCommand::CoverSheet) << "Your Name"
                                 << "Your Name - cover sheet.pdf";
    QTest::newRow("both: the common part") << int(PrintCommand::CoverSheetAndChart) << "Your Name"
                                           << "Your Name.pdf";
    QTest::newRow("characters no file name takes") << int(PrintCommand::Chart) << " A/B: C? "
                                                   << "A_B_ C_ - chart.pdf";
    QTest::newRow("a name ending in a dot") << int(PrintCommand::CoverSheetAndChart) << "Pat Example Jr."
                                            << "Pat Example Jr.pdf";
    QTest::newRow("no name") << int(PrintCommand::Chart) << ""
                             << "Biorhythm - chart.pdf";
    QTest::newRow("the What Is sheet names nobody") << int(PrintCommand::WhatIs) << "Your Name"
                                                    << "What Is A Biorhythm.pdf";
}

void TestPrintPdf::suggestedNames()
{
    QFETCH(int, command);
    QFETCH(QString, name);
    QFETCH(QString, suggested);
    QCOMPARE(print::SuggestedPdfName(PrintCommand(command), name), suggested);
}

void TestPrintPdf::documentPaths_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("document");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("path");

    QTest::newRow("one document: the file chosen")
        << int(PrintCommand::Chart) << int(PrintDocument::Chart) << "/d/My chart.pdf"
        << "/d/My chart.pdf";
    QTest::newRow("one document: .pdf added")
        << int(PrintCommand::CoverSheet) << int(PrintDocument::CoverSheet) << "/d/sheet"
        << "/d/sheet.pdf";
    QTest::newRow("both: the cover sheet")
        << int(PrintCommand::CoverSheetAndChart) << int(PrintDocument::CoverSheet) << "/d/Your Name.PDF"
        << "/d/Your Name - cover sheet.pdf";
    QTest::newRow("both: the chart") << int(PrintCommand::CoverSheetAndChart) << int(PrintDocument::Chart)
                                     << "/d/Your Name.pdf"
                                     << "/d/Your Name - chart.pdf";
}

void TestPrintPdf::documentPaths()
{
    QFETCH(int, command);
    QFETCH(int, document);
    QFETCH(QString, chosen);
    QFETCH(QString, path);
    QCOMPARE(print::PdfPathFor(PrintCommand(command), PrintDocument(document), chosen), path);
}

void TestPrintPdf::chartIntoPdf_data()
{
    QTest::addColumn<int>("printer");
    QTest::addColumn<QString>("linesPerPage");

    QTest::newRow("page printer, 50 lines") << int(PrinterType::Laser) << "50";
    QTest::newRow("dot-matrix, 50 lines") << int(PrinterType::Matrix) << "50";
    QTest::newRow("page printer, 20 lines") << int(PrinterType::Laser) << "20";
}

void TestPrintPdf::chartIntoPdf()
{
    QFETCH(int, printer);
    QFETCH(QString, linesPerPage);
    QTemporaryDir folder;
    FileAnswer answer(folder.filePath(QStringLiteral("chart.pdf")));
    chart::ChartFields fields = LongChart(PrinterType(printer));
    fields.preferences.linesPerPage = linesPerPage;

    RecordingAlerts alerts;
    print::SystemPrintTargets targets(PrintCommand::Chart, fields.name, QString(), answer.question(), alerts);
    QCOMPARE(print::RunPrintCommand(PrintCommand::Chart, fields, Today, targets, alerts),
             QList<PrintOutcome>{PrintOutcome::Printed});
    QVERIFY(alerts.messages().isEmpty());
    QCOMPARE(answer.asked().size(), 1);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(answer.asked().first().suggested,
             QDir(documents).filePath(QStringLiteral("Your Name - chart.pdf")));
    QVERIFY(answer.asked().first().caption.contains(QLatin1String("Chart")));
    QCOMPARE(targets.writtenFiles(), QStringList{folder.filePath(QStringLiteral("chart.pdf"))});
    // The pages of the PDF are the pages the chart counts: no line runs off a sheet.
    const int pages = TextPageCount(fields);
    QVERIFY(pages > 1);
    QCOMPARE(PdfPageCount(folder.filePath(QStringLiteral("chart.pdf"))), pages);
}

void TestPrintPdf::combinedAsksOnceForTwoFiles()
{
    QTemporaryDir folder;
    FileAnswer answer(folder.filePath(QStringLiteral("Your Name.pdf")));
    const chart::ChartFields fields = LongChart(PrinterType::Laser);
    RecordingAlerts alerts;
    print::SystemPrintTargets targets(PrintCommand::CoverSheetAndChart, fields.name, QString(),
                                      answer.question(), alerts);
    QCOMPARE(print::RunPrintCommand(PrintCommand::CoverSheetAndChart, fields, Today, targets, alerts),
             (QList<PrintOutcome>{PrintOutcome::Printed, PrintOutcome::Printed}));
    QCOMPARE(answer.asked().size(), 1);
    QVERIFY(answer.asked().first().suggested.endsWith(QLatin1String("/Your Name.pdf")));
    const QString cover = folder.filePath(QStringLiteral("Your Name - cover sheet.pdf"));
    const QString chart = folder.filePath(QStringLiteral("Your Name - chart.pdf"));
    QCOMPARE(targets.writtenFiles(), (QStringList{cover, chart}));
    QCOMPARE(PdfPageCount(cover), 1);
    QCOMPARE(PdfPageCount(chart), TextPageCount(fields));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestPrintPdf::declinedWritesNothing()
{
    QTemporaryDir folder;
    FileAnswer answer{QString()};
    RecordingAlerts alerts;
    print::SystemPrintTargets targets(PrintCommand::CoverSheetAndChart, QStringLiteral("Your Name"),
                                      QString(), answer.question(), alerts);
    QCOMPARE(print::RunPrintCommand(PrintCommand::CoverSheetAndChart, WorkedFields(PrinterType::Laser), Today,
                                    targets, alerts),
             QList<PrintOutcome>{PrintOutcome::Cancelled});
    QCOMPARE(answer.asked().size(), 1);
    QVERIFY(alerts.messages().isEmpty());
    QVERIFY(targets.writtenFiles().isEmpty());
}

void TestPrintPdf::refusedAsksNothing()
{
    FileAnswer answer(QStringLiteral("/nowhere/x.pdf"));
    chart::ChartFields fields = WorkedFields(PrinterType::Laser);
    fields.preferences.linesPerPage = QStringLiteral("0");
    RecordingAlerts alerts;
    print::SystemPrintTargets targets(PrintCommand::Chart, fields.name, QString(), answer.question(), alerts);
    QCOMPARE(print::RunPrintCommand(PrintCommand::Chart, fields, Today, targets, alerts),
             QList<PrintOutcome>{PrintOutcome::Refused});
    QCOMPARE(alerts.onlyTitle(), QStringLiteral("LINES PER PAGE INCORRECT!"));
    QVERIFY(answer.asked().isEmpty());
}

void TestPrintPdf::pdfTextStandsInColumns()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed to read the PDF back");
    QTemporaryDir folder;
    FileAnswer answer(folder.filePath(QStringLiteral("chart.pdf")));
    const chart::ChartFields fields = LongChart(PrinterType::Matrix);
    RecordingAlerts alerts;
    print::SystemPrintTargets targets(PrintCommand::Chart, fields.name, QString(), answer.question(), alerts);
    QCOMPARE(print::RunPrintCommand(PrintCommand::Chart, fields, Today, targets, alerts),
             QList<PrintOutcome>{PrintOutcome::Printed});
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    static const QRegularExpression dayLine(
        QStringLiteral("^ *(SUN|MON|TUE|WED|THU|FRI|SAT) +[A-Z]{3} +\\d+ +2025"));
    const auto dayLines = [](const QString &text) {
        QStringList days;
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            if (dayLine.match(line).hasMatch())
                days.append(line);
        }
        return days;
    };

    // Read back as a layout, every day is there, in order, with the centre line in the grid's
    // column 52 give or take the one column by which pdftotext guesses spaces.
    const QStringList layout = dayLines(PdfText(pdf, {QStringLiteral("-layout")}));
    QCOMPARE(layout.size(), 30);
    QVERIFY(layout.first().startsWith(QLatin1String("TUE")));
    QVERIFY(layout.last().contains(QLatin1String("JUN 18")));
    int centred = 0;
    for (const QString &day : layout) {
        const qsizetype column = day.indexOf(QLatin1Char('|')) + 1;
        centred += qAbs(column - 52) <= 1 ? 1 : 0;
    }
    QVERIFY2(centred >= 20, qPrintable(layout.join(QLatin1Char('\n'))));

    // Read back at the chart's pitch (80 columns to the line), every day line is the text
    // grid's own, blank for blank, after the page's left margin.
    print::QtPrintDevice probe({});
    probe.setFontName(QStringLiteral("Courier"));
    const QString points = QString::number(probe.textWidth(QStringLiteral("0")) / 20);
    const QStringList fixed = dayLines(PdfText(pdf, {QStringLiteral("-fixed"), points}));
    print::TextPrintDevice grid;
    QCOMPARE(print::PrintChart(fields, Today, grid, alerts), PrintOutcome::Printed);
    QStringList expected;
    for (const QStringList &page : grid.pages())
        expected += DayLines(page);
    QCOMPARE(fixed.size(), expected.size());
    for (qsizetype n = 0; n < fixed.size(); ++n)
        QCOMPARE(fixed[n].trimmed(), expected[n].trimmed());
}

void TestPrintPdf::whatIsSheetGoesToItsOwnFile()
{
    QTemporaryDir folder;
    FileAnswer answer(folder.filePath(QStringLiteral("sheet")));
    RecordingAlerts alerts;
    print::SystemPrintTargets targets(PrintCommand::WhatIs, QStringLiteral("Your Name"), QString(),
                                      answer.question(), alerts);
    // The command runner leaves the sheet to its own routine.
    QCOMPARE(print::RunPrintCommand(PrintCommand::WhatIs, WorkedFields(), Today, targets, alerts),
             QList<PrintOutcome>{});
    QVERIFY(answer.asked().isEmpty());

    print::PrintDevice &device = targets.open(PrintDocument::WhatIs);
    QVERIFY(!targets.progress(PrintDocument::WhatIs));
    device.printLine(QStringLiteral("**** WHAT IS A BIORHYTHM? ****"));
    device.endDoc();
    QVERIFY(device.ok());
    targets.close(PrintDocument::WhatIs, PrintOutcome::Printed);
    QCOMPARE(answer.asked().size(), 1);
    QVERIFY(answer.asked().first().suggested.endsWith(QLatin1String("/What Is A Biorhythm.pdf")));
    QCOMPARE(targets.writtenFiles(), QStringList{folder.filePath(QStringLiteral("sheet.pdf"))});
    QCOMPARE(PdfPageCount(folder.filePath(QStringLiteral("sheet.pdf"))), 1);
}

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"
