#include "graph/graphpainter.h"

#include "calendar/calendar.h"
#include "chart/cycles.h"
#include "graph/graphaxis.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace graph {

namespace {

constexpr qsizetype PieceLength = 64;

constexpr std::array<const char *, CycleCount> CycleNames = {"Physical", "Emotional", "Intellectual"};

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

Rows RowsOf(const QRectF &area, const GraphLayout &layout, const Style &style)
{
    const double u = style.unit;
    const QRectF title(area.left() + 6 * u, area.top() + 4 * u, area.width() - 12 * u,
                       style.titleMetrics.height());
    const QRectF legend(title.left(), title.bottom() + 4 * u, title.width(), style.textMetrics.height());
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

QString ValueText(double value)
{
    return (value >= 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', 2);
}

QString DayText(const chart::ChartDay &day)
{
    return calendar::WeekdayAbbrev(day.weekday) + QLatin1Char(' ') +
           calendar::FormatDateText(day.month, day.day, day.year);
}

// The date, the day count, the three values and the markers of one day.
QString Readout(const GraphDay &day)
{
    QStringList parts{DayText(day.day), QStringLiteral("day %1").arg(qint64(day.day.dayCount))};
    for (int cycle = 0; cycle < CycleCount; ++cycle)
        parts << QLatin1String(CycleNames[cycle]) + QLatin1Char(' ') + ValueText(day.values[cycle]);
    for (const chart::DayMarker marker : day.markers)
        parts << chart::MarkerText(marker).trimmed().toString();
    return parts.join(QStringLiteral("   "));
}

void PaintHeader(QPainter &painter, const Rows &rows, const GraphScene &scene, const Style &style)
{
    QString right;
    if (scene.hover >= 0 && scene.hover < scene.days.size())
        right = Readout(scene.days[scene.hover]);
    else if (!scene.days.isEmpty())
        right = DayText(scene.days.first().day) + QStringLiteral(" to ") + DayText(scene.days.last().day);
    // The person's name gives way to the period or the readout: a name too long for what they
    // leave of the row is shortened.
    const double room = rows.title.width() - style.textMetrics.horizontalAdvance(right) - 12 * style.unit;
    painter.setPen(Qt::black);
    painter.setFont(style.title);
    painter.drawText(rows.title, Qt::AlignLeft | Qt::AlignVCenter,
                     style.titleMetrics.elidedText(scene.title, Qt::ElideRight, room));
    painter.setFont(style.text);
    painter.drawText(rows.title, Qt::AlignRight | Qt::AlignVCenter, right);
}

void PaintLegend(QPainter &painter, const QRectF &row, const Style &style)
{
    const double u = style.unit;
    const double sample = 18 * u;
    const double y = row.center().y();
    double x = row.left();
    auto label = [&](const QString &text) {
        painter.setPen(Qt::black);
        const double width = style.textMetrics.horizontalAdvance(text);
        painter.drawText(QRectF(x, row.top(), width + u, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        x += width + 14 * u;
    };
    for (int cycle = 0; cycle < CycleCount; ++cycle) {
        painter.setPen(QPen(QColor(CycleColors[cycle]), 2.5 * u));
        painter.drawLine(QPointF(x, y), QPointF(x + sample, y));
        x += sample + 4 * u;
        label(QLatin1String(CycleNames[cycle]));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(x + 3 * u, y), 3 * u, 3 * u);
    x += 10 * u;
    label(QStringLiteral("critical day"));
    QColor band(TripleColor);
    band.setAlpha(60);
    painter.fillRect(QRectF(x, row.top() + 2 * u, 10 * u, row.height() - 4 * u), band);
    x += 14 * u;
    label(QStringLiteral("triple high (above) or low (below)"));
    painter.setPen(QPen(Qt::darkGray, 1.5 * u, Qt::DashLine));
    painter.drawLine(QPointF(x + 5 * u, row.top()), QPointF(x + 5 * u, row.bottom()));
    x += 14 * u;
    label(QStringLiteral("today"));
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
                     QStringLiteral("today"));
}

// Each curve is sampled at least once a day and about every 2 pixels, always on the whole days
// (where it takes the day's values exactly), from half a day before the first day to half a day
// after the last.
void PaintCurves(QPainter &painter, const GraphLayout &layout, const GraphScene &scene, const Style &style)
{
    const int count = int(scene.days.size());
    const int perDay = std::max(1, int(std::ceil(layout.dayWidth / (2 * style.unit))));
    const double firstCount = scene.days.first().day.dayCount;
    // Dense curves are drawn thin, so that they stay apart where they turn.
    const double width = layout.dayWidth >= 4 * style.unit ? 2.5 * style.unit : style.unit;
    QPen pen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPolygonF curve;
    curve.reserve(qsizetype(count - 1) * perDay + 3);
    for (int cycle = 0; cycle < CycleCount; ++cycle) {
        curve.clear();
        auto add = [&](double t) {
            curve.append(
                QPointF(layout.xOf(t), layout.yOf(chart::CycleValue(firstCount + t, chart::Cycle(cycle)))));
        };
        add(-0.5);
        for (int k = 0; k < count - 1; ++k) {
            for (int j = 0; j < perDay; ++j)
                add(k + double(j) / perDay);
        }
        add(count - 1);
        add(count - 0.5);
        pen.setColor(QColor(CycleColors[cycle]));
        painter.setPen(pen);
        // A long thick polyline is stroked as one outline that crosses itself at every turn of the
        // curve; short pieces keep the stroking linear in the number of points.
        for (qsizetype from = 0; from + 1 < curve.size(); from += PieceLength)
            painter.drawPolyline(curve.constData() + from,
                                 int(std::min(PieceLength + 1, curve.size() - from)));
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
            painter.setBrush(QColor(CycleColors[cycle]));
            painter.drawEllipse(QPointF(layout.xOf(k), layout.yOf(day.values[cycle])), radius, radius);
        }
    }
}

void PaintHover(QPainter &painter, const GraphLayout &layout, const GraphScene &scene, const Style &style)
{
    if (scene.hover < 0 || scene.hover >= scene.days.size())
        return;
    const double x = layout.xOf(scene.hover);
    painter.setPen(QPen(QColor(90, 90, 90), style.unit));
    painter.drawLine(QPointF(x, layout.plot.top()), QPointF(x, layout.plot.bottom()));
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

GraphLayout LayoutGraph(const QRectF &area, int dayCount, const QPaintDevice *device, double textScale)
{
    const Style style(device, textScale);
    const double u = style.unit;
    const QFontMetricsF &fm = style.textMetrics;
    const double top = area.top() + 4 * u + style.titleMetrics.height() + 4 * u + fm.height() + 8 * u;
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
    const GraphLayout layout = LayoutGraph(area, int(scene.days.size()), painter.device(), textScale);
    const Rows rows = RowsOf(area, layout, style);
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintTripleBands(painter, layout, scene);
    PaintAxis(painter, layout, rows, scene, style);
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintHeader(painter, rows, scene, style);
    PaintLegend(painter, rows.legend, style);
    PaintFrame(painter, layout, style);
    PaintToday(painter, layout, scene, style);
    if (!scene.days.isEmpty()) {
        PaintCurves(painter, layout, scene, style);
        PaintCriticalDots(painter, layout, scene, style);
    }
    PaintHover(painter, layout, scene, style);
    painter.restore();
}

} // namespace graph
