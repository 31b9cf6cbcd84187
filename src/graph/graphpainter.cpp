#include "graph/graphpainter.h"

#include "chart/cycles.h"
#include "graph/graphaxis.h"
#include "graph/graphtext.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace graph {

namespace {

constexpr qsizetype PieceLength = 64;

QFont FontOf(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Sizes in pixels of a 96-dpi screen, scaled to the device, and the fonts, at textScale times
// their design size, measured on it.
struct Style
{
    Style(const QPaintDevice *device, double textScale)
        : unit(device->logicalDpiY() / 96.0)
        , text(FontOf(9 * textScale, false))
        , title(FontOf(11 * textScale, true))
        , textMetrics(text, device)
        , titleMetrics(title, device)
    {}
    double unit;
    QFont text;
    QFont title;
    QFontMetricsF textMetrics;
    QFontMetricsF titleMetrics;
};

// The rows above and below the plot.
struct Rows
{
    QRectF title;
    QRectF legend;
    QRectF axis;
};

Rows RowsOf(const QRectF &area, const GraphLayout &layout, const Style &style, int legendRows)
{
    const double u = style.unit;
    const QRectF title(area.left() + 6 * u, area.top() + 4 * u, area.width() - 12 * u,
                       style.titleMetrics.height());
    const QRectF legend(title.left(), title.bottom() + 4 * u, title.width(),
                        legendRows * style.textMetrics.height());
    const QRectF axis(area.left(), layout.plot.bottom(), area.width(), area.bottom() - layout.plot.bottom());
    return {title, legend, axis};
}

// The cycle a crossing marker belongs to; -1 for the triple markers.
int CycleOfMarker(chart::DayMarker marker)
{
    switch (marker) {
    case chart::DayMarker::EmotionalCrossing:
        return int(chart::Cycle::Emotional);
    case chart::DayMarker::PhysicalUp:
    case chart::DayMarker::PhysicalDown:
        return int(chart::Cycle::Physical);
    case chart::DayMarker::IntellectualUp:
    case chart::DayMarker::IntellectualDown:
        return int(chart::Cycle::Intellectual);
    case chart::DayMarker::TripleHigh:
    case chart::DayMarker::TripleLow:
        break;
    }
    return -1;
}

// The person on the left, the readout or the period on the right; where both do not fit, the
// person's name gives way.
void PaintHeader(QPainter &painter, const Rows &rows, const GraphScene &scene, const Style &style)
{
    const int shown = scene.hover >= 0 ? scene.hover : scene.cursor;
    const QString right = shown >= 0 && shown < scene.days.size()
                              ? DayReadout(scene.days[shown], Wording::Short)
                              : PeriodText(scene.days, Wording::Short);
    const double width = rows.title.width();
    const double rightWidth = std::min(style.textMetrics.horizontalAdvance(right), width);
    painter.setPen(Qt::black);
    painter.setFont(style.title);
    painter.drawText(rows.title, Qt::AlignLeft | Qt::AlignVCenter,
                     style.titleMetrics.elidedText(scene.title, Qt::ElideRight,
                                                   std::max(0.0, width - rightWidth - 12 * style.unit)));
    painter.setFont(style.text);
    painter.drawText(rows.title, Qt::AlignRight | Qt::AlignVCenter,
                     style.textMetrics.elidedText(right, Qt::ElideRight, width));
}

bool BothCritical(const GraphScene &scene, int index)
{
    return index < scene.partnerDays.size() && chart::IsCriticalDay(scene.days[index].day) &&
           chart::IsCriticalDay(scene.partnerDays[index].day);
}

// The mark of a day on which both people of a comparison have a critical day: a small triangle
// pointing down at `tip`.
void PaintBothCriticalMark(QPainter &painter, QPointF tip, double unit)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QPointF corners[] = {tip, tip + QPointF(-4 * unit, -7 * unit), tip + QPointF(4 * unit, -7 * unit)};
    painter.drawPolygon(corners, 3);
}

// The three cycles and the marks in the first row; the secondary cycles drawn, if any, in a second,
// which ends with their values on the day read out (the title row has the three cycles'); a
// second person's cycles in the last row, which ends with their readout.
void PaintLegend(QPainter &painter, const QRectF &rows, const GraphScene &scene, const Style &style)
{
    const GraphLook &look = scene.look;
    const double u = style.unit;
    // Long enough to show two dashes of every line style.
    const double sample = 30 * u;
    QRectF row(rows.topLeft(), QSizeF(rows.width(), style.textMetrics.height()));
    double y = row.center().y();
    double x = row.left();
    auto label = [&](const QString &text) {
        painter.setPen(Qt::black);
        const double width = style.textMetrics.horizontalAdvance(text);
        painter.drawText(QRectF(x, row.top(), width + u, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        x += width + 14 * u;
    };
    auto mark = [&](const CycleStyle &cycleStyle, const QString &name) {
        painter.setPen(PenOf(cycleStyle, u));
        painter.drawLine(QPointF(x, y), QPointF(x + sample, y));
        x += sample + 4 * u;
        label(name);
    };
    auto nextRow = [&] {
        row.translate(0, row.height());
        y = row.center().y();
        x = row.left();
    };
    const int shown = scene.hover >= 0 ? scene.hover : scene.cursor;
    const QList<GraphCycle> cycles = DrawnCycles(look);
    for (int cycle = 0; cycle < CycleCount; ++cycle)
        mark(StyleOf(look.palette, cycles[cycle]), CycleName(cycles[cycle]));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(x + 3 * u, y), 3 * u, 3 * u);
    x += 10 * u;
    //: The graph's legend: the mark of a critical day.
    label(QCoreApplication::translate("Graph", "critical day"));
    QColor band(TripleColor);
    band.setAlpha(60);
    painter.fillRect(QRectF(x, row.top() + 2 * u, 10 * u, row.height() - 4 * u), band);
    x += 14 * u;
    //: The graph's legend: the band of a triple high day above the centre line, a triple low below it.
    label(QCoreApplication::translate("Graph", "triple high (above) or low (below)"));
    painter.setPen(QPen(Qt::darkGray, 1.5 * u, Qt::DashLine));
    painter.drawLine(QPointF(x + 5 * u, row.top()), QPointF(x + 5 * u, row.bottom()));
    x += 14 * u;
    //: The graph's legend and the mark on the graph: the line of today's date.
    label(QCoreApplication::translate("Graph", "today"));
    if (cycles.size() > CycleCount) {
        nextRow();
        for (qsizetype k = CycleCount; k < cycles.size(); ++k)
            mark(StyleOf(look.palette, cycles[k]), CycleName(cycles[k]));
        // The values keep to the room the marks leave: on a narrow graph they are shortened.
        if (shown >= 0 && shown < scene.days.size()) {
            const QString values = CycleValues(scene.days[shown], cycles.mid(CycleCount));
            painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter,
                             style.textMetrics.elidedText(values, Qt::ElideRight, row.right() - x));
        }
    }
    if (scene.partner.isEmpty())
        return;
    nextRow();
    for (int cycle = 0; cycle < CycleCount; ++cycle) {
        mark(PartnerStyleOf(look.palette, cycles[cycle]),
             //: The second person's cycle in the graph's legend: "Your Name, physical".
             QCoreApplication::translate("Graph", "%1, %2")
                 .arg(scene.partner, CycleName(cycles[cycle]).toLower()));
    }
    PaintBothCriticalMark(painter, QPointF(x + 4 * u, y + 3.5 * u), u);
    x += 12 * u;
    //: The graph's legend: the mark of a day on which both people compared have a critical day.
    label(QCoreApplication::translate("Graph", "critical day of both"));
    nextRow();
    painter.setPen(Qt::black);
    painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
                     style.textMetrics.elidedText(PartnerReadout(scene), Qt::ElideRight, row.width()));
}

