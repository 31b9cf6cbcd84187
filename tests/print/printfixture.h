#pragma once

#include "calendar/calendar.h"
#include "chart/chartfields.h"
#include "chart/cycles.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <functional>

// A person and a chart that every print test starts from: born Sunday 05-20-1990, a chart from
// 05-20-2025 whose first days have known positions (P, E, I) = (34, 42, 63), (37, 38, 59),
// (41, 34, 56), (46, 32, 52), (50, 31, 48), (54, 30, 44).
inline chart::ChartFields WorkedFields(chart::PrinterType printer = chart::PrinterType::Matrix)
{
    chart::ChartFields f;
    f.name = QStringLiteral("Your Name");
    f.birth = QStringLiteral("05-20-1990");
    f.sign = QStringLiteral("Taurus");
    f.weekdayBorn = QStringLiteral("Sunday");
    f.start = QStringLiteral("05-20-2025");
    f.ageDays = QString::number(calendar::AgeInDays(f.birth, f.start).value_or(0));
    f.ageYears = QStringLiteral("35");
    f.length = QStringLiteral("6");
    f.end = QStringLiteral("05-25-2025");
    f.linesPerPage = QStringLiteral("50");
    f.leadIn = QStringLiteral("This Chart Has Been Prepared Especially For You By:");
    f.heading = {QStringLiteral("Your Company"), QStringLiteral("1 Example Street"), QString(),
                 QStringLiteral("info@example.com")};
    f.font = QStringLiteral("Arial");
    f.printer = printer;
    f.spacing = chart::Spacing::Single;
    return f;
}

inline const QString Today = QStringLiteral("06-01-2025");

// The first day count at or after `from` whose positions pass the test.
inline int DayCountWhere(const std::function<bool(int p, int e, int i)> &test, int from = 0)
{
    for (int d = from; d < from + 23 * 28 * 33; ++d) {
        if (test(chart::PositionOf(d, chart::Cycle::Physical), chart::PositionOf(d, chart::Cycle::Emotional),
                 chart::PositionOf(d, chart::Cycle::Intellectual)))
            return d;
    }
    return -1;
}

// Fields whose first chart day has day count `dayCount` in both layouts (no weekday of birth,
// so no correction).
inline chart::ChartFields FieldsStartingAt(int dayCount, chart::PrinterType printer)
{
    chart::ChartFields f = WorkedFields(printer);
    f.weekdayBorn.clear();
    f.ageDays = QString::number(dayCount);
    f.length = QStringLiteral("1");
    return f;
}

// The lines of a page that are day lines: they begin with a weekday abbreviation.
inline QStringList DayLines(const QStringList &page)
{
    static const QRegularExpression dayLine(QStringLiteral("^ ?(SUN|MON|TUE|WED|THU|FRI|SAT)  "));
    return page.filter(dayLine);
}
