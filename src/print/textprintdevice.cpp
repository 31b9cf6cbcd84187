#include "print/textprintdevice.h"

#include <cmath>

namespace print {

TextPrintDevice::TextPrintDevice(TextOutput output)
    : m_output(std::move(output))
{}

bool TextPrintDevice::accepting()
{
    if (m_ended)
        return false;
    if (!m_started) {
        m_started = true;
        if (!m_output)
            m_pages.append(QStringList());
    }
    return true;
}

void TextPrintDevice::print(const QString &text, bool endLine)
{
    if (!accepting())
        return;
    const auto column = std::size_t(m_column);
    const auto *const chars = reinterpret_cast<const char16_t *>(text.constData());
    if (m_line.size() <= column) {
        m_line.resize(column, u' ');
        m_line.append(chars, std::size_t(text.size()));
    } else {
        m_line.replace(column, std::size_t(text.size()), chars, std::size_t(text.size()));
    }
    m_column += int(text.size());
    if (endLine)
        closeLine();
}

void TextPrintDevice::endLine()
{
    if (accepting())
        closeLine();
}

void TextPrintDevice::closeLine()
{
    if (m_output) {
        m_line += u'\n';
        m_output(m_line);
    } else {
        m_pages.last().append(QString::fromStdU16String(m_line));
    }
    m_line.clear();
    m_column = 0;
}

void TextPrintDevice::tab(int column)
{
    if (!accepting())
        return;
    const int target = std::max(column, 1) - 1;
    if (m_column > target)
        closeLine();
    m_column = target;
}

void TextPrintDevice::setCurrentX(double twips)
{
    if (accepting())
        m_column = std::max(0, int(std::floor(twips / TwipsPerColumn + 0.5)));
}

void TextPrintDevice::newPage()
{
    if (!accepting())
        return;
    if (!m_line.empty())
        closeLine();
    m_line.clear();
    m_column = 0;
    if (m_output)
        m_output(u"\f");
    else
        m_pages.append(QStringList());
}

void TextPrintDevice::endDoc()
{
    if (m_ended)
        return;
    if (!m_line.empty())
        closeLine();
    m_ended = true;
}

void TextPrintDevice::abort()
{
    m_pages.clear();
    m_line.clear();
    m_ended = true;
}

QList<QStringList> TextPrintDevice::pages() const
{
    return m_pages;
}

QString TextPrintDevice::text() const
{
    QString out;
    for (qsizetype p = 0; p < m_pages.size(); ++p) {
        if (p > 0)
            out += QLatin1Char('\f');
        for (const QString &line : m_pages[p])
            out += line + QLatin1Char('\n');
    }
    return out;
}

} // namespace print
