#include "chart/screenchart.h"

#include "chart/chartline.h"
#include "chart/chartwalk.h"

#include <algorithm>
#include <limits>

namespace chart {

namespace {

constexpr qint64 HeadingLines = 5;
// "DATE" in column 6, "(-)" in 32, "(0)" in 51, "(+)" in 70.
constexpr QStringView ColumnHeadings =
    u"     DATE                      (-)                (0)                (+)";
// A day line never passes the end of the grid, ten more columns allow for years of five digits
// and more.
constexpr qint64 MaxDayLine = GridLineEnd + 10;
// New Year, Christmas and a birthday once a year, and at most three Fridays the 13th.
constexpr qint64 MaxSpecialLinesPerYear = 6;
constexpr qint64 MaxSpecialLine = 80;

qint64 longestSentence(Cycle cycle)
{
    qint64 longest = 0;
    for (const PhraseRow &row : ForecastPhrases(cycle))
        longest = std::max({longest, row.falling.size(), row.otherwise.size()});
    return longest;
}

// The longest block one day's forecast can write, its empty line and separator included.
qint64 maxForecastChars()
{
    const qint64 condition =
        std::max({TripleHighSentence.size(), TripleLowSentence.size(), CriticalDaySentence.size()});
    return 1 + (condition + 1) + (longestSentence(Cycle::Emotional) + 1) +
           (longestSentence(Cycle::Physical) + 1) + (longestSentence(Cycle::Intellectual) + 1) +
           (SeparatorLength + 1);
}

qint64 saturatingMulAdd(qint64 count, qint64 each, qint64 plus)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    if (each != 0 && count > (most - plus) / each)
        return most;
    return count * each + plus;
}

// The heading's name line as written: upper-casing can lengthen the name ("ß" becomes "SS",
// "ﬁ" becomes "FI"), so the estimate measures this line rather than the name as typed.
QString nameLine(const ChartPlan &plan)
{
    return plan.name.toUpper() + QStringLiteral(" - ") + plan.birthText;
}

} // namespace

bool StringLineSink::line(QStringView text)
{
    m_out += text;
    m_out += QLatin1Char('\n');
    return true;
}

qint64 EstimateScreenChartChars(const ChartPlan &plan)
{
    const qint64 heading = nameLine(plan).size() + ColumnHeadings.size() + HeadingLines;
    // A plan made by hand may hold a length below zero; the chart then has no days.
    const qint64 length = std::max<qint64>(plan.length, 0);
    qint64 perDay = MaxDayLine + 1;
    if (plan.forecast)
        perDay += maxForecastChars();
    else if (plan.spacing == Spacing::Double)
        perDay += 1;
    else if (plan.spacing == Spacing::WithLines)
        perDay += SeparatorLength + 1;
    qint64 special = 0;
    if (plan.holidays) {
        const qint64 years = length / 365 + 2;
        special = saturatingMulAdd(years, MaxSpecialLinesPerYear * (MaxSpecialLine + 1), 0);
    }
    const qint64 days = saturatingMulAdd(length, perDay, heading);
    return days > std::numeric_limits<qint64>::max() - special ? std::numeric_limits<qint64>::max()
                                                               : days + special;
}

bool ComposeScreenChart(const ChartPlan &plan, LineSink &sink, const ChartProgress &progress)
{
    if (!sink.line({}) || !sink.line(nameLine(plan)) || !sink.line({}) || !sink.line(ColumnHeadings) ||
        !sink.line({}))
        return false;

    const QString separator(SeparatorLength, QLatin1Char('-'));
    DayLineWriter writer;
    for (ChartWalk walk(plan); walk.next();) {
        const qint64 n = walk.done() - 1;
        if (progress && n % ProgressInterval == 0 && n != 0 && !progress(n, plan.length))
            return false;
        for (const SpecialDayLine &special : walk.specialLines()) {
            if (!sink.line(ScreenText(special)))
                return false;
        }
        if (!sink.line(writer.dayLine(walk.day())))
            return false;
        bool ok = true;
        if (plan.forecast) {
            ok = sink.line({});
            for (const QStringView sentence : walk.forecast())
                ok = ok && sink.line(sentence);
            ok = ok && sink.line(separator);
        } else if (plan.spacing == Spacing::Double) {
            ok = sink.line({});
        } else if (plan.spacing == Spacing::WithLines) {
            ok = sink.line(separator);
        }
        if (!ok)
            return false;
    }
    return !progress || progress(plan.length, plan.length);
}

QString ScreenChartText(const ChartPlan &plan)
{
    QString text;
    text.reserve(qsizetype(std::min<qint64>(EstimateScreenChartChars(plan), 1 << 26)));
    StringLineSink sink(text);
    ComposeScreenChart(plan, sink);
    return text;
}

} // namespace chart
