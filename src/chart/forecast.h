#pragma once

#include "chart/chartday.h"
#include "chart/cycles.h"

#include <QStringView>

#include <array>
#include <span>

// The daily forecast: plain sentences chosen by each cycle's exact grid position and by
// whether the cycle has fallen since the previous chart day.
namespace chart {

// Each cycle's position on the previous day of the same chart; 0 before the first day, so
// the first day always takes the "otherwise" sentences. One per chart, untouched by the
// day-count correction scan.
struct PreviousPosition
{
    int p = 0;
    int e = 0;
    int i = 0;
    bool operator==(const PreviousPosition &) const = default;
};

// One row of a cycle's sentence table.
struct PhraseRow
{
    int position;
    QStringView falling;   // when the previous position is greater
    QStringView otherwise; // rising, level, or the first day
};

// The sentence tables, one per cycle, keyed by every position the cycle can take.
[[nodiscard]] std::span<const PhraseRow> ForecastPhrases(Cycle cycle);

inline constexpr QStringView TripleHighSentence =
    u"You are on a triple high today with all three cycles being positive.";
inline constexpr QStringView TripleLowSentence =
    u"You are on a triple low today with all three cycles being negative.";
inline constexpr QStringView CriticalDaySentence =
    u"Today is an accident-prone day. One or more cycles are 'critical.'";

// The sentences of one day's block, in order: at most one condition sentence (triple high,
// triple low or critical day), then the E, P and I sentences. As written, the block is an
// empty line followed by these sentences, one per line; the caller writes its own separator.
struct ForecastLines
{
    std::array<QStringView, 4> items{};
    int count = 0;
    [[nodiscard]] const QStringView *begin() const { return items.data(); }
    [[nodiscard]] const QStringView *end() const { return items.data() + count; }
};

// The sentence of one cycle at a position, falling or not; empty for a position the cycle
// never takes.
[[nodiscard]] QStringView CycleSentence(Cycle cycle, int position, int previous);

// The forecast of a day whose positions are set; moves previous on to this day.
[[nodiscard]] ForecastLines ForecastBlock(const ChartDay &day, PreviousPosition &previous);

} // namespace chart
