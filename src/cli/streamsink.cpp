#include "cli/streamsink.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cli {

namespace {

constexpr qsizetype BufferBytes = 1 << 20;

} // namespace

StreamLineSink::StreamLineSink(std::FILE *out)
    : m_out(out)
    , m_buffer(BufferBytes, Qt::Uninitialized)
{}

bool StreamLineSink::line(QStringView text)
{
    return put(text, true);
}

bool StreamLineSink::write(QStringView text)
{
    return put(text, false);
}

bool StreamLineSink::put(QStringView text, bool endLine)
{
    const qsizetype size = text.size() + (endLine ? 1 : 0);
    if (BufferBytes - m_used < size && !writeBuffer())
        return false;
    if (size <= BufferBytes - m_used) {
        // Chart text is ASCII: copied as it is checked, each character one byte.
        char *const out = m_buffer.data() + m_used;
        char16_t bits = 0;
        const char16_t *const in = text.utf16();
        for (qsizetype n = 0; n < text.size(); ++n) {
            bits |= in[n];
            out[n] = char(in[n]);
        }
        if (bits < 0x80) {
            if (endLine)
                out[text.size()] = '\n';
            m_used += size;
            return !m_failed;
        }
    }
    const QByteArray bytes = endLine ? (text.toString() + QLatin1Char('\n')).toUtf8() : text.toUtf8();
    putBytes(bytes.constData(), bytes.size());
    return !m_failed;
}

void StreamLineSink::putBytes(const char *bytes, qsizetype size)
{
    while (size > 0 && !m_failed) {
        if (m_used == BufferBytes)
            writeBuffer();
        const qsizetype part = std::min(size, BufferBytes - m_used);
        std::memcpy(m_buffer.data() + m_used, bytes, size_t(part));
        m_used += part;
        bytes += part;
        size -= part;
    }
}

bool StreamLineSink::writeBuffer()
{
    if (m_used > 0 && !m_failed &&
        std::fwrite(m_buffer.constData(), 1, size_t(m_used), m_out) != size_t(m_used))
        fail();
    m_used = 0;
    return !m_failed;
}

bool StreamLineSink::flush()
{
    writeBuffer();
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
