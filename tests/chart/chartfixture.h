#pragma once

#include "calendar/profile.h"
#include "chart/chartplan.h"

#include <QTest>

// The fields of the main window as typing a birthdate, a start date and a length fills them.
inline chart::ChartFields TypedFields(const QString &birth, const QString &start, const QString &length)
{
    chart::ChartFields fields;
    fields.name = QStringLiteral("Your Name");
    fields.preferences.linesPerPage = QStringLiteral("50");
    fields.preferences.spacing = chart::Spacing::Single;
    fields.person.start = start;
    fields.person = calendar::StartDateChanged(fields.person).boxes;
    fields.person.birth = birth;
    fields.person = calendar::BirthdateChanged(fields.person).boxes;
    fields.person.length = length;
    fields.person = calendar::LengthChanged(fields.person);
    return fields;
}

inline chart::ChartPlan PlanOf(const chart::ChartFields &fields)
{
    const auto plan = chart::PlanChart(fields);
    if (!plan)
        QTest::qFail("the fields do not plan a chart", __FILE__, __LINE__);
    return plan.value_or(chart::ChartPlan{});
}
