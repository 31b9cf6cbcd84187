// The chart checks and the screen chart. The input holds the window's fields, separated by the
// part separator: name, birthdate, start date, length, age in days, weekday of birth, lines per
// page, and the options as letters (h holidays, f forecast, s, d or l spacing). Fields that pass
// CheckChartFields make a plan that ends by 12-31-9999, and the chart composed from it (cut
// short, for some inputs past the 4,096 lines after which the chart copies its grid) is never
// longer than EstimateScreenChartChars promised, a bound that only grows with the length.
#include "chart/chartchecks.h"
#include "chart/chartplan.h"
#include "chart/screenchart.h"
#include "fuzzcheck.h"

#include <QHash>

#include <algorithm>

namespace {

// A few thousand days cross every kind of year end and special day; more only slow the fuzzer,
// so only a sample of the inputs, chosen by their bytes, runs longer.
constexpr qint64 MaxDays = 3000;
constexpr qint64 MaxLongDays = 40000;
constexpr size_t LongEvery = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = fuzz::InputParts(data, size);
    chart::ChartFields fields;
    QString *const texts[] = {&fields.name,
                              &fields.person.birth,
                              &fields.person.start,
                              &fields.person.length,
                              &fields.person.ageDays,
                              &fields.person.weekday,
                              &fields.preferences.linesPerPage};
    for (qsizetype k = 0; k < qsizetype(std::size(texts)); ++k)
        *texts[k] = QString::fromUtf8(parts.value(k));
    const QByteArray options = parts.value(7);
    fields.preferences.holidays = options.contains('h');
    fields.preferences.forecast = options.contains('f');
    using settings::Spacing;
    fields.preferences.spacing = options.contains('s')   ? Spacing::Single
                                 : options.contains('d') ? Spacing::Double
                                 : options.contains('l') ? Spacing::WithLines
                                                         : Spacing::None;
    if (chart::CheckChartFields(fields))
        return 0;

    std::optional<chart::ChartPlan> plan = chart::PlanChart(fields);
    FUZZ_CHECK(plan);
    if (plan->length > 0) {
        const QDate last = chart::DateOf(chart::ChartDayAt(plan->start, plan->length - 1));
        FUZZ_CHECK(last.isValid() && last <= QDate(9999, 12, 31));
    }
    const qint64 wholeBound = chart::EstimateScreenChartChars(*plan);
    const bool sampled = qHashBits(data, size) % LongEvery == 0;
    plan->length = std::min(plan->length, sampled ? MaxLongDays : MaxDays);
    const qint64 bound = chart::EstimateScreenChartChars(*plan);
    QString text;
    chart::StringLineSink sink(text);
    FUZZ_CHECK(chart::ComposeScreenChart(*plan, sink));
    FUZZ_CHECK(text.size() <= bound && bound <= wholeBound);
    return 0;
}