// Consecutive days of a triple high (or low) make one band, above (or below) the centre line.
void PaintTripleBands(QPainter &painter, const GraphLayout &layout, const GraphScene &scene)
{
    QColor band(TripleColor);
    band.setAlpha(45);
    const double centre = layout.yOf(0);
    for (const chart::DayMarker kind : {chart::DayMarker::TripleHigh, chart::DayMarker::TripleLow}) {
        const double top = kind == chart::DayMarker::TripleHigh ? layout.plot.top() : centre;
        const double bottom = kind == chart::DayMarker::TripleHigh ? centre : layout.plot.bottom();
        for (int k = 0; k < scene.days.size();) {
            const auto &markers = scene.days[k].markers;
            if (std::find(markers.begin(), markers.end(), kind) == markers.end()) {
                ++k;
                continue;
            }
            const int first = k;
            while (k < scene.days.size() &&
                   std::find(scene.days[k].markers.begin(), scene.days[k].markers.end(), kind) !=
                       scene.days[k].markers.end())
                ++k;
            const double left = layout.xOf(first - 0.5);
            painter.fillRect(QRectF(left, top, layout.xOf(k - 0.5) - left, bottom - top), band);
        }
    }
}

void PaintAxis(QPainter &painter, const GraphLayout &layout, const Rows &rows, const GraphScene &scene,
               const Style &style)
{
    const double u = style.unit;
    const QFontMetricsF &fm = style.textMetrics;
    const double labelWidth = fm.horizontalAdvance(QStringLiteral("00-00-0000")) + 12 * u;
    painter.setFont(style.text);
    for (const AxisLabel &label : AxisLabels(scene.days, layout.dayWidth, labelWidth)) {
        const double x = layout.xOf(label.index);
        painter.setPen(QPen(QColor(220, 220, 220), u));
        painter.drawLine(QPointF(x, layout.plot.top()), QPointF(x, layout.plot.bottom()));
        painter.setPen(QPen(Qt::black, u));
        painter.drawLine(QPointF(x, layout.plot.bottom()), QPointF(x, layout.plot.bottom() + 4 * u));
        // The first and last labels stay whole inside the area.
        const double left = std::clamp(x - labelWidth / 2, rows.axis.left(), rows.axis.right() - labelWidth);
        const QRectF box(left, rows.axis.top() + 5 * u, labelWidth, fm.height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, label.weekday);
        painter.drawText(box.translated(0, fm.height()), Qt::AlignHCenter | Qt::AlignTop, label.date);
    }
}

