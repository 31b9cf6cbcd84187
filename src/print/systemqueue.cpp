#include "print/systemqueue.h"

#include "print/queuesubmission.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace print {

PrintQueue SystemQueue(const QString &name, const QPageSize &paper)
{
    PrintQueue queue{name, paper, {}, {}};
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return queue;
    // The printer's own page layout gives the paper and, for that paper, the printable border.
    QPrinter printer(info, QPrinter::HighResolution);
    if (paper.isValid())
        printer.setPageSize(paper);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    queue.paper = layout.pageSize();
    queue.border = layout.minimumMargins();
    queue.handOver = [name, media = queue.paper.key()](const QString &pdfFile, const QString &title,
                                                       Wording words) {
        return SubmitToQueue(pdfFile, name, title, media, words);
    };
    return queue;
}

std::optional<PrintQueue> DefaultSystemQueue()
{
    QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty())
        name = QPrinterInfo::availablePrinterNames().value(0);
    if (name.isEmpty())
        return std::nullopt;
    return SystemQueue(name);
}

} // namespace print
