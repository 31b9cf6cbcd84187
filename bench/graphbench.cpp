// Times the graph's repaint: the panel, offscreen at 1200 by 700 pixels, showing a 10-year chart
// period whole, and the same scene painted into a picture; then the panel again with the four
// secondary cycles drawn too. The graph must repaint within a frame of the screen (16 ms). Not a test; run it
// from a Release build with QT_QPA_PLATFORM=offscreen. With a file name, it also saves the panel's picture
// there as a PNG; with a number of days after it, that picture shows only so many days, for looking at the
// graph closer.
#include "calendar/profile.h"
#include "chart/chartplan.h"
#include "graph/graphoutput.h"
#include "graph/graphwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    chart::ChartFields fields;
    fields.name = QStringLiteral("Pat Example");
    fields.person.start = QStringLiteral("01-01-2025");
    fields.person = calendar::StartDateChanged(fields.person).boxes;
    fields.person.birth = QStringLiteral("05-20-1990");
    fields.person = calendar::BirthdateChanged(fields.person).boxes;
    fields.person.length = QStringLiteral("3653");
    fields.person = calendar::LengthChanged(fields.person);
    const auto plan = chart::PlanChart(fields);
    if (!plan)
        return 1;

    GraphWidget graph;
    graph.resize(1200, 700);
    graph.setChart(*plan, QDate(2026, 7, 1));
    graph.show();
    QApplication::processEvents();

    constexpr int runs = 50;
    auto time = [](auto &&paint) {
        std::array<double, runs> times{};
        for (double &t : times) {
            QElapsedTimer timer;
            timer.start();
            paint();
            t = double(timer.nsecsElapsed()) / 1e6;
        }
        std::sort(times.begin(), times.end());
        return std::pair(times.front(), times[runs / 2]);
    };
    std::printf("%-38s %8s %8s\n", "10 years (3653 days) in view", "best ms", "median");
    const auto [bestPanel, medianPanel] = time([&graph] { graph.viewport()->repaint(); });
    std::printf("%-38s %8.2f %8.2f\n", "repaint of the panel, 1200 x 700", bestPanel, medianPanel);
    const graph::GraphScene scene = graph.scene();
    const auto [bestImage, medianImage] =
        time([&scene] { (void)graph::GraphImage(scene, QSize(1200, 700)); });
    std::printf("%-38s %8.2f %8.2f\n", "picture, 1200 x 700", bestImage, medianImage);
    graph.setLook({graph::Palette::Standard, {true, true, true, true}});
    const auto [bestAll, medianAll] = time([&graph] { graph.viewport()->repaint(); });
    std::printf("%-38s %8.2f %8.2f\n", "the panel with the secondary cycles", bestAll, medianAll);
    graph.setLook({});
    if (argc > 2)
        graph.setView(0, std::atoi(argv[2]));
    if (argc > 1)
        graph.grab().save(QString::fromLocal8Bit(argv[1]));
    return 0;
}
