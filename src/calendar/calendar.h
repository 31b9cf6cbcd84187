#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Calendar operations on the MM-DD-YYYY date text. No platform date type is used: every
// operation cuts the month, day and year fields out of the text and works with the tables.
namespace calendar {

struct DateParts
{
    int month = 0;
    int day = 0;
    int year = 0;
    bool operator==(const DateParts &) const = default;
};

// The fields of a date text that is safe to compute with: ten characters, digits in the
// month, day and year fields, month 01-12, day 01-31, year 1500-2099. Anything else
// (including text that passes the entry checks only as text, such as a month "0A") is
// nullopt, so it never reaches the arithmetic.
[[nodiscard]] std::optional<DateParts> ParseDateText(QStringView text);

// MM-DD-YYYY with the year written as a plain number.
[[nodiscard]] QString FormatDateText(int month, int day, int year);

[[nodiscard]] bool IsLeapYear(int year);

// Days in a month of a given year, the leap day included.
[[nodiscard]] int MonthLength(int month, int year);

// The date of the last charted day: length - 1 days after the start. Empty when the start is
// not a date to compute with, the length is below 1, or the end would pass the year 9999.
[[nodiscard]] QString EndDateOf(QStringView start, qint64 length);

// Weekday of a valid date by the century-anchor rule, as a weekday code (0 = Sunday).
[[nodiscard]] int WeekdayCodeOf(int month, int day, int year);

// The same weekday as a full name, Monday to Sunday.
[[nodiscard]] QString WeekdayOf(int month, int day, int year);

// Whole years from birth to start; may be 0 or negative.
[[nodiscard]] std::optional<int> AgeInYears(QStringView birth, QStringView start);

// The day count on which the cycles rest: a 365.25-day year, banker's rounding, and one more
// day for a birth before 29 February of a year divisible by 4.
[[nodiscard]] std::optional<qint64> AgeInDays(QStringView birth, QStringView start);

} // namespace calendar
