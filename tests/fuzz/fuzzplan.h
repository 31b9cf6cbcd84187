#pragma once

#include "calendar/profile.h"
#include "chart/chartplan.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <optional>

namespace fuzz {

// A chart plan from the input's parts: name, birthdate, start date, length, and options as
// letters (h holiday lines, f forecast), with the boxes filled as typing them fills them. The
// name is taken as it is, whatever the commands' checks would say of it, so that an export meets
// anything that could still reach it. At most maxDays days; nullopt when the dates cannot be read.
inline std::optional<chart::ChartPlan> PlanOfParts(const QList<QByteArray> &parts, qint64 maxDays)
{
    const auto field = [&parts](qsizetype k) { return QString::fromUtf8(parts.value(k)); };
    chart::ChartFields fields;
    fields.name = field(0);
    fields.person.start = field(2);
    fields.person = calendar::StartDateChanged(fields.person).boxes;
    fields.person.birth = field(1);
    fields.person = calendar::BirthdateChanged(fields.person).boxes;
    fields.person.length = field(3);
    fields.person = calendar::LengthChanged(fields.person);
    fields.preferences.holidays = field(4).contains(u'h');
    fields.preferences.forecast = field(4).contains(u'f');
    std::optional<chart::ChartPlan> plan = chart::PlanChart(fields);
    if (plan)
        plan->length = std::min(plan->length, maxDays);
    return plan;
}

} // namespace fuzz
