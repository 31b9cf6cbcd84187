#include "chart/chartwalk.h"
#include "chart/cycles.h"
#include "chartfixture.h"
#include "graph/graphaxis.h"
#include "graph/graphoutput.h"
#include "graph/graphwidget.h"
#include "print/pdfpages.h"
#include "support/testmain.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

chart::ChartPlan Plan(const QString &birth, const QString &start, const QString &length)
{
    return PlanOf(TypedFields(birth, start, length));
}

// Where a cycle's curve stands at day t (a fraction of a day after the first day in view).
QPointF CurveAt(const graph::GraphScene &scene, const graph::GraphLayout &layout, graph::GraphCycle cycle,
                double t)
{
    const double count = scene.days.first().day.dayCount + t;
    const int k = int(cycle) - graph::CycleCount;
    return {layout.xOf(t), layout.yOf(k < 0 ? chart::CycleValue(count, chart::Cycle(cycle))
                                            : chart::SecondaryValue(count, chart::SecondaryCycle(k)))};
}

} // namespace

class TestGraph : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameDaysAsTheTextChart_data();
    void sameDaysAsTheTextChart();
    void axisLabelsThinOut_data();
    void axisLabelsThinOut();
    void curvesWhereTheValuesAre_data();
    void curvesWhereTheValuesAre();
    void partnerCurvesAndMarks();
    void legendReadoutKeepsClear();
    void savedFiles();
    void panelKeysWheelAndMouse();
};

void TestGraph::sameDaysAsTheTextChart_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("first"); // of the days asked for
    QTest::newRow("across a birthday") << "05-20-1990"
                                       << "05-01-2025" << 0;
    QTest::newRow("the day of birth, counts below 0") << "05-20-1990"
                                                      << "04-01-1990" << 0;
    QTest::newRow("across a century, 02-29") << "02-29-1996"
                                             << "12-01-2099" << 0;
    QTest::newRow("from 02-31") << "07-04-1976"
                                << "02-31-2001" << 0;
    QTest::newRow("a view far into the chart") << "07-04-1976"
                                               << "01-01-2000" << 987;
}

// The days, their markers and their values are those of the text chart's walk, corrected count
// and all; a value times the cycle's amplitude falls in the day's grid column.
void TestGraph::sameDaysAsTheTextChart()
{
    QFETCH(QString, birth);
    QFETCH(QString, start);
    QFETCH(int, first);
    const chart::ChartPlan plan = Plan(birth, start, "1500");
    const QList<graph::GraphDay> days = graph::GraphDays(plan, first, 400);
    QCOMPARE(days.size(), 400);
    chart::ChartWalk walk(plan);
    for (int k = 0; k < first; ++k)
        walk.next();
    for (const graph::GraphDay &day : days) {
        QVERIFY(walk.next());
        QCOMPARE(day.day, walk.day());
        QCOMPARE(day.markers, chart::DayMarkers(walk.day()));
        const std::array positions = {day.day.p, day.day.e, day.day.i};
        for (int cycle = 0; cycle < graph::CycleCount; ++cycle) {
            int column = int(std::floor(day.values[cycle] * chart::Cycles[cycle].amplitude)) + 50;
            column += column < 49 ? 1 : 0;
            QCOMPARE(column, positions[cycle]);
        }
    }
    QCOMPARE(graph::GraphDays(plan, 1400, 400).size(), 100);
}

void TestGraph::axisLabelsThinOut_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("step"); // days between two labels, at least
    QTest::newRow("two weeks: every day") << 14 << 1;
    QTest::newRow("three months: every week or more") << 92 << 7;
    QTest::newRow("ten years: every year or more") << 3653 << 365;
}

void TestGraph::axisLabelsThinOut()
{
    QFETCH(int, days);
    QFETCH(int, step);
    const auto graphDays = graph::GraphDays(Plan("05-20-1990", "01-01-2025", "4000"), 0, days);
    const auto labels = graph::AxisLabels(graphDays, 1000.0 / days, 70);
    QVERIFY(labels.size() >= 2);
    for (qsizetype k = 1; k < labels.size(); ++k)
        QVERIFY(labels[k].index - labels[k - 1].index >= std::max(step, int(std::ceil(70 * days / 1000.0))));
    QCOMPARE(labels.first().date, calendar::FormatDateText(graphDays[labels.first().index].day.month,
                                                           graphDays[labels.first().index].day.day,
                                                           graphDays[labels.first().index].day.year));
}

