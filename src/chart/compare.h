#pragma once

#include "calendar/checkmessages.h"
#include "chart/chartday.h"
#include "chart/chartfields.h"
#include "chart/chartplan.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

// Two people side by side: how well their cycles match, and the days of a chart period on which
// both have a critical day.
//
// The compatibility of a cycle of period P, for two birthdates d days apart, is
// 100 x |cos(pi x d / P)| percent, rounded to a whole percent (half up): 100 when the two cycles
// run in step, 0 when one is half a period behind. Overall is the mean of the three whole
// percentages, rounded half up.
//
// The second person's cycles are those of their own chart of the same period: their own day count
// and weekday correction, so their critical days are the ones their own chart marks.
namespace chart {

struct Compatibility
{
    qint64 daysApart = 0;
    std::array<int, 3> cycles{}; // by Cycle
    int overall = 0;
    bool operator==(const Compatibility &) const = default;
};

[[nodiscard]] int CompatibilityPercent(qint64 daysApart, int period);
[[nodiscard]] Compatibility CompatibilityOf(qint64 daysApart);

// The second person's own check, in the order a chart checks its person: no name, a name holding
// a control character, then the birthdate as the Birthdate box checks it while it is typed and as
// the chart commands check it after.
[[nodiscard]] std::optional<calendar::Message> CheckPartner(QStringView name, QStringView birth);

struct Comparison
{
    ChartPlan partner; // the second person's chart of the same period
    Compatibility compatibility;
    QList<ChartDay> bothCritical; // the first person's chart days on which both have a critical day
    bool operator==(const Comparison &) const = default;
};

// The second person's chart of the period of `fields` (which have passed CheckChartFields), for
// someone who has passed CheckPartner; nullopt when the birthdate cannot be computed with.
[[nodiscard]] std::optional<ChartPlan> PartnerPlan(const ChartFields &fields, const QString &partnerName,
                                                   const QString &partnerBirth);

// The comparison of the person of `fields` (which have passed CheckChartFields) with a second one
// (who has passed CheckPartner); nullopt when a birthdate cannot be computed with.
[[nodiscard]] std::optional<Comparison> Compare(const ChartFields &fields, const QString &partnerName,
                                                const QString &partnerBirth);

// The lines tidemark-chart writes after the chart: an empty line, the heading naming the second
// person as the chart's heading names the first, one line per cycle and one overall, then a line
// per day on which both have a critical day (or one saying there is none):
//
//   COMPATIBILITY WITH LEE SAMPLE - 07-04-1988
//   PHYSICAL        78%
//   EMOTIONAL       11%
//   INTELLECTUAL    72%
//   OVERALL         54%
//   BOTH CRITICAL  MON 06-09-2025
[[nodiscard]] QStringList CompatibilityLines(const Comparison &comparison);

} // namespace chart
