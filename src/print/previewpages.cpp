#include "print/previewpages.h"

#include "chart/chartplan.h"
#include "print/coversheet.h"
#include "print/whatissheet.h"

#include <algorithm>
#include <optional>

namespace print {

namespace {

// A target on which the document is laid out but drawn only on `page` of `painter`.
PdfPrintTarget SheetTarget(QPainter *painter = nullptr, qint64 page = 0)
{
    PdfPrintTarget target;
    target.preview = PreviewSheet{painter, page};
    return target;
}

// The messages of a document drawn again: the count has told them already.
class Unheard final : public Alerts
{
public:
    void critical(const QString &, const QString &) override {}
    void plain(const QString &, const QString &) override {}
};

} // namespace

// The printers of the count: a device that draws nothing for each document, the chart's points
// kept as it goes.
class PreviewPages::CountTargets final : public PrintTargetProvider
{
public:
    explicit CountTargets(PreviewPages &pages)
        : m_pages(pages)
    {}
    PrintDevice &open(PrintDocument) override { return m_device.emplace(SheetTarget()); }
    ChartPrintPoints chartPoints() override
    {
        return [this](const ChartPrintPoint &point) { return m_pages.chartDayEnded(point, *m_device); };
    }
    void close(PrintDocument document, PrintOutcome outcome) override
    {
        if (document == PrintDocument::Chart)
            m_pages.chartEnded(outcome, *m_device);
        else if (outcome == PrintOutcome::Printed)
            m_pages.m_documents.push_back({document, m_device->position().page});
    }

private:
    PreviewPages &m_pages;
    std::optional<PdfPrintDevice> m_device;
};

PreviewPages::PreviewPages(PrintCommand command, chart::ChartFields fields, QString today, Alerts &alerts)
    : m_command(command)
    , m_fields(std::move(fields))
    , m_today(std::move(today))
    , m_alerts(alerts)
{
    if (const auto plan = chart::PlanChart(m_fields))
        m_chartDays = plan->length;
}

PreviewPages::~PreviewPages() = default;

QPageLayout PreviewPages::pageLayout()
{
    return PdfPageLayout(SheetTarget());
}

qint64 PreviewPages::pageCount() const
{
    qint64 pages = std::max<qint64>(m_chartPage - 1, 0);
    for (const Document &document : m_documents)
        pages += document.pages;
    return pages;
}

double PreviewPages::share() const
{
    if (counted() || m_resumptions.empty() || m_chartDays <= 0)
        return counted() ? 1 : 0;
    return double(m_resumptions.back().point.walk.done) / double(m_chartDays);
}

bool PreviewPages::chartDayEnded(const ChartPrintPoint &point, const PdfPrintDevice &device)
{
    const SheetPosition sheet = device.position();
    m_chartPage = sheet.page;
    if (!m_resumptions.empty() && m_resumptions.back().sheet.page == sheet.page)
        m_resumptions.back() = {point, sheet};
    else
        m_resumptions.push_back({point, sheet});
    m_paused = m_deadline.hasExpired() && pageCount() > 0;
    return !m_paused;
}

void PreviewPages::chartEnded(PrintOutcome outcome, const PdfPrintDevice &device)
{
    if (outcome == PrintOutcome::Cancelled && m_paused) {
        m_stage = Stage::InChart;
        return;
    }
    m_chartPage = 0;
    if (outcome == PrintOutcome::Printed)
        m_documents.push_back({PrintDocument::Chart, device.position().page});
    m_stage = outcome == PrintOutcome::Printed || outcome == PrintOutcome::Refused ? Stage::Counted
                                                                                   : Stage::Stopped;
}

bool PreviewPages::countOn(const QDeadlineTimer &deadline)
{
    m_deadline = deadline;
    m_paused = false;
    if (m_stage == Stage::Begin) {
        // The command as it prints, its messages included; a chart that pauses is left InChart.
        m_stage = Stage::Counted;
        CountTargets targets(*this);
        (void)RunPrintCommand(m_command, m_fields, m_today, targets, m_alerts);
    } else if (m_stage == Stage::InChart) {
        // On from the last day laid out, as RunPrintCommand prints the chart.
        PdfPrintDevice device(SheetTarget());
        (void)SetUpPrinterFont(device, m_fields);
        device.setPosition(m_resumptions.back().sheet);
        chartEnded(PrintChartFrom(m_resumptions.back().point, m_fields, m_today, device,
                                  [this, &device](const ChartPrintPoint &point) {
                                      return chartDayEnded(point, device);
                                  }),
                   device);
    }
    return counted();
}

void PreviewPages::drawPage(qint64 page, QPainter *painter, const PrintOn &printOn) const
{
    // The document that holds the page, and the page's number in it; past the documents counted
    // to their end, the chart still being counted.
    PrintDocument document = PrintDocument::Chart;
    bool found = false;
    for (const Document &counted : m_documents) {
        if (page <= counted.pages) {
            document = counted.document;
            found = true;
            break;
        }
        page -= counted.pages;
    }
    if (!found && m_stage != Stage::InChart)
        return;
    PdfPrintDevice sheet(SheetTarget(painter, page));
    PrintDevice &device = printOn ? printOn(sheet) : sheet;
    Unheard alerts;
    if (document != PrintDocument::Chart) {
        // RunPrintCommand's steps for one document.
        if (document == PrintDocument::WhatIs)
            PrintWhatIsSheet(device, m_fields);
        else if (SetUpPrinterFont(device, m_fields))
            (void)PrintCoverSheet(m_fields, device, alerts);
        return;
    }
    // The chart stops once the page is complete, on from the last day that ended before it.
    const auto pageDone = [&sheet, page](const ChartPrintPoint &) { return sheet.position().page <= page; };
    if (!SetUpPrinterFont(device, m_fields))
        return;
    const auto after = std::lower_bound(m_resumptions.cbegin(), m_resumptions.cend(), page,
                                        [](const Resumption &r, qint64 p) { return r.sheet.page < p; });
    if (after == m_resumptions.cbegin()) {
        (void)PrintChart(m_fields, m_today, device, alerts, {}, pageDone);
        return;
    }
    const Resumption &from = *std::prev(after);
    sheet.setPosition(from.sheet);
    (void)PrintChartFrom(from.point, m_fields, m_today, device, pageDone);
}

} // namespace print
