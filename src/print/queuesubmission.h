#pragma once

#include "platform/wording.h"

#include <QString>

namespace print {

// Hands a finished PDF document to a system print queue with the print system's `lp`, and
// waits until the queue has taken it. Returns an empty string when the queue accepted the
// job, otherwise a sentence in `words` that says what failed.
[[nodiscard]] QString SubmitToQueue(const QString &pdfFile, const QString &queue, const QString &title,
                                    const QString &media, Wording words = KeepEnglish);

} // namespace print
