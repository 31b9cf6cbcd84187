#include "print/printlayout.h"

#include <QList>
#include <QTextBoundaryFinder>

namespace print {

namespace {
constexpr int UnitsPerPage = 80;
constexpr std::array<QRgb, 6> Palette = {qRgb(0, 0, 0),     qRgb(0, 0, 128), qRgb(0, 128, 0),
                                         qRgb(0, 128, 128), qRgb(128, 0, 0), qRgb(128, 0, 128)};
} // namespace

Placer::Placer(PrintDevice &device, Layout layout)
    : m_device(device)
    , m_layout(layout)
{
    if (layout == Layout::Page)
        m_unit = device.pageWidth() / UnitsPerPage;
}

void Placer::place(int column, int units)
{
    if (m_layout == Layout::Character)
        m_device.tab(column);
    else
        m_device.setCurrentX(units * m_unit);
}

QString ElidedToWidth(const QString &text, double width,
                      const std::function<double(const QString &)> &measure)
{
    if (measure(text) <= width)
        return text;
    // The first `characters` characters, without the blanks at their end, and the ellipsis.
    QList<qsizetype> ends{0}; // where the first n characters end, by n
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    while (boundaries.toNextBoundary() > 0)
        ends.append(boundaries.position());
    const auto cut = [&](qsizetype characters) {
        QString shown = text.left(ends[characters]);
        while (shown.endsWith(u' '))
            shown.chop(1);
        return shown + QChar(0x2026);
    };
    if (measure(cut(0)) > width)
        return {};
    // Widths only grow with the length, so the most characters that fit are found by halving.
    qsizetype low = 0;
    qsizetype high = ends.size() - 2;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (measure(cut(middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return cut(low);
}

PrintColors::PrintColors(bool inColor)
{
    m_rgb.fill(Palette[0]);
    if (inColor)
        m_rgb = Palette;
}

} // namespace print
