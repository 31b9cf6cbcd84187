#include "mainwindow/printpreview.h"

#include "platform/alerts.h"
#include "print/pdfprintdevice.h"

#include <QPainter>
#include <QPrinter>

#include <memory>
#include <utility>

namespace {

// A PdfPrintDevice per document on the preview's painter; a later document starts a new page.
class PreviewTargets final : public print::PrintTargetProvider
{
public:
    PreviewTargets(QPrinter &printer, QPainter &painter, print::ProgressFactory makeProgress)
        : m_printer(printer)
        , m_painter(painter)
        , m_makeProgress(std::move(makeProgress))
    {}
    print::PrintDevice &open(print::PrintDocument) override
    {
        if (m_drawn)
            m_printer.newPage();
        print::PdfPrintTarget target;
        target.painter = &m_painter;
        m_device = std::make_unique<print::PdfPrintDevice>(target);
        return *m_device;
    }
    // A long chart's preview can be called off; the pages drawn so far stay in view.
    print::PrintProgress progress(print::PrintDocument document) override
    {
        if (document != print::PrintDocument::Chart || !m_makeProgress)
            return {};
        return m_makeProgress(QStringLiteral("Preparing the preview of the chart..."));
    }
    void close(print::PrintDocument, print::PrintOutcome outcome) override
    {
        m_drawn = m_drawn || outcome == print::PrintOutcome::Printed;
    }

private:
    QPrinter &m_printer;
    QPainter &m_painter;
    print::ProgressFactory m_makeProgress;
    std::unique_ptr<print::PdfPrintDevice> m_device;
    bool m_drawn = false;
};

} // namespace

void PaintPreview(QPrinter &printer, print::PrintCommand command, const chart::ChartFields &fields,
                  const QString &today, Alerts &alerts, const print::ProgressFactory &makeProgress)
{
    // The resolution and pages of a PDF file, so that the preview breaks the pages where it does.
    printer.setResolution(1200);
    printer.setPageLayout(print::PdfPageLayout({}));
    QPainter painter(&printer);
    PreviewTargets targets(printer, painter, makeProgress);
    print::RunPrintCommand(command, fields, today, targets, alerts);
}
