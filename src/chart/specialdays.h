#pragma once

#include "calendar/calendar.h"
#include "chart/chartday.h"

#include <QList>
#include <QString>

// The lines written just before a chart day's line when holiday messages are on.
namespace chart {

enum class SpecialDay { NewYear, Christmas, FridayThe13th, Birthday };

struct SpecialDayLine
{
    SpecialDay kind;
    int column;   // starting column, counted from 1; blanks come before it
    QString text; // without the leading blanks
    bool operator==(const SpecialDayLine &) const = default;
};

// "ST", "ND", "RD" or "TH" for an age. An age below 0 takes the suffix of its absolute value,
// the number the birthday line shows ("-21" reads as "21ST").
[[nodiscard]] QString OrdinalSuffix(qint64 age);

// Zero to four lines, in this order: New Year, Christmas, Friday the 13th, birthday. The
// birthday (the age being the chart year less the birth year, shown without its sign) falls on
// the birth month and day; one born on 29 February has it only in years that have that day.
[[nodiscard]] QList<SpecialDayLine> SpecialDayLines(const ChartDay &day, const calendar::DateParts &birth);

// The line as the screen chart writes it: blanks up to the column, then the text.
[[nodiscard]] QString ScreenText(const SpecialDayLine &line);

} // namespace chart
