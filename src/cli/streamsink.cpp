#include "cli/streamsink.h"

#include <cerrno>
#include <cstring>

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

bool StreamLineSink::write(QStringView text)
{
    m_buffer += text;
    if (m_buffer.size() >= BufferChars)
        return flush();
    return !m_failed;
}

bool StreamLineSink::flush()
{
    if (!m_buffer.isEmpty() && !m_failed) {
        const QByteArray bytes = m_buffer.toUtf8();
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out) != size_t(bytes.size()))
            fail();
    }
    m_buffer.resize(0);
    // A flush that fails drops what the stream held and may then report success; the stream's
    // error flag keeps the failure.
    if (!m_failed && (std::fflush(m_out) != 0 || std::ferror(m_out)))
        fail();
    return !m_failed;
}

QString StreamLineSink::error() const
{
    return QString::fromLocal8Bit(std::strerror(m_errno));
}

void StreamLineSink::fail()
{
    m_errno = errno;
    m_failed = true;
}

} // namespace cli
