// The print routines and commands on recording and text printers, the PDF printer, and the print
// commands into PDF files as the window runs them without a queue, read back with pdftotext.
#include "chart/chartplan.h"
#include "chart/screenchart.h"
#include "pdfpages.h"
#include "print/coversheet.h"
#include "print/pdfnames.h"
#include "print/systemprinting.h"
#include "print/whatissheet.h"
#include "printfixture.h"
#include "support/datarows.h"
#include "support/recordingprintdevice.h"
#include "support/testmain.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using chart::PrinterType;
using print::PrintOutcome;

Q_DECLARE_METATYPE(chart::ChartFields)

namespace {

// A recorder for each document of a command, its log kept; the first fails at operation
// `failAt`, and the chart is called off after `cancelAfter` days.
struct RecordingTargets final : print::PrintTargetProvider
{
    print::PrintDevice &open(print::PrintDocument document) override
    {
        opened.append(document);
        device.emplace().failAt(opened.size() == 1 ? failAt : -1, failure);
        return *device;
    }
    print::PrintProgress progress(print::PrintDocument) override
    {
        return [this](qint64 done, qint64) { return cancelAfter < 0 || done < cancelAfter; };
    }
    void close(print::PrintDocument, PrintOutcome outcome) override
    {
        closed.append(outcome), logs.append(device->log());
    }
    int failAt = -1;
    QString failure;
    qint64 cancelAfter = -1;
    std::optional<print::RecordingPrintDevice> device;
    QList<print::PrintDocument> opened;
    QList<PrintOutcome> closed;
    QList<QStringList> logs;
};

struct Command
{
    print::PrintCommand command;
    chart::ChartFields fields;
    int failAt = -1; // -2: the chart is called off after two days
    QString error = {};
};

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // A text printer takes a day line whole, as the screen line less its padding: the same text as
    // item by item, as for a printer that shows colours; here across four years of markers. Given an
    // output, it hands on the text it would keep, and keeps none of it.
    void wholeLinesAsItemsAndStreamed()
    {
        struct ItemByItem final : print::TextPrintDevice
        {
            [[nodiscard]] bool showsColor() const override { return true; }
        };
        chart::ChartFields fields = LongChart(PrinterType::Matrix);
        fields.person.length = QStringLiteral("1500");
        QString streamed;
        print::TextPrintDevice whole;
        print::TextPrintDevice streaming([&streamed](QStringView text) { streamed += text; });
        ItemByItem items;
        RecordingAlerts alerts;
        for (print::TextPrintDevice *device :
             {&whole, &streaming, static_cast<print::TextPrintDevice *>(&items)})
            QCOMPARE(print::PrintChart(fields, Today, *device, alerts), PrintOutcome::Printed);
        QCOMPARE(whole.text(), items.text());
        QCOMPARE(streamed, whole.text());
        QVERIFY(streaming.pages().isEmpty() && whole.pages().size() > 1);
    }

    void paginates_data()
    {
        Columns<QString, QList<int>, QString>({"linesPerPage", "dayLinesPerPage", "length"});
        Row("50 lines, the last page only a header", "50", QList{42, 0}, "42");
        Row("50 lines, 42 day lines a page", "50", QList{42, 42, 16}, "100");
        Row("below the header: a page after every day", "5", QList{1, 1, 1, 0}, "3");
    }

    // Every page starts with its header: three empty lines, the title, an empty line, the column
    // headings and an empty line; then as many day lines as the page has room for.
    void paginates()
    {
        QFETCH(QString, linesPerPage);
        QFETCH(QList<int>, dayLinesPerPage);
        QFETCH(QString, length);
        for (const PrinterType printer : {PrinterType::Matrix, PrinterType::Laser}) {
            QList<int> counted;
            for (const QStringList &page : ChartPages(With(
                     [&](auto &f) { f.preferences.linesPerPage = linesPerPage, f.person.length = length; },
                     printer))) {
                counted.append(int(DayLines(page).size()));
                QVERIFY(page[3].trimmed().startsWith(QString("PAGE # %1 - YOUR NAME").arg(counted.size())));
                QVERIFY(page.mid(0, 3) == QStringList(3) && page[5].contains("DATE") && page[6].isEmpty());
            }
            QCOMPARE(counted, dayLinesPerPage);
        }
    }

