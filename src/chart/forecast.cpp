#include "chart/forecast.h"

#include "chart/daymarkers.h"

#include <algorithm>

namespace chart {

QStringView CycleSentence(Cycle cycle, int position, int previous)
{
    const std::span<const PhraseRow> rows = ForecastPhrases(cycle);
    const auto row = std::lower_bound(rows.begin(), rows.end(), position,
                                      [](const PhraseRow &r, int p) { return r.position < p; });
    if (row == rows.end() || row->position != position)
        return {};
    return previous > position ? row->falling : row->otherwise;
}

ForecastLines ForecastBlock(const ChartDay &day, PreviousPosition &previous)
{
    ForecastLines lines;
    auto add = [&lines](QStringView sentence) { lines.items[lines.count++] = sentence; };
    // A triple high or low and a critical day exclude each other, so at most one of these.
    if (IsTripleHigh(day))
        add(TripleHighSentence);
    else if (IsTripleLow(day))
        add(TripleLowSentence);
    else if (IsCriticalDay(day))
        add(CriticalDaySentence);
    add(CycleSentence(Cycle::Emotional, day.e, previous.e));
    add(CycleSentence(Cycle::Physical, day.p, previous.p));
    add(CycleSentence(Cycle::Intellectual, day.i, previous.i));
    previous = {day.p, day.e, day.i};
    return lines;
}

} // namespace chart
