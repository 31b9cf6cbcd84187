#include "print/printlayout.h"

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

PrintColors::PrintColors(bool inColor)
{
    m_rgb.fill(Palette[0]);
    if (inColor)
        m_rgb = Palette;
}

} // namespace print
