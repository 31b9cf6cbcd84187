#include "chart/compare.h"

#include "calendar/calendar.h"
#include "calendar/namecheck.h"
#include "calendar/profile.h"
#include "chart/chartchecks.h"
#include "chart/cycles.h"
#include "chart/daymarkers.h"

#include <cmath>
#include <numbers>

namespace chart {

namespace {

// The captions of CompatibilityLines stand in a column this wide.
constexpr int CaptionWidth = 15;

constexpr std::array<const char *, 3> CycleCaptions = {"PHYSICAL", "EMOTIONAL", "INTELLECTUAL"};

QString Caption(const char *caption)
{
    return QStringLiteral("%1").arg(QLatin1String(caption), -CaptionWidth);
}

// "WED 05-21-2025".
QString DayLabel(const ChartDay &day)
{
    return calendar::WeekdayAbbrev(day.weekday) + QLatin1Char(' ') +
           calendar::FormatDateText(day.month, day.day, day.year);
}

} // namespace

int CompatibilityPercent(qint64 daysApart, int period)
{
    // |cos| repeats with the period: the remainder keeps the angle small and exact for any distance.
    const double phase = double(std::abs(daysApart) % period) / period;
    return int(std::lround(100 * std::abs(std::cos(std::numbers::pi * phase))));
}

Compatibility CompatibilityOf(qint64 daysApart)
{
    Compatibility result{daysApart, {}, 0};
    int sum = 0;
    for (std::size_t cycle = 0; cycle < Cycles.size(); ++cycle) {
        result.cycles[cycle] = CompatibilityPercent(daysApart, Cycles[cycle].period);
        sum += result.cycles[cycle];
    }
    // A third of a whole number never ends in a half: rounding to nearest is rounding half up.
    result.overall = int(std::lround(sum / 3.0));
    return result;
}

std::optional<calendar::Message> CheckPartner(QStringView name, QStringView birth)
{
    if (name.isEmpty())
        return calendar::MessageOf(calendar::Check::ChartNoName);
    if (auto failure = calendar::CheckNameCharacters(name))
        return failure;
    if (auto failure = calendar::CheckDateText(birth, calendar::DateBox::Birth))
        return failure;
    return CheckChartBirthdate(birth);
}

std::optional<ChartPlan> PartnerPlan(const ChartFields &fields, const QString &partnerName,
                                     const QString &partnerBirth)
{
    // The second person's boxes as typing their birthdate over the first person's would fill them.
    ChartFields other = fields;
    other.name = partnerName;
    other.person.birth = partnerBirth;
    const calendar::BoxUpdate typed = calendar::BirthdateChanged(other.person);
    if (typed.message)
        return std::nullopt;
    other.person = typed.boxes;
    return PlanChart(other);
}

std::optional<Comparison> Compare(const ChartFields &fields, const QString &partnerName,
                                  const QString &partnerBirth)
{
    const auto plan = PlanChart(fields);
    const auto partner = PartnerPlan(fields, partnerName, partnerBirth);
    if (!plan || !partner)
        return std::nullopt;
    const qint64 apart = std::abs(calendar::DateOf(plan->birth).daysTo(calendar::DateOf(partner->birth)));
    Comparison comparison{*partner, CompatibilityOf(apart), {}};
    ChartDay first = plan->start;
    ChartDay second = partner->start;
    for (qint64 k = 0; k < plan->length; ++k) {
        first = WithPositions(AdvanceChartDay(first));
        second = WithPositions(AdvanceChartDay(second));
        if (IsCriticalDay(first) && IsCriticalDay(second))
            comparison.bothCritical.append(first);
    }
    return comparison;
}

QStringList CompatibilityLines(const Comparison &comparison)
{
    const Compatibility &c = comparison.compatibility;
    QStringList lines{QString(), QStringLiteral("COMPATIBILITY WITH %1 - %2")
                                     .arg(comparison.partner.name.toUpper(), comparison.partner.birthText)};
    for (std::size_t cycle = 0; cycle < CycleCaptions.size(); ++cycle)
        lines << Caption(CycleCaptions[cycle]) + QStringLiteral("%1%").arg(c.cycles[cycle], 3);
    lines << Caption("OVERALL") + QStringLiteral("%1%").arg(c.overall, 3);
    if (comparison.bothCritical.isEmpty())
        lines << Caption("BOTH CRITICAL") + QStringLiteral("NONE");
    for (const ChartDay &day : comparison.bothCritical)
        lines << Caption("BOTH CRITICAL") + DayLabel(day);
    return lines;
}

} // namespace chart
