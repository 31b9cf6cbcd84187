#pragma once

#include "print/pdfprintdevice.h"

#include <QPageSize>
#include <QString>

#include <optional>

// The print queues of the system, as the print system (CUPS, through Qt's print support) knows
// them: the window prints on them; the command-line tool never does.
namespace print {

// The queue of this name: its default paper (or `paper`, when valid), the border its printer
// cannot print on, and a hand-over to the print system's `lp`. A queue the print system does not
// know comes without a hand-over, so printing on it fails with "not available".
[[nodiscard]] PrintQueue SystemQueue(const QString &name, const QPageSize &paper = QPageSize());

// The default print queue, else the first one installed; none when the machine has no queue.
[[nodiscard]] std::optional<PrintQueue> DefaultSystemQueue();

} // namespace print