void TestGraph::curvesWhereTheValuesAre_data()
{
    QTest::addColumn<graph::GraphLook>("look");
    QTest::addColumn<QList<QRgb>>("colours"); // of the cycles drawn
    QTest::newRow("standard") << graph::GraphLook{} << QList<QRgb>{0x800000, 0x000080, 0x008000};
    QTest::newRow("okabe-ito, every secondary cycle")
        << graph::GraphLook{graph::Palette::OkabeIto, {true, true, true, true}}
        << QList<QRgb>{0xD55E00, 0x0072B2, 0x009E73, 0xE69F00, 0x56B4E9, 0xCC79A7, 0x000000};
    QTest::newRow("standard, two secondary cycles")
        << graph::GraphLook{graph::Palette::Standard, {0, 1, 0, 1}}
        << QList<QRgb>{0x800000, 0x000080, 0x008000, 0x808000, 0x663399};
}

// Walking along each curve drawn where it stands clear of the others, of the centre line and of
// the dots, its colour is there on many days.
// In grey, the three cycles' curves differ by their dashes: the physical one never breaks, the
// emotional one's dashes are much longer than the intellectual one's dots.
void TestGraph::curvesWhereTheValuesAre()
{
    QFETCH(graph::GraphLook, look);
    QFETCH(QList<QRgb>, colours);
    graph::GraphScene scene = graph::SceneOf(Plan("05-20-1990", "05-01-2025", "60"), 0, 60, {});
    scene.look = look;
    const QImage image = graph::GraphImage(scene, QSize(1200, 600));
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const auto layout = graph::LayoutGraph(QRectF(0, 0, 1200, 600), 60, &image, graph::LegendRows(look));
    const QList<graph::GraphCycle> cycles = graph::DrawnCycles(look);
    QCOMPARE(cycles.size(), colours.size());
    auto clear = [&](graph::GraphCycle cycle, double t) {
        const double y = CurveAt(scene, layout, cycle, t).y();
        for (const graph::GraphCycle other : cycles)
            if (other != cycle && std::abs(CurveAt(scene, layout, other, t).y() - y) < 10)
                return false;
        return std::abs(y - layout.yOf(0)) > 6 && scene.days[int(std::lround(t))].markers.count == 0;
    };
    std::array<QList<double>, graph::CycleCount> inkRuns;
    std::array<int, graph::CycleCount> gaps{};
    for (qsizetype c = 0; c < cycles.size(); ++c) {
        const QColor colour(colours[c]);
        const int threshold = (255 + qGray(colour.rgb())) / 2;
        QSet<int> days; // where the colour was found
        double run = 0;
        bool inked = false, whole = false; // whole: the run began where the curve stood clear
        QPointF last = CurveAt(scene, layout, cycles[c], 0);
        for (double t = 0; t < 59; t += 0.002) {
            const QPointF point = CurveAt(scene, layout, cycles[c], t);
            const double step = QLineF(std::exchange(last, point), point).length();
            if (!clear(cycles[c], t)) {
                whole = false;
                continue;
            }
            const QPoint pixel(int(std::floor(point.x())), int(std::floor(point.y())));
            const QColor seen = image.pixelColor(pixel);
            if (std::abs(seen.red() - colour.red()) + std::abs(seen.green() - colour.green()) +
                    std::abs(seen.blue() - colour.blue()) <
                24)
                days.insert(int(t));
            if (c >= graph::CycleCount || (qGray(grey.pixel(pixel)) < threshold) == inked) {
                run += step;
                continue;
            }
            if (whole && inked)
                inkRuns[c] << run;
            gaps[c] += whole && !inked;
            inked = !inked, run = 0, whole = true;
        }
        QVERIFY2(days.size() >= 15, qPrintable(QString("cycle %1: %2 days").arg(c).arg(days.size())));
    }
    for (auto &runs : inkRuns)
        std::sort(runs.begin(), runs.end());
    QCOMPARE(gaps[0], 0);
    QVERIFY(inkRuns[1].size() >= 20 && inkRuns[2].size() >= 20);
    QVERIFY(inkRuns[1][inkRuns[1].size() / 2] > 2 * inkRuns[2][inkRuns[2].size() / 2]);
}

