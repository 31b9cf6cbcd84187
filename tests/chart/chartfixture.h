#pragma once

#include "calendar/profile.h"
#include "chart/chartfields.h"
#include "chart/chartplan.h"

#include <QTest>

// The fields of the main window as typing a birthdate, a start date and a length fills them.
inline chart::ChartFields TypedFields(const QString &birth, const QString &start, const QString &length)
{
    calendar::PersonBoxes boxes;
    boxes.start = start;
    boxes = calendar::StartDateChanged(boxes).boxes;
    boxes.birth = birth;
    boxes = calendar::BirthdateChanged(boxes).boxes;
    boxes.length = length;
    boxes = calendar::LengthChanged(boxes);
    chart::ChartFields fields;
    fields.name = QStringLiteral("Your Name");
    fields.preferences.linesPerPage = QStringLiteral("50");
    fields.preferences.spacing = chart::Spacing::Single;
    fields.person = boxes;
    return fields;
}

inline chart::ChartPlan PlanOf(const chart::ChartFields &fields)
{
    const auto plan = chart::PlanChart(fields);
    if (!plan)
        QTest::qFail("the fields do not plan a chart", __FILE__, __LINE__);
    return plan.value_or(chart::ChartPlan{});
}

// The chart's day records, positions set, as the walk produces them.
inline QList<chart::ChartDay> ChartDays(const chart::ChartPlan &plan)
{
    QList<chart::ChartDay> days;
    chart::ChartDay day = plan.start;
    for (qint64 n = 0; n < plan.length; ++n) {
        day = chart::WithPositions(chart::AdvanceChartDay(day));
        days.append(day);
    }
    return days;
}
