#pragma once

#include "chart/screenchart.h"

#include <QByteArray>
#include <QString>

#include <cstdio>

namespace cli {

// Writes lines as UTF-8 with "\n" line ends, gathering them in one large buffer so that a chart of
// any length streams at full speed in few writes and is never held whole. The first failed write
// or flush is kept, with the system's reason for it.
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
    // The stream written to.
    [[nodiscard]] std::FILE *stream() const { return m_out; }

private:
    bool put(QStringView text, bool endLine);
    void putBytes(const char *bytes, qsizetype size);
    bool writeBuffer();
    void fail();

    std::FILE *m_out;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    int m_errno = 0;
    bool m_failed = false;
};

} // namespace cli
