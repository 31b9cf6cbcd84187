// The pages of Print Preview against the PDF files of the same documents: their number, counted a
// day at a time, and the print calls of each page drawn on its own.
#include "pdfpages.h"
#include "print/previewpages.h"
#include "print/systemprinting.h"
#include "printfixture.h"
#include "support/recordingprintdevice.h"
#include "support/testmain.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using print::PrintCommand;

Q_DECLARE_METATYPE(chart::ChartFields)

namespace {

// Passes every call on to a PDF device and writes it down, as the recording device does, under
// the page of the command's documents the device stands on (`before` pages precede its document).
class PageRecorder final : public print::PrintDevice
{
public:
    using Pages = std::map<qint64, print::RecordingPrintDevice>;
    PageRecorder(print::PdfPrintDevice &device, Pages &pages, qint64 before = 0)
        : m_device(device)
        , m_pages(pages)
        , m_before(before)
    {}
    void setFontName(const QString &face) override { note().setFontName(face), m_device.setFontName(face); }
    void setFontSize(double points) override { note().setFontSize(points), m_device.setFontSize(points); }
    void setFontBold(bool bold) override { note().setFontBold(bold), m_device.setFontBold(bold); }
    void print(const QString &text, bool ends) override
    {
        note().print(text, ends), m_device.print(text, ends);
    }
    void endLine() override { note().endLine(), m_device.endLine(); }
    void tab(int column) override { note().tab(column), m_device.tab(column); }
    void setCurrentX(double twips) override { note().setCurrentX(twips), m_device.setCurrentX(twips); }
    [[nodiscard]] double currentX() const override { return m_device.currentX(); }
    [[nodiscard]] double pageWidth() const override { return m_device.pageWidth(); }
    [[nodiscard]] double textWidth(const QString &text) const override { return m_device.textWidth(text); }
    void setTextColor(QRgb rgb) override { note().setTextColor(rgb), m_device.setTextColor(rgb); }
    void printAt(const QString &text, const QList<double> &at) override
    {
        note().printAt(text, at), m_device.printAt(text, at);
    }
    void newPage() override { note().newPage(), m_device.newPage(); }
    void endDoc() override { note().endDoc(), m_device.endDoc(); }
    void abort() override { note().abort(), m_device.abort(); }
    [[nodiscard]] bool ok() const override { return m_device.ok(); }
    [[nodiscard]] QString errorText() const override { return m_device.errorText(); }

private:
    // What comes before the document starts goes with its first page.
    print::RecordingPrintDevice &note()
    {
        return m_pages[m_before + std::max<qint64>(m_device.position().page, 1)];
    }

    print::PdfPrintDevice &m_device;
    Pages &m_pages;
    qint64 m_before;
};

[[nodiscard]] QStringList Calls(const PageRecorder::Pages &pages, qint64 page)
{
    return pages.count(page) ? pages.at(page).log() : QStringList();
}

// The command into a PDF file per document, each call recorded by page; pdfPages() counts the
// files' pages as pdfinfo reads them.
struct PdfRecording final : print::PrintTargetProvider
{
    explicit PdfRecording(const QTemporaryDir &folder)
        : folder(folder)
    {}
    print::PrintDevice &open(print::PrintDocument) override
    {
        files << folder.filePath(QStringLiteral("%1.pdf").arg(files.size()));
        starts << (pdf ? starts.last() + pdf->pageCount() : 0);
        return recorder.emplace(pdf.emplace(print::PdfPrintTarget{{}, files.last(), {}}), pages,
                                starts.last());
    }
    // The pages before the document that holds `page`.
    [[nodiscard]] qint64 before(qint64 page) const
    {
        qint64 start = 0;
        for (const qint64 first : starts)
            start = first < page ? first : start;
        return start;
    }
    [[nodiscard]] int pdfPages() const
    {
        int count = 0;
        for (const QString &file : files)
            count += PdfPageCount(file);
        return count;
    }
    const QTemporaryDir &folder;
    QStringList files;
    QList<qint64> starts; // the pages before each document
    std::optional<print::PdfPrintDevice> pdf;
    std::optional<PageRecorder> recorder;
    PageRecorder::Pages pages;
};

// Counted a day at a time: every day of the chart after its first page is a pause and a resumption.
qint64 CountedPages(print::PreviewPages &pages)
{
    qint64 last = 0;
    while (!pages.countOn(QDeadlineTimer(0))) {
        if (pages.pageCount() < last)
            return -1;
        last = pages.pageCount();
    }
    return pages.pageCount();
}

chart::ChartFields Chart(int days, chart::Spacing spacing, const char *linesPerPage, bool forecast,
                         chart::PrinterType printer = chart::PrinterType::Laser)
{
    return With(
        [&](auto &f) {
            f.person.length = QString::number(days);
            f.preferences.spacing = spacing;
            f.preferences.linesPerPage = QLatin1String(linesPerPage);
            f.preferences.forecast = forecast;
            f.preferences.holidays = f.preferences.dateEachPage = true;
        },
        printer);
}

} // namespace

class TestPreviewPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void samePagesAsThePdfs_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<chart::ChartFields>("fields");
        QTest::addColumn<qint64>("page");
        using enum chart::Spacing;
        const auto matrix = chart::PrinterType::Matrix;
        const int chart = int(PrintCommand::Chart);
        // 80 lines a page are more than the paper holds: the device breaks pages of its own too.
        QTest::newRow("chart, lines, holidays over a year")
            << chart << Chart(400, WithLines, "50", false) << 12LL;
        QTest::newRow("chart, forecast, 80 lines") << chart << Chart(150, Single, "80", true) << 9LL;
        QTest::newRow("chart, forecast, double, 23 lines") << chart << Chart(90, Double, "23", true) << 30LL;
        QTest::newRow("dot-matrix chart, 66 lines")
            << chart << Chart(700, Single, "66", false, matrix) << 11LL;
        QTest::newRow("dot-matrix, forecast, lines")
            << chart << Chart(60, WithLines, "50", true, matrix) << 1LL;
        QTest::newRow("cover sheet and chart")
            << int(PrintCommand::CoverSheetAndChart) << Chart(200, Single, "40", true) << 3LL;
        QTest::newRow("cover sheet") << int(PrintCommand::CoverSheet) << Chart(20, Single, "50", false)
                                     << 1LL;
        QTest::newRow("What Is, dot-matrix")
            << int(PrintCommand::WhatIs) << Chart(1, Single, "50", false, matrix) << 1LL;
    }
    // The preview counts the pages of the PDF files the command writes, and a page it draws makes
    // the calls that page of a PDF's print made, from the same device position.
    void samePagesAsThePdfs()
    {
        QFETCH(int, command);
        QFETCH(chart::ChartFields, fields);
        QFETCH(qint64, page);
        RecordingAlerts alerts;
        print::PreviewPages pages(PrintCommand(command), fields, Today, alerts);
        const qint64 counted = CountedPages(pages);
        QTemporaryDir folder;
        PdfRecording pdf(folder);
        (void)print::RunPrintCommand(PrintCommand(command), fields, Today, pdf, alerts);
        QVERIFY(pdf.pdfPages() > 0);
        QCOMPARE(counted, pdf.pdfPages());
        QVERIFY(pages.counted() && !pages.stoppedShort() && alerts.messages().isEmpty());

        for (const qint64 k : {qint64(1), page, counted}) {
            QImage sheet(60, 85, QImage::Format_RGB32);
            sheet.setDotsPerMeterX(47244), sheet.setDotsPerMeterY(47244);
            QPainter painter(&sheet);
            PageRecorder::Pages drawn;
            std::optional<PageRecorder> recorder;
            pages.drawPage(k, &painter, [&](print::PdfPrintDevice &device) -> print::PrintDevice & {
                return recorder.emplace(device, drawn, pdf.before(k));
            });
            QVERIFY(Calls(pdf.pages, k).size() > 10);
            QCOMPARE(Calls(drawn, k), Calls(pdf.pages, k));
        }
    }
};

TIDEMARK_TEST(TestPreviewPages)
#include "tst_previewpages.moc"