void PaintFrame(QPainter &painter, const GraphLayout &layout, const Style &style)
{
    const double u = style.unit;
    painter.setPen(QPen(QColor(160, 160, 160), u));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.plot);
    painter.setPen(QPen(Qt::black, u));
    painter.drawLine(QPointF(layout.plot.left(), layout.yOf(0)), QPointF(layout.plot.right(), layout.yOf(0)));
    painter.setFont(style.text);
    const double width = layout.plot.left() - 8 * u;
    const double height = style.textMetrics.height();
    for (const auto &[value, text] : {std::pair(1.0, "(+)"), std::pair(0.0, "(0)"), std::pair(-1.0, "(-)")})
        painter.drawText(QRectF(u, layout.yOf(value) - height / 2, width, height),
                         Qt::AlignRight | Qt::AlignVCenter, QLatin1String(text));
}

void PaintToday(QPainter &painter, const GraphLayout &layout, const GraphScene &scene, const Style &style)
{
    if (scene.days.isEmpty() || !scene.today.isValid())
        return;
    const qint64 index = chart::DateOf(scene.days.first().day).daysTo(scene.today);
    if (index < 0 || index >= scene.days.size())
        return;
    const double u = style.unit;
    const double x = layout.xOf(double(index));
    painter.setPen(QPen(Qt::darkGray, 1.5 * u, Qt::DashLine));
    painter.drawLine(QPointF(x, layout.plot.top()), QPointF(x, layout.plot.bottom()));
    painter.setFont(style.text);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x + 3 * u, layout.plot.top() + style.textMetrics.ascent() + 2 * u),
                     QCoreApplication::translate("Graph", "today"));
}

// The value of a cycle at a day count, whole or not.
double ValueAt(GraphCycle cycle, double dayCount)
{
    return IsSecondary(cycle)
               ? chart::SecondaryValue(dayCount, chart::SecondaryCycle(int(cycle) - CycleCount))
               : chart::CycleValue(dayCount, chart::Cycle(cycle));
}