    void sameDaysAsScreen_data()
    {
        QTest::addColumn<QStringList>("person"); // birthdate, start, weekday of birth
        Row("day count one short of the weekday of birth", QStringList{"03-15-1963", "01-01-2025", "Friday"});
        Row("day count already on the weekday of birth", QStringList{"05-20-1990", "05-20-2025", "Sunday"});
    }

    // The same person and days carry the same date, markers, letters and forecast on the screen and
    // on either printer; the page layout stands one column further right on the text grid.
    void sameDaysAsScreen()
    {
        QFETCH(QStringList, person);
        chart::ChartFields fields =
            With([&](auto &f) { f.person = {person[0], {}, person[2], {}, {}, person[1], "45", {}}; },
                 PrinterType::Matrix, true);
        // Date, markers in a fixed order and the grid of the day lines (their markers from 0-based
        // column `markers`, their grid from `grid`), then the forecast sentences.
        const auto facts = [](const QStringList &lines, int markers, int grid) {
            QStringList out;
            for (const QString &line : DayLines(lines)) {
                QStringList marks = line.mid(markers, grid - markers).split(' ', Qt::SkipEmptyParts);
                marks.sort();
                out << line.left(markers).simplified() + '/' + marks.join(' ') + '/' +
                           line.mid(grid).trimmed();
            }
            return out + lines.filter(QRegularExpression("^[A-Z][a-z ]"));
        };
        const QStringList screen =
            facts(chart::ScreenChartText(*chart::PlanChart(fields)).split('\n'), 18, 29);
        QVERIFY(screen.size() >= 45 * 4);
        for (const int laser : {0, 1}) {
            fields.preferences.printer = laser ? PrinterType::Laser : PrinterType::Matrix;
            QStringList lines;
            for (const QStringList &page : ChartPages(fields))
                lines += page;
            QCOMPARE(facts(lines, 18 + 2 * laser, 29 + laser), screen);
        }
    }

    void markersAndCentring_data()
    {
        // What the log holds in this order, among others.
        Columns<PrinterType, QString, QStringList>({"printer", "name", "expected"});
        // Day count 264 has "P- " and "I+ ": the two layouts print them in opposite orders, each in
        // its cycle's colour, black again after each.
        const QStringList matrix{"color 008000", "print \"I+ \";", "color 000000", "color 800000",
                                 "print \"P- \";"};
        const QStringList laser{"color 800000", "print \"P- \";", "color 000000", "color 008000",
                                "print \"I+ \";"};
        Row("dot-matrix: I+ before P-", PrinterType::Matrix, "Ann Lee", matrix);
        Row("laser: P- before I+", PrinterType::Laser, "Ann Lee", laser);
        // A centred cover-sheet line starts at 40 less half of each piece, a half going to the even
        // column, and never left of column 1.
        Row("name of 5: column 37.5 prints at 38", PrinterType::Matrix, "Pat E",
            QStringList{"tab 38", "print \"Pat E\""});
        Row("name of 7: column 36.5 prints at 36", PrinterType::Matrix, "Pat Eve",
            QStringList{"tab 36", "print \"Pat Eve\""});
        Row("name of 79: column 0.5 prints at 1", PrinterType::Matrix, QString(79, 'x'),
            QStringList{"tab 1", "print \"" + QString(79, 'x') + '"'});
    }

    void markersAndCentring()
    {
        QFETCH(PrinterType, printer);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        const chart::ChartFields fields = With(
            [&](auto &f) {
                f.name = name;
                f.person.weekday.clear(); // no weekday of birth: the day count stays as it is
                f.person.ageDays = QStringLiteral("264");
                f.person.length = QStringLiteral("1");
                f.preferences.color = true;
            },
            printer);
        print::RecordingPrintDevice device;
        RecordingAlerts alerts;
        if (expected.first().startsWith(QLatin1String("tab")))
            QCOMPARE(print::PrintCoverSheet(fields, device, alerts), PrintOutcome::Printed);
        else
            QCOMPARE(print::PrintChart(fields, Today, device, alerts), PrintOutcome::Printed);
        qsizetype at = 0;
        for (const QString &operation : expected) {
            at = device.log().indexOf(operation, at);
            QVERIFY2(at >= 0, qPrintable(operation));
        }
    }

