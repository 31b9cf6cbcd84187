// Times the composition of screen charts: days per second for charts of 1,000, 100,000 and
// 1,000,000 days, with and without the daily forecast, best of a few runs. Not a test; run it
// from a Release build. `tidemark_bench --rate DAYS [forecast]` prints only the days per second
// of one length, best of three, for bench/run.sh.
#include "calendar/profile.h"
#include "chart/chartplan.h"
#include "chart/screenchart.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Takes every line and keeps only their size, as a stream to a terminal would.
class CountingSink final : public chart::LineSink
{
public:
    bool line(QStringView text) override
    {
        m_chars += text.size() + 1;
        return true;
    }
    [[nodiscard]] qint64 chars() const { return m_chars; }

private:
    qint64 m_chars = 0;
};

chart::ChartPlan planOf(qint64 days, bool forecast)
{
    calendar::PersonBoxes boxes;
    boxes.birth = QStringLiteral("05-20-1990");
    boxes = calendar::BirthdateChanged(boxes).boxes;
    boxes.start = QStringLiteral("01-01-1900");
    boxes = calendar::StartDateChanged(boxes).boxes;
    boxes.length = QString::number(days);
    chart::ChartFields fields;
    fields.person = boxes;
    fields.name = QStringLiteral("Your Name");
    fields.preferences.holidays = true;
    fields.preferences.forecast = forecast;
    fields.preferences.spacing = chart::Spacing::WithLines;
    return chart::PlanChart(fields).value_or(chart::ChartPlan{});
}

struct Timing
{
    double seconds = 0;
    qint64 chars = 0;
};

Timing timeStreamed(const chart::ChartPlan &plan)
{
    QElapsedTimer timer;
    timer.start();
    CountingSink sink;
    chart::ComposeScreenChart(plan, sink);
    return {double(timer.nsecsElapsed()) / 1e9, sink.chars()};
}

Timing timeIntoString(const chart::ChartPlan &plan)
{
    QElapsedTimer timer;
    timer.start();
    const QString text = chart::ScreenChartText(plan);
    return {double(timer.nsecsElapsed()) / 1e9, text.size()};
}

void report(const char *what, qint64 days, bool forecast, int runs,
            Timing (*measure)(const chart::ChartPlan &))
{
    const chart::ChartPlan plan = planOf(days, forecast);
    Timing best{1e30, 0};
    for (int n = 0; n < runs; ++n) {
        const Timing t = measure(plan);
        if (t.seconds < best.seconds)
            best = t;
    }
    std::printf("%-8s %9lld days  %-11s %9.4f s  %12.0f days/s  %11lld chars\n", what,
                static_cast<long long>(days), forecast ? "forecast" : "no forecast", best.seconds,
                double(days) / best.seconds, static_cast<long long>(best.chars));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && std::strcmp(argv[1], "--rate") == 0) {
        const qint64 days = std::atoll(argv[2]);
        const chart::ChartPlan plan = planOf(days, argc >= 4 && std::strcmp(argv[3], "forecast") == 0);
        double best = 1e30;
        for (int n = 0; n < 3; ++n)
            best = std::min(best, timeStreamed(plan).seconds);
        std::printf("%.0f\n", double(days) / best);
        return 0;
    }
    for (const bool forecast : {false, true}) {
        report("stream", 1000, forecast, 20, timeStreamed);
        report("stream", 100000, forecast, 5, timeStreamed);
        report("stream", 1000000, forecast, 3, timeStreamed);
    }
    // What the window holds: one string, its size reserved from the estimate.
    for (const bool forecast : {false, true}) {
        report("string", 1000, forecast, 20, timeIntoString);
        report("string", 100000, forecast, 5, timeIntoString);
    }
    return 0;
}
