#pragma once

#include "chart/screenchart.h"

#include <QString>

#include <cstdio>

namespace cli {

// Writes lines as UTF-8 with "\n" line ends, gathering them in a small buffer so that a chart of
// any length streams at full speed and is never held whole.
class StreamLineSink final : public chart::LineSink
{
public:
    explicit StreamLineSink(std::FILE *out);
    bool line(QStringView text) override;
    // Writes what is buffered; false when the stream refused it.
    bool flush();

private:
    std::FILE *m_out;
    QString m_buffer;
    bool m_failed = false;
};

} // namespace cli
