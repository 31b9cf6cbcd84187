#pragma once

#include "chart/chartplan.h"

#include <QString>
#include <QStringView>

#include <functional>

// The screen chart as text: the heading block, then for each day its special-day lines, its
// day line, and its forecast block or spacing line. Composed in one pass, in time linear in the
// number of days, into a sink that takes one line at a time (without its line end), so a window
// can gather it into one reserved string and a terminal tool can stream it.
namespace chart {

class LineSink
{
public:
    virtual ~LineSink() = default;
    // Takes one line; returns false to stop the chart.
    virtual bool line(QStringView text) = 0;
};

// Gathers the lines into a string, each followed by "\n".
class StringLineSink final : public LineSink
{
public:
    explicit StringLineSink(QString &out)
        : m_out(out)
    {}
    bool line(QStringView text) override;

private:
    QString &m_out;
};

// Called every ProgressInterval days with the days written so far and the chart's length;
// returns false to cancel.
using ChartProgress = std::function<bool(qint64 done, qint64 total)>;
inline constexpr qint64 ProgressInterval = 4096;

// The message for a chart too long to show, in English; the window's message boxes show it in the
// user's language, as they do the input checks' messages.
inline constexpr const char *NotEnoughMemoryTitle = QT_TRANSLATE_NOOP("CheckMessages", "NOT ENOUGH MEMORY!");
inline constexpr const char *NotEnoughMemoryText = QT_TRANSLATE_NOOP(
    "CheckMessages", "Program memory low.  You are possibly trying to display too many days!  "
                     "Please run again displaying fewer days!");

// The separator after a day with a forecast, or with "Double Space with Lines".
inline constexpr int SeparatorLength = 74;

// An upper bound of the chart's size in characters, line ends ("\n") included, known before
// composing it: a window compares it with what it can hold and refuses a chart that is too large
// before building anything. Never below the size ComposeScreenChart produces.
[[nodiscard]] qint64 EstimateScreenChartChars(const ChartPlan &plan);

// Writes the chart to the sink. After each day: the forecast block and a line of hyphens when
// the forecast is on; otherwise an empty line (Double), a line of hyphens (WithLines) or nothing.
// Returns true when every line was written, false when the sink
// or the progress callback stopped it.
bool ComposeScreenChart(const ChartPlan &plan, LineSink &sink, const ChartProgress &progress = {});

// The whole chart as one string with "\n" line ends, its size reserved from the estimate.
[[nodiscard]] QString ScreenChartText(const ChartPlan &plan);

} // namespace chart
