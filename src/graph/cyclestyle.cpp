#include "graph/cyclestyle.h"

namespace graph {

namespace {

constexpr double PrimaryWidth = 2.5;
constexpr double SecondaryWidth = 1.5;

// By GraphCycle. Okabe-Ito's yellow is left out: it hardly shows on white paper.
constexpr std::array<QRgb, GraphCycleCount> StandardColours = {
    qRgb(128, 0, 0),   qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 128, 0), qRgb(204, 102, 0), qRgb(102, 51, 153)};
constexpr std::array<QRgb, GraphCycleCount> OkabeItoColours = {
    qRgb(213, 94, 0),   qRgb(0, 114, 178),   qRgb(0, 158, 115), qRgb(230, 159, 0),
    qRgb(86, 180, 233), qRgb(204, 121, 167), qRgb(0, 0, 0)};

// Solid, dashed and dotted for the three cycles; dash-dot, dash-dot-dot, long dashes and fine dots
// for the thinner secondary ones.
QList<double> DashesOf(GraphCycle cycle)
{
    switch (cycle) {
    case GraphCycle::Physical:
        return {};
    case GraphCycle::Emotional:
        return {10, 5};
    case GraphCycle::Intellectual:
        return {2.5, 3.5};
    case GraphCycle::Intuitive:
        return {8, 3, 2, 3};
    case GraphCycle::Aesthetic:
        return {8, 3, 2, 3, 2, 3};
    case GraphCycle::Awareness:
        return {16, 5};
    case GraphCycle::Spiritual:
        return {1.5, 3};
    }
    return {};
}

} // namespace

CycleStyle StyleOf(Palette palette, GraphCycle cycle)
{
    const auto &colours = palette == Palette::OkabeIto ? OkabeItoColours : StandardColours;
    return {QColor(colours[std::size_t(cycle)]), DashesOf(cycle),
            IsSecondary(cycle) ? SecondaryWidth : PrimaryWidth};
}

CycleStyle PartnerStyleOf(Palette palette, GraphCycle cycle)
{
    CycleStyle style = StyleOf(palette, cycle);
    style.colour.setAlpha(128);
    style.width /= 2;
    return style;
}

QPen PenOf(const CycleStyle &style, double unit, double dashOffset)
{
    QPen pen(style.colour, style.width * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (style.dashes.isEmpty() || style.width <= 0)
        return pen;
    // Qt measures dashes in pen widths; flat ends keep the dashes and gaps their lengths.
    QList<qreal> pattern;
    for (const double length : style.dashes)
        pattern << length / style.width;
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern(pattern);
    pen.setDashOffset(dashOffset / style.width);
    return pen;
}

} // namespace graph
