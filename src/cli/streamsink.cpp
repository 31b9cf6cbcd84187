#include "cli/streamsink.h"

namespace cli {

namespace {

constexpr qsizetype BufferChars = 1 << 16;

} // namespace

StreamLineSink::StreamLineSink(std::FILE *out)
    : m_out(out)
{
    m_buffer.reserve(BufferChars + 1024);
}

bool StreamLineSink::line(QStringView text)
{
    m_buffer += text;
    m_buffer += QLatin1Char('\n');
    if (m_buffer.size() >= BufferChars)
        return flush();
    return !m_failed;
}

bool StreamLineSink::flush()
{
    if (!m_buffer.isEmpty() && !m_failed) {
        const QByteArray bytes = m_buffer.toUtf8();
        m_failed = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out) != size_t(bytes.size());
    }
    m_buffer.resize(0);
    m_failed = m_failed || std::fflush(m_out) != 0;
    return !m_failed;
}

} // namespace cli