// A curve is sampled at least once a day and about every 2 pixels, always on the whole days
// (where it takes the day's values exactly), from half a day before the first day to half a day
// after the last.
void PaintCurve(QPainter &painter, const GraphLayout &layout, const Style &style, int count, GraphCycle cycle,
                double firstCount, CycleStyle cycleStyle)
{
    const int perDay = std::max(1, int(std::ceil(layout.dayWidth / (2 * style.unit))));
    QPolygonF curve;
    curve.reserve(qsizetype(count - 1) * perDay + 3);
    auto add = [&](double t) {
        curve.append(QPointF(layout.xOf(t), layout.yOf(ValueAt(cycle, firstCount + t))));
    };
    add(-0.5);
    for (int k = 0; k < count - 1; ++k) {
        for (int j = 0; j < perDay; ++j)
            add(k + double(j) / perDay);
    }
    add(count - 1);
    add(count - 0.5);
    // Dense curves are drawn thin, so that they stay apart where they turn.
    if (layout.dayWidth < 4 * style.unit)
        cycleStyle.width *= 0.4;
    // Past a day a pixel, a curve swings up and down within a pixel or two, where no dash could
    // be followed: it is drawn solid, which also keeps the repaint of ten years within a frame.
    if (layout.dayWidth < style.unit)
        cycleStyle.dashes.clear();
    // A long thick polyline is stroked as one outline that crosses itself at every turn of the
    // curve; short pieces keep the stroking linear in the number of points. Each piece goes on
    // with the dashes where the one before left them.
    double along = 0;
    for (qsizetype from = 0; from + 1 < curve.size(); from += PieceLength) {
        const qsizetype points = std::min(PieceLength + 1, curve.size() - from);
        painter.setPen(PenOf(cycleStyle, style.unit, along / style.unit));
        painter.drawPolyline(curve.constData() + from, int(points));
        for (qsizetype k = from + 1; !cycleStyle.dashes.isEmpty() && k < from + points; ++k)
            along += QLineF(curve[k - 1], curve[k]).length();
    }
}

// A second person's cycles go under all others, the secondary cycles under the three of the chart.
void PaintCurves(QPainter &painter, const GraphLayout &layout, const GraphScene &scene, const Style &style)
{
    const int count = int(scene.days.size());
    if (scene.partnerDays.size() == count) {
        for (int cycle = 0; cycle < CycleCount; ++cycle)
            PaintCurve(painter, layout, style, count, GraphCycle(cycle),
                       scene.partnerDays.first().day.dayCount,
                       PartnerStyleOf(scene.look.palette, GraphCycle(cycle)));
    }
    QList<GraphCycle> cycles = DrawnCycles(scene.look);
    std::rotate(cycles.begin(), cycles.begin() + CycleCount, cycles.end());
    for (const GraphCycle cycle : cycles)
        PaintCurve(painter, layout, style, count, cycle, scene.days.first().day.dayCount,
                   StyleOf(scene.look.palette, cycle));
}

// A mark at the top of the plot over each day on which both people have a critical day.
void PaintBothCritical(QPainter &painter, const GraphLayout &layout, const GraphScene &scene,
                       const Style &style)
{
    for (int k = 0; k < scene.days.size(); ++k) {
        if (BothCritical(scene, k))
            PaintBothCriticalMark(painter, QPointF(layout.xOf(k), layout.plot.top() + 7 * style.unit),
                                  style.unit);
    }
}

void PaintCriticalDots(QPainter &painter, const GraphLayout &layout, const GraphScene &scene,
                       const Style &style)
{
    const double radius = std::clamp(layout.dayWidth * 0.6, style.unit, 3 * style.unit);
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < scene.days.size(); ++k) {
        const GraphDay &day = scene.days[k];
        for (const chart::DayMarker marker : day.markers) {
            const int cycle = CycleOfMarker(marker);
            if (cycle < 0)
                continue;
            painter.setBrush(StyleOf(scene.look.palette, GraphCycle(cycle)).colour);
            painter.drawEllipse(QPointF(layout.xOf(k), layout.yOf(day.values[cycle])), radius, radius);
        }
    }
}

