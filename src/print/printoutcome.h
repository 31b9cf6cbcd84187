#pragma once

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

} // namespace print