    void commands_data()
    {
        Columns<Command, QList<PrintOutcome>>({"run", "outcomes"});
        using enum PrintOutcome;
        const auto both = print::PrintCommand::CoverSheetAndChart;
        const auto matrix = With([](auto &) {});
        const auto laser = With([](auto &) {}, PrinterType::Laser);
        const auto noName = With([](auto &f) { f.name.clear(); }, PrinterType::Laser);
        const QString paper = QStringLiteral("The printer is out of paper.");
        const QList<PrintOutcome> none;
        Row("cover sheet", Command{print::PrintCommand::CoverSheet, laser}, QList{Printed});
        Row("both, dot-matrix in Courier", Command{both, matrix}, QList{Printed, Printed});
        Row("cover sheet, its checks", Command{print::PrintCommand::CoverSheet, noName}, QList{Refused});
        Row("both: its checks first", Command{both, noName}, none);
        Row("both: the chart's lines per page before the cover sheet",
            Command{both, With([](auto &f) { f.preferences.linesPerPage = "5.5"; })}, none);
        Row("page printer: on after a failed sheet", Command{both, laser, 40, paper}, QList{Failed, Printed});
        Row("page printer: a refused size passed over", Command{both, laser, 1, paper},
            QList{Failed, Printed});
        Row("page printer: a refused face ends it", Command{both, laser, 0, paper}, QList{Failed});
        Row("dot-matrix: a failure ends it", Command{both, matrix, 40, paper}, QList{Failed});
        Row("called off: no message", Command{both, laser, 40}, QList{Cancelled});
        Row("chart called off by its progress", Command{both, laser, -2}, QList{Printed, Cancelled});
    }

    // Each document gets its printer, whose font is set before the routine checks anything, and is
    // printed, refused with one message, or abandoned after a failure with one message; with the
    // page printer the command then goes on to its next document.
    void commands()
    {
        QFETCH(Command, run);
        QFETCH(QList<PrintOutcome>, outcomes);
        RecordingTargets targets;
        targets.failAt = run.failAt;
        targets.failure = run.error;
        targets.cancelAfter = run.failAt == -2 ? 2 : -1;
        RecordingAlerts alerts;
        QCOMPARE(print::RunPrintCommand(run.command, run.fields, Today, targets, alerts), outcomes);
        QCOMPARE(targets.closed, outcomes);
        QCOMPARE(alerts.messages().size(),
                 outcomes.count(PrintOutcome::Refused) + !run.error.isEmpty() + outcomes.isEmpty());
        QVERIFY(run.error.isEmpty() ||
                alerts.messages()[0] == (RecordingAlerts::Message{true, "PRINTER ERROR!", run.error}));
        const QString face = run.fields.preferences.printer == PrinterType::Matrix ? "Courier" : "Arial";
        for (int n = 0; n < outcomes.size(); ++n) {
            const QStringList &log = targets.logs[n];
            const QString last = outcomes[n] == PrintOutcome::Printed   ? "enddoc"
                                 : outcomes[n] == PrintOutcome::Refused ? "bold 0"
                                                                        : "abort";
            QVERIFY(log[0].endsWith("font " + face) && log.last() == last);
        }
        QVERIFY(outcomes.size() < 2 ||
                targets.opened == (QList{print::PrintDocument::CoverSheet, print::PrintDocument::Chart}));
    }

    void pdfColumns_data()
    {
        QTest::addColumn<QPageSize>("paper");
        Row("Letter: 80 columns, a little narrowed", QPageSize(QPageSize::Letter));
        Row("A3: ten to the inch", QPageSize(QPageSize::A3));
    }