// The day under the mouse as a thin grey line, the keyboard's day cursor as a thicker black one.
void PaintDayLines(QPainter &painter, const GraphLayout &layout, const GraphScene &scene, const Style &style)
{
    for (const auto &[index, pen] : {std::pair(scene.hover, QPen(QColor(90, 90, 90), style.unit)),
                                     std::pair(scene.cursor, QPen(Qt::black, 2 * style.unit))}) {
        if (index < 0 || index >= scene.days.size())
            continue;
        const double x = layout.xOf(index);
        painter.setPen(pen);
        painter.drawLine(QPointF(x, layout.plot.top()), QPointF(x, layout.plot.bottom()));
    }
}

} // namespace

GraphScene SceneOf(const chart::ChartPlan &plan, qint64 first, qint64 count, const QDate &today)
{
    return {plan.name.toUpper() + QStringLiteral(" - ") + plan.birthText, GraphDays(plan, first, count),
            today};
}

int GraphLayout::indexAt(double x, int dayCount) const
{
    if (dayWidth <= 0 || x < plot.left() || x >= plot.right())
        return -1;
    const int index = int((x - plot.left()) / dayWidth);
    return index < dayCount ? index : -1;
}

int LegendRows(const GraphLook &look, bool partner)
{
    return (DrawnCycles(look).size() > CycleCount ? 2 : 1) + (partner ? 2 : 0);
}

QString PartnerReadout(const GraphScene &scene)
{
    const int shown = scene.hover >= 0 ? scene.hover : scene.cursor;
    if (shown < 0 || shown >= scene.partnerDays.size())
        //: The second person's row of the graph's legend: "Compared with Your Name, born 07-04-1988".
        return QCoreApplication::translate("Graph", "Compared with %1, born %2")
            .arg(scene.partner, scene.partnerBirth);
    const GraphDay &day = scene.partnerDays[shown];
    QStringList parts{scene.partner + QLatin1Char(':'), CycleValues(day, DrawnCycles({}))};
    for (const chart::DayMarker marker : day.markers)
        parts << chart::MarkerText(marker).trimmed().toString();
    return parts.join(QStringLiteral("   "));
}

QString CycleValues(const GraphDay &day, const QList<GraphCycle> &cycles)
{
    QStringList parts;
    for (const GraphCycle cycle : cycles)
        parts << CycleName(cycle) + QLatin1Char(' ') + PercentText(day.values[std::size_t(cycle)]);
    return parts.join(QStringLiteral("   "));
}

GraphLayout LayoutGraph(const QRectF &area, int dayCount, const QPaintDevice *device, int legendRows,
                        double textScale)
{
    const Style style(device, textScale);
    const double u = style.unit;
    const QFontMetricsF &fm = style.textMetrics;
    const double top =
        area.top() + 4 * u + style.titleMetrics.height() + 4 * u + legendRows * fm.height() + 8 * u;
    const double bottom = area.bottom() - (5 * u + 2 * fm.height() + 4 * u);
    const double left = area.left() + fm.horizontalAdvance(QStringLiteral("(+)")) + 14 * u;
    const double right = area.right() - 10 * u;
    GraphLayout layout;
    layout.plot = QRectF(QPointF(left, top), QPointF(std::max(left, right), std::max(top, bottom)));
    layout.dayWidth = dayCount > 0 ? layout.plot.width() / dayCount : 0;
    return layout;
}

void PaintGraph(QPainter &painter, const QRectF &area, const GraphScene &scene, double textScale)
{
    const Style style(painter.device(), textScale);
    const int legendRows = LegendRows(scene.look, !scene.partner.isEmpty());
    const GraphLayout layout =
        LayoutGraph(area, int(scene.days.size()), painter.device(), legendRows, textScale);
    const Rows rows = RowsOf(area, layout, style, legendRows);
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintTripleBands(painter, layout, scene);
    PaintAxis(painter, layout, rows, scene, style);
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintHeader(painter, rows, scene, style);
    PaintLegend(painter, rows.legend, scene, style);
    PaintFrame(painter, layout, style);
    PaintToday(painter, layout, scene, style);
    if (!scene.days.isEmpty()) {
        PaintCurves(painter, layout, scene, style);
        PaintCriticalDots(painter, layout, scene, style);
        PaintBothCritical(painter, layout, scene, style);
    }
    PaintDayLines(painter, layout, scene, style);
    painter.restore();
}

} // namespace graph