// A second person's three curves stand where their own chart's values are, each in its cycle's
// colour at half strength over the white; the days both have a critical day, and those only, have
// a mark at the top of the plot.
void TestGraph::partnerCurvesAndMarks()
{
    graph::GraphScene scene = graph::SceneOf(Plan("05-20-1990", "05-20-2025", "60"), 0, 60, {});
    scene.partner = "Lee Sample";
    scene.partnerDays = graph::GraphDays(Plan("07-04-1988", "05-20-2025", "60"), 0, 60);
    const QImage image = graph::GraphImage(scene, QSize(1200, 600));
    const auto layout = graph::LayoutGraph(QRectF(0, 0, 1200, 600), 60, &image, graph::LegendRows({}, true));
    auto curveAt = [&](const QList<graph::GraphDay> &days, int cycle, double t) {
        return QPointF(layout.xOf(t),
                       layout.yOf(chart::CycleValue(days.first().day.dayCount + t, chart::Cycle(cycle))));
    };
    for (int cycle = 0; cycle < graph::CycleCount; ++cycle) {
        const QColor full = graph::StyleOf(graph::Palette::Standard, graph::GraphCycle(cycle)).colour;
        QSet<int> days; // where the half-strength colour was found
        for (double t = 0; t < 59; t += 0.002) {
            const QPointF point = curveAt(scene.partnerDays, cycle, t);
            bool clear = std::abs(point.y() - layout.yOf(0)) > 6 && point.y() > layout.plot.top() + 12;
            for (int other = 0; other < 2 * graph::CycleCount; ++other) {
                const auto &days = other < graph::CycleCount ? scene.days : scene.partnerDays;
                if (other != cycle + graph::CycleCount &&
                    std::abs(curveAt(days, other % graph::CycleCount, t).y() - point.y()) < 10)
                    clear = false;
            }
            const QColor seen = image.pixelColor(int(std::floor(point.x())), int(std::floor(point.y())));
            auto near = [&](auto strength) {
                return std::abs(seen.red() - strength(full.red())) +
                           std::abs(seen.green() - strength(full.green())) +
                           std::abs(seen.blue() - strength(full.blue())) <
                       30;
            };
            if (clear && near([](int c) { return (c + 255) / 2; }))
                days.insert(int(t));
            // Never the full colour: even where the line covers a whole pixel, half the white shows through.
            QVERIFY(!clear || !near([](int c) { return c; }));
        }
        QVERIFY2(days.size() >= 15, qPrintable(QString("cycle %1: %2 days").arg(cycle).arg(days.size())));
    }
    int marks = 0;
    for (int k = 0; k < 60; ++k) {
        const bool both =
            chart::IsCriticalDay(scene.days[k].day) && chart::IsCriticalDay(scene.partnerDays[k].day);
        const QColor seen = image.pixelColor(int(layout.xOf(k)), int(layout.plot.top()) + 3);
        QCOMPARE(seen.lightness() < 60, both);
        marks += both;
    }
    QCOMPARE(marks, 2);
}

// The secondary cycles' values on the day under the mouse show in the legend's second row, where
// its marks and names leave room, on a wide graph and a narrow one: they never draw over them.
void TestGraph::legendReadoutKeepsClear()
{
    graph::GraphScene plain = graph::SceneOf(Plan("05-20-1990", "05-01-2025", "60"), 0, 60, {});
    plain.look.secondary = {true, true, true, true};
    graph::GraphScene hovered = plain;
    hovered.hover = 20;
    for (const QSize size : {QSize(1200, 500), QSize(640, 500)}) {
        const QImage before = graph::GraphImage(plain, size), after = graph::GraphImage(hovered, size);
        const double top = graph::LayoutGraph(QRectF(QPoint(), size), 60, &before, 2).plot.top();
        int drawn = 0;
        for (int y = int(top - 8 - QFontMetricsF(QFont("Arial", 9), &before).height()); y < int(top); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (after.pixel(x, y) != before.pixel(x, y)) {
                    QCOMPARE(before.pixel(x, y), qRgb(255, 255, 255));
                    ++drawn;
                }
            }
        }
        QVERIFY(drawn > 200);
    }
}