    // A fixed-pitch 12 point face has ten characters to the inch where the line holds 80 of them,
    // and exactly 80 to the line where it does not; a tab to a column passed goes to the next line.
    void pdfColumns()
    {
        QFETCH(QPageSize, paper);
        QTemporaryDir folder;
        print::PdfPrintDevice device({{}, folder.filePath("columns.pdf"), "t", paper});
        device.setFontName(QStringLiteral("Courier"));
        const double column = std::min(144.0, device.pageWidth() / 80);
        QVERIFY(qAbs(device.textWidth(QString(80, '0')) - 80 * column) < 1);
        device.tab(11);
        const double tabbed = device.currentX() / column;
        device.printItem(QStringLiteral("abc"));
        const double printed = device.currentX() / column;
        device.tab(2);
        QCOMPARE((QList{std::round(tabbed), std::round(printed), std::round(device.currentX() / column)}),
                 (QList{10.0, 13.0, 1.0}));
    }

    // A PDF file comes only from a finished document, replacing any file of its name, with the
    // permissions a new file gets there; an abandoned or failed document leaves nothing behind.
    void pdfFileOnlyWhenFinished()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("chart.pdf"));
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        print::PdfPrintDevice device({{}, path, QStringLiteral("t")});
        device.printLine(QStringLiteral("a"));
        device.newPage();
        QCOMPARE(FilesIn(folder.path()).size(), 2); // the old file and the document being drawn
        device.endDoc();
        QCOMPARE(PdfPageCount(device.outputPath()), 2);
        QFile fresh(folder.filePath(QStringLiteral("fresh")));
        QVERIFY(fresh.open(QIODevice::WriteOnly));
        QCOMPARE(QFileInfo(path).permissions(), fresh.permissions());
        print::PdfPrintDevice aborted(
            {{}, folder.filePath(QStringLiteral("aborted.pdf")), QStringLiteral("t")});
        aborted.printLine(QStringLiteral("a"));
        aborted.abort();
        aborted.printLine(QStringLiteral("b"));
        aborted.endDoc();
        print::PdfPrintDevice unwritable({{}, folder.filePath(QStringLiteral("missing/chart.pdf")), "t"});
        unwritable.printLine(QStringLiteral("a"));
        QVERIFY(unwritable.errorText().startsWith(
            QString("The PDF file \"%1/missing/chart.pdf\"").arg(folder.path())));
        QCOMPARE(FilesIn(folder.path()), (QStringList{"chart.pdf", "fresh"}));
    }

    // A document for a queue is drawn owner-only in the user's runtime folder, since it holds a
    // person's name and birthdate, and is gone once handed over, abandoned or let go.
    void queueDocumentIsOwnerOnlyAndGoes()
    {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QStringList handed;
        const auto handOver = [&handed](const QString &file, const QString &title, Wording) {
            handed << QString::number(QFileInfo(file).permissions(), 16) + ' ' + QFileInfo(file).path() +
                          ' ' + title;
            return QString();
        };
        for (const auto end :
             {&print::PrintDevice::endDoc, &print::PrintDevice::abort, &print::PrintDevice::newPage}) {
            auto device = std::make_unique<print::PdfPrintDevice>(
                print::PdfPrintTarget{print::PrintQueue{"Office", {}, {}, handOver}, {}, "chart"});
            device->printLine(QStringLiteral("Your Name"));
            ((*device).*end)(); // a new page leaves the document to be let go unfinished
            QCOMPARE(FilesIn(runtime).size(), end == &print::PrintDevice::newPage ? 1 : 0);
            device.reset();
            QCOMPARE(FilesIn(runtime), QStringList());
        }
        QCOMPARE(handed, QStringList{"6600 " + runtime + " chart"});
    }

    void pagesFitThePaper_data()
    {
        Columns<QPageSize, QString, chart::ChartFields>({"paper", "document", "fields"});
        // Names of 9 to 221 characters: from 28 on the title passes the date's place on a laser
        // printer, from 57 it is wider than the dot-matrix line, at 221 wider than the page.
        const QString names = QStringLiteral("Christopher Alexander Montgomery-Wolfe the Third ").repeated(5);
        for (const QPageSize &paper : {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4)}) {
            for (const char *document : {"chart", "cover sheet", "What Is"}) {
                for (const char *font : {"", "Arial", "Courier"}) {
                    for (const int length : {9, 28, 38, 72, 221}) {
                        if (length > 9 && QLatin1String(document) == "What Is")
                            continue;
                        chart::ChartFields fields =
                            LongChart(*font ? PrinterType::Laser : PrinterType::Matrix);
                        fields.preferences.font = font;
                        fields.name = length == 9 ? fields.name : names.left(length).trimmed();
                        QTest::addRow("%s, %s, %s, name of %d", qPrintable(paper.name()), document,
                                      *font ? font : "dot-matrix", length)
                            << paper << document << fields;
                    }
                }
            }
        }
    }

    // Every printed word stands on the paper at least 12 points clear of its edges, and no two words
    // of a line overlap, whatever the length of the name (shortened only where it would not fit); a
    // chart has the pages it counts, and a dot-matrix chart read back at its pitch (80 columns to the
    // line) holds the text printer's day lines, blank for blank.
    void pagesFitThePaper()
    {
        QFETCH(QPageSize, paper);
        QFETCH(QString, document);
        QFETCH(chart::ChartFields, fields);
        QTemporaryDir folder;
        print::PdfPrintDevice device({{}, folder.filePath(QStringLiteral("fit.pdf")), "fit", paper});
        RecordingAlerts alerts;
        QVERIFY(print::SetUpPrinterFont(device, fields));
        if (document == "chart")
            QCOMPARE(print::PrintChart(fields, Today, device, alerts), PrintOutcome::Printed);
        else if (document == "cover sheet")
            QCOMPARE(print::PrintCoverSheet(fields, device, alerts), PrintOutcome::Printed);
        else
            print::PrintWhatIsSheet(device, fields);
        const QSizeF size = paper.size(QPageSize::Point);
        const QString pages =
            QString("<page width=\"%1.000000\" height=\"%2.000000\">").arg(size.width()).arg(size.height());
        const QString words = PdfText(device.outputPath(), {"-bbox"});
        QCOMPARE(words.count(pages), document == "chart" ? ChartPages(fields).size() : 1);
        QVERIFY(words.count("<word ") > 30);
        QCOMPARE(PdfPlacementFault(device.outputPath(), 12), QString());
        // A name that its line holds is printed whole.
        if (document != "What Is" && fields.name.size() <= 38)
            QVERIFY(PdfText(device.outputPath(), {})
                        .contains(document == "chart" ? fields.name.toUpper() : fields.name));
        if (document != "chart" || fields.preferences.printer != PrinterType::Matrix)
            return;
        QStringList read; // at the width of a column, the printer's Courier 12 point "0"
        for (const QString &line :
             PdfText(device.outputPath(), {"-fixed", QString::number(device.textWidth("0") / 20)})
                 .split('\n'))
            read << line.trimmed();
        QStringList printed;
        for (const QStringList &page : ChartPages(fields))
            printed += DayLines(page).replaceInStrings(QRegularExpression("^ +| +$"), QString());
        QCOMPARE(DayLines(read), printed);
    }

    void commandIntoPdfFiles_data()
    {
        Columns<int, chart::ChartFields, QString, QStringList, QStringList>(
            {"command", "fields", "answer", "asked", "written"});
        const auto chart = int(print::PrintCommand::Chart);
        const auto both = int(print::PrintCommand::CoverSheetAndChart);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + '/';
        const QString printing = QStringLiteral("Printing the chart of Your Name...");
        const chart::ChartFields jr = With([](auto &f) { f.name = QStringLiteral("Pat Example Jr."); });
        const QStringList none;
        Row("both: asked once for two files", both, jr, "Jr.PDF",
            QStringList{documents + "Pat Example Jr.", "Printing the chart of Pat Example Jr...."},
            QStringList{"Jr - chart.pdf", "Jr - cover sheet.pdf"});
        Row("declined: nothing", both, jr, "", QStringList{documents + "Pat Example Jr."}, none);
        Row("refused: nothing asked", chart, With([](auto &f) { f.preferences.linesPerPage = "0"; }), "x",
            none, none);
        Row("called off from the progress: nothing", chart, With([](auto &f) { f.person.length = "3"; }), "x",
            QStringList{documents + "Your Name - chart.pdf", printing}, none);
    }

    // The file question comes when the first document starts, once, before the chart's progress;
    // the files are written when their documents are done, and only then.
    void commandIntoPdfFiles()
    {
        QFETCH(int, command);
        QFETCH(chart::ChartFields, fields);
        QFETCH(QString, answer);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, written);
        QTemporaryDir folder;
        QStringList questions;
        const auto question = [&](const QString &caption, const QString &suggested) {
            questions << (caption == print::PdfQuestionCaption(print::PrintCommand(command)) ? suggested
                                                                                             : caption);
            return answer.isEmpty() ? answer : folder.filePath(answer);
        };
        const auto progress = [&questions](const QString &label) -> print::PrintProgress {
            questions << label;
            return [](qint64 done, qint64 total) { return total != 3 || done < 2; };
        };
        RecordingAlerts alerts;
        print::SystemPrintTargets targets(print::PrintCommand(command), fields.name, std::nullopt, question,
                                          progress, alerts);
        (void)print::RunPrintCommand(print::PrintCommand(command), fields, Today, targets, alerts);
        QCOMPARE(questions, asked);
        QCOMPARE(FilesIn(folder.path()), written);
        QCOMPARE(targets.doneMessage().isEmpty(), written.isEmpty());
        QCOMPARE(alerts.messages().size(), fields.preferences.linesPerPage == "0" ? 1 : 0);
    }

    // The save dialog of a command's PDF files says which files the name typed in it writes: for the
    // combined command, the name it suggests gives the two files of the person.
    void pdfFilesNamed()
    {
        const auto both = print::PrintCommand::CoverSheetAndChart;
        const QString two =
            "The cover sheet and the chart will be saved as two PDF files, \"%1 - cover sheet.pdf\" "
            "and \"%1 - chart.pdf\".";
        QCOMPARE(print::PdfFilesNote(both, print::SuggestedPdfName(both, "Pat"), true),
                 "No printer is installed. " + two.arg("Pat"));
        QCOMPARE(print::PdfFilesNote(both, "/tmp/Jr.PDF", false), two.arg("Jr"));
        QCOMPARE(print::PdfFilesNote(print::PrintCommand::WhatIs, "/tmp/", true),
                 "No printer is installed. \"What Is A Biorhythm?\" will be saved as a PDF file.");
    }

    // The "What Is" sheet's layout follows the printer and the font: only the character layout's
    // lines all start three spaces in and fit 80 columns. The heading lines but the empty ones
    // print at its foot (its last block), only below a line 1.
    void whatIsSheet_data()
    {
        Columns<bool, QString, QStringList, bool, bool>(
            {"dotMatrix", "font", "heading", "character", "foot"});
        const QStringList all{"Your Name", "123 Any Street", "Anytown, ST 00000", "you@example.com"};
        Row("dot-matrix", true, "Arial", all, true, true);
        Row("laser, Courier", false, "Courier", all, true, true);
        Row("laser, courier in lower case", false, "courier", all, false, true);
        Row("line 1 empty", false, "Times", QStringList{"", "a", "b", "c"}, false, false);
        Row("line 2 empty", true, "Times", QStringList{"one", "", "three", ""}, true, true);
    }

    void whatIsSheet()
    {
        QFETCH(bool, dotMatrix);
        QFETCH(QString, font);
        QFETCH(QStringList, heading);
        chart::ChartFields fields;
        fields.preferences.printer = dotMatrix ? chart::PrinterType::Matrix : chart::PrinterType::Laser;
        fields.preferences.font = font;
        fields.preferences.heading = {heading[0], heading[1], heading[2], heading[3]};
        print::TextPrintDevice device;
        print::PrintWhatIsSheet(device, fields);
        QCOMPARE(device.pages().size(), 1);
        // The foot is the last lines, after an empty one.
        QStringList lines = device.pages().constFirst();
        lines.replaceInStrings(QRegularExpression("^ +| +$"), QString());
        while (lines.last().isEmpty())
            lines.removeLast();
        const QStringList foot = heading.filter(QRegularExpression("."));
        QTEST(lines.mid(lines.size() - foot.size()) == foot &&
                  lines[lines.size() - foot.size() - 1].isEmpty(),
              "foot");
        bool indented = true;
        for (const QString &line : device.pages().constFirst())
            indented = indented && (line.isEmpty() || (line.startsWith(u"   ") && line.size() <= 80));
        QTEST(indented, "character");
    }
};

TIDEMARK_TEST(TestPrint)
#include "tst_print.moc"
