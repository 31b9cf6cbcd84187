#pragma once

#include "print/printdevice.h"

#include <QtGlobal>

#include <functional>

namespace print {

// How a print routine ended.
enum class PrintOutcome {
    Printed,   // the whole document went to the printer
    Refused,   // a check on the fields failed; its message was shown and nothing was printed
    Failed,    // the printer failed; the document was abandoned (the device says what failed)
    Cancelled, // the user called the document off; it was abandoned
};

// Called as a document progresses, with the days printed so far and the days to print;
// returns false to call the document off.
using PrintProgress = std::function<bool(qint64 done, qint64 total)>;

// Ends a printed document: sends it when the printer has kept up, abandons it otherwise.
inline PrintOutcome EndDocument(PrintDevice &device)
{
    if (!device.ok()) {
        device.abort();
        return PrintOutcome::Failed;
    }
    device.endDoc();
    return device.ok() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace print
