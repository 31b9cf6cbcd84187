#include "chart/forecast.h"

#include "chart/daymarkers.h"

namespace chart {

QStringView CycleSentence(Cycle cycle, int position, int previous)
{
    // Each chart day asks three times, so the rows stand by position: every row's position is a
    // grid position.
    static const auto rowAt = [] {
        std::array<std::array<const PhraseRow *, GridPositions>, Cycles.size()> at{};
        for (std::size_t c = 0; c < Cycles.size(); ++c) {
            for (const PhraseRow &row : ForecastPhrases(Cycle(c)))
                at[c][std::size_t(row.position - FirstGridPosition)] = &row;
        }
        return at;
    }();
    if (position < FirstGridPosition || position > LastGridPosition)
        return {};
    const PhraseRow *const row = rowAt[std::size_t(cycle)][std::size_t(position - FirstGridPosition)];
    if (!row)
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