// PNG and PDF files of the picture, the PDF with its title; a name too long for the title row is
// shortened before the period; a file that cannot be written is said so.
void TestGraph::savedFiles()
{
    QTemporaryDir folder;
    chart::ChartPlan plan = Plan("05-20-1990", "05-01-2025", "90");
    plan.name = QStringLiteral("Christopher Alexander Montgomery-Wolfe ").repeated(6);
    const graph::GraphScene scene = graph::SceneOf(plan, 0, 90, {});
    QCOMPARE(graph::SaveGraphPng(folder.filePath("g.png"), scene, QSize(640, 400)), QString());
    QCOMPARE(QImage(folder.filePath("g.png")).size(), QSize(640, 400));
    QCOMPARE(graph::SaveGraphPdf(folder.filePath("g.pdf"), scene, "Tidemark graph - Pat"), QString());
    QCOMPARE(PdfInfoField(folder.filePath("g.pdf"), "Title"), QStringLiteral("Tidemark graph - Pat"));
    QCOMPARE(PdfPageCount(folder.filePath("g.pdf")), 1);
    QCOMPARE(PdfPlacementFault(folder.filePath("g.pdf"), 0), QString());
    QVERIFY(PdfText(folder.filePath("g.pdf"), {}).contains("CHRISTOPHER ALEXANDER MONTGOMERY-WOLFE"));
    QVERIFY(graph::SaveGraphPdf(folder.filePath("none/g.pdf"), scene, {}).contains("could not be written"));
}

// + and - and the wheel zoom, the arrows move the day cursor, End and Page Up the view and the
// cursor, the mouse picks a day, Escape asks to close.
void TestGraph::panelKeysWheelAndMouse()
{
    GraphWidget panel;
    panel.resize(800, 400);
    panel.setChart(Plan("05-20-1990", "05-01-2025", "5000"), QDate(2025, 5, 3));
    panel.show();
    QCOMPARE(panel.daysInView(), GraphWidget::MaxDaysInView);
    QTest::keyClick(&panel, Qt::Key_Plus);
    QCOMPARE(panel.daysInView(), qRound(GraphWidget::MaxDaysInView / 1.25));
    QTest::keyClick(&panel, Qt::Key_End);
    QCOMPARE(panel.firstDay() + panel.daysInView(), 5000);
    QCOMPARE(panel.cursorIndex(), panel.daysInView() - 1);
    // A page back stops at the first day; the cursor goes back a whole page.
    QTest::keyClick(&panel, Qt::Key_PageUp);
    QCOMPARE(panel.firstDay(), 0);
    QCOMPARE(panel.cursorIndex(), 4999 - panel.daysInView());
    QWheelEvent wheel(QPointF(400, 200), panel.mapToGlobal(QPointF(400, 200)), {}, QPoint(0, 120 * 30), {},
                      {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(panel.viewport(), &wheel);
    QCOMPARE(panel.daysInView(), GraphWidget::MinDaysInView);
    QCOMPARE(panel.scene().days.size(), GraphWidget::MinDaysInView);
    QCOMPARE(chart::DateOf(panel.scene().days.last().day), QDate(2025, 5, 1).addDays(panel.firstDay() + 6));
    // Right moves the day cursor, and the view follows it past the last day in view.
    QTest::keyClick(&panel, Qt::Key_Home);
    for (int day = 0; day < GraphWidget::MinDaysInView; ++day)
        QTest::keyClick(&panel, Qt::Key_Right);
    QCOMPARE(panel.firstDay(), 1);
    QCOMPARE(panel.cursorIndex(), GraphWidget::MinDaysInView - 1);
    const auto layout = graph::LayoutGraph(panel.viewport()->rect(), panel.daysInView(), panel.viewport());
    QTest::mouseMove(panel.viewport(), QPoint(int(layout.xOf(2)), 100));
    QTRY_COMPARE(panel.hoverIndex(), 2);
    QSignalSpy closing(&panel, &GraphWidget::closeRequested);
    QTest::keyClick(&panel, Qt::Key_Escape);
    QCOMPARE(closing.size(), 1);
}

TIDEMARK_TEST(TestGraph)
#include "tst_graph.moc"
