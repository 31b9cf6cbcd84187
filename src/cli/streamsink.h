#pragma once

#include "chart/screenchart.h"

#include <QString>

#include <cstdio>

namespace cli {

// Writes lines as UTF-8 with "\n" line ends, gathering them in a small buffer so that a chart of
// any length streams at full speed and is never held whole. The first failed write or flush is
// kept, with the system's reason for it.
class StreamLineSink final : public chart::LineSink
{
public:
    explicit StreamLineSink(std::FILE *out);
    bool line(QStringView text) override;
    // Text as it is, line ends included.
    bool write(QStringView text);
    // Writes what is buffered and flushes the stream; false when the stream refused anything.
    bool flush();
    // Why the stream refused: the system's words for the error ("No space left on device").
    [[nodiscard]] QString error() const;

private:
    void fail();

    std::FILE *m_out;
    QString m_buffer;
    int m_errno = 0;
    bool m_failed = false;
};

} // namespace cli
