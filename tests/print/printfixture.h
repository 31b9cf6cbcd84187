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
    f.person.birth = QStringLiteral("05-20-1990");
    f.person.sign = QStringLiteral("Taurus");
    f.person.weekday = QStringLiteral("Sunday");
    f.person.start = QStringLiteral("05-20-2025");
    f.person.ageDays = QString::number(calendar::AgeInDays(f.person.birth, f.person.start).value_or(0));
    f.person.ageYears = QStringLiteral("35");
    f.person.length = QStringLiteral("6");
    f.person.end = QStringLiteral("05-25-2025");
    f.preferences.linesPerPage = QStringLiteral("50");
    f.preferences.leadIn = QStringLiteral("This Chart Has Been Prepared Especially For You By:");
    f.preferences.heading = {QStringLiteral("Your Company"), QStringLiteral("1 Example Street"), QString(),
                             QStringLiteral("info@example.com")};
    f.preferences.font = QStringLiteral("Arial");
    f.preferences.printer = printer;
    f.preferences.spacing = chart::Spacing::Single;
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
    f.person.weekday.clear();
    f.person.ageDays = QString::number(dayCount);
    f.person.length = QStringLiteral("1");
    return f;
}

// The lines of a page that are day lines: they begin with a weekday abbreviation.
inline QStringList DayLines(const QStringList &page)
{
    static const QRegularExpression dayLine(QStringLiteral("^ ?(SUN|MON|TUE|WED|THU|FRI|SAT)  "));
    return page.filter(dayLine);
}
