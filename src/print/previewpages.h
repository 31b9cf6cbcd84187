#pragma once

#include "chart/chartfields.h"
#include "platform/alerts.h"
#include "print/pdfprintdevice.h"
#include "print/printcommands.h"

#include <QDeadlineTimer>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace print {

// The pages of a print command's documents as a preview shows them: the pages that PDF files of
// them have, one document after the other, counted a little at a time and drawn one at a time.
// Both run the print routines themselves on PdfPrintDevices that write nothing (PreviewSheet).
// The count runs the print command; as it goes it keeps, for each page of the chart, the last
// day that ended on it. A page of the chart is drawn by printing the chart on from the last day
// that ended on an earlier page, up to the page's end; a page of the cover sheet or of the
// "What Is" sheet (a page or two) by printing that document from its start.
class PreviewPages
{
public:
    // The fields have passed the chart's checks; refusals met while counting still go to `alerts`.
    PreviewPages(PrintCommand command, chart::ChartFields fields, QString today, Alerts &alerts);
    ~PreviewPages();
    PreviewPages(const PreviewPages &) = delete;
    PreviewPages &operator=(const PreviewPages &) = delete;

    // Counts on until the deadline has passed, and at least until the first page is complete;
    // true once counting has ended.
    bool countOn(const QDeadlineTimer &deadline);
    // Whether counting has ended: every page is counted, or counting stopped (stoppedShort()).
    [[nodiscard]] bool counted() const { return m_stage == Stage::Counted || m_stage == Stage::Stopped; }
    // Whether counting stopped before the chart's end: the chart could not be laid out further.
    [[nodiscard]] bool stoppedShort() const { return m_stage == Stage::Stopped; }
    // The pages known to be complete; every page once counted().
    [[nodiscard]] qint64 pageCount() const;
    // The share of the chart's days laid out so far, 0 to 1.
    [[nodiscard]] double share() const;
    // The paper and margins of every page.
    [[nodiscard]] static QPageLayout pageLayout();

    // The device a print routine prints on, given the PdfPrintDevice that lays the page out: that
    // device itself, or one that passes every call on to it (tests record them so).
    using PrintOn = std::function<PrintDevice &(PdfPrintDevice &)>;
    // Draws page `page` (from 1 to pageCount(); the first page also before it is complete) on a
    // painter as PreviewSheet describes; with no painter it only lays the page out.
    void drawPage(qint64 page, QPainter *painter, const PrintOn &printOn = {}) const;

private:
    enum class Stage { Begin, InChart, Counted, Stopped };
    class CountTargets;
    // A chart point and where the device stood at it.
    struct Resumption
    {
        ChartPrintPoint point;
        SheetPosition sheet;
    };
    struct Document
    {
        PrintDocument document;
        qint64 pages;
    };

    [[nodiscard]] PdfPrintDevice countingDevice() const;
    // Keeps the point where the chart's printing stands; false once the deadline calls a pause.
    bool chartDayEnded(const ChartPrintPoint &point, const PdfPrintDevice &device);
    void chartEnded(PrintOutcome outcome, const PdfPrintDevice &device);

    PrintCommand m_command;
    chart::ChartFields m_fields;
    QString m_today;
    Alerts &m_alerts;
    qint64 m_chartDays = 0;
    Stage m_stage = Stage::Begin;
    QDeadlineTimer m_deadline;
    bool m_paused = false;
    std::vector<Document> m_documents;     // those counted to their end, in order
    qint64 m_chartPage = 0;                // the chart's page being counted, while it is
    std::vector<Resumption> m_resumptions; // the last of each page that has one, in page order
};

} // namespace print
