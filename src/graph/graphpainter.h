#pragma once

#include "chart/chartplan.h"
#include "graph/graphdata.h"
#include "graph/graphlook.h"

#include <QDate>
#include <QList>
#include <QRectF>
#include <QRgb>
#include <QString>

#include <array>

class QPaintDevice;
class QPainter;

// The graph of a chart as one picture, painted by one routine on any device: the screen, a
// QImage, a PDF writer or a printer. A title row (the person; the period in view, or the readout
// of the day under the mouse or the keyboard's day cursor), a legend (with the secondary cycles' readout),
// the three cycles as smooth curves about a centre line (and the secondary cycles switched on, thinner,
// with a legend row of their own), each in its colour and line style (StyleOf), a second person's three
// cycles (PartnerStyleOf) with the days both have a critical day marked, the triple highs and lows as
// bands, the critical days as dots on the curve that crosses, today as a dashed line, and the date axis.
namespace graph {

// Triple highs and lows, as the printed chart's markers.
inline constexpr QRgb TripleColor = qRgb(128, 0, 128);

struct GraphScene
{
    QString title;        // the person, as the text chart's heading names them
    QList<GraphDay> days; // the days in view, in date order
    QDate today;          // marked when it is one of the days
    int hover = -1;       // the day under the mouse, by index in days, for the readout; -1: none
    GraphLook look = {};  // the palette and the secondary cycles drawn
    int cursor = -1;      // the keyboard's day cursor, drawn as a line, read out when no day is hovered
    // A comparison's second person, as typed (empty: none), and their days: the same dates as
    // days, with their own day counts. Their three cycles are drawn thinner and half transparent,
    // and the days on which both have a critical day are marked.
    QString partner = {};
    QString partnerBirth = {}; // as typed
    QList<GraphDay> partnerDays = {};
};

// The scene of the chart days numbered first to first + count - 1.
[[nodiscard]] GraphScene SceneOf(const chart::ChartPlan &plan, qint64 first, qint64 count,
                                 const QDate &today);

// Where the curves stand in an area: the plot rectangle and the width of a day. A day's values
// stand at the middle of its slot; +1 and -1 keep a little room from the plot's edges.
struct GraphLayout
{
    QRectF plot;
    double dayWidth = 0;
    [[nodiscard]] double xOf(double index) const { return plot.left() + (index + 0.5) * dayWidth; }
    [[nodiscard]] double yOf(double value) const { return plot.center().y() - value * plot.height() * 0.45; }
    // The day at x, or -1 when x is outside the plot.
    [[nodiscard]] int indexAt(double x, int dayCount) const;
};

// The rows the legend takes: a second one names the secondary cycles when any is drawn, and two
// more the second person's cycles and their readout when there is one.
[[nodiscard]] int LegendRows(const GraphLook &look, bool partner = false);

// The layout of a scene of dayCount days painted into area on device (whose resolution sizes the
// texts and lines) with a legend of legendRows rows, its texts at textScale times their size on paper.
[[nodiscard]] GraphLayout LayoutGraph(const QRectF &area, int dayCount, const QPaintDevice *device,
                                      int legendRows = 1, double textScale = 1);

// The values of the cycles on a day in percent, each after its name: "Intuitive +48%   Spiritual -12%".
[[nodiscard]] QString CycleValues(const GraphDay &day, const QList<GraphCycle> &cycles);

// The second person's readout row: their name, values and markers on the day read out, or who
// they are when no day is.
[[nodiscard]] QString PartnerReadout(const GraphScene &scene);

void PaintGraph(QPainter &painter, const QRectF &area, const GraphScene &scene, double textScale = 1);

} // namespace graph
