#pragma once

#include <QDate>
#include <QLatin1String>
#include <QString>
#include <QStringView>

#include <optional>

// Calendar operations on the MM-DD-YYYY date text: the month, day and year fields are cut out of
// the text, and QDate does the Gregorian arithmetic. The entry checks accept any day from 01 to
// 31 in every month (02-30-1990), which QDate has no date for; here such a day counts on from
// the first of its month, so 02-30-1990 is 03-02-1990.
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

// The date the fields stand for: the first of the month plus day - 1 days.
[[nodiscard]] QDate DateOf(const DateParts &parts);

// The date MM-DD-YYYY text stands for, or an invalid QDate when ParseDateText refuses it.
[[nodiscard]] QDate DateOfText(QStringView text);

// The date of the last charted day: length - 1 days after the first charted day, which is the
// start, or for a start past its month's end the first of the next month. Empty when the start is
// not a date to compute with, the length is below 1, or the end would pass the year 9999.
[[nodiscard]] QString EndDateOf(QStringView start, qint64 length);

// The weekday as a full name, Monday to Sunday.
[[nodiscard]] QString WeekdayOf(int month, int day, int year);

// "SUN" to "SAT" by weekday code; code 7 is "SUN" again.
[[nodiscard]] QLatin1String WeekdayAbbrev(int code);

// "JAN" to "DEC" by month, 1 to 12.
[[nodiscard]] QLatin1String MonthAbbrev(int month);

// Whole years from birth to start; may be 0 or negative.
[[nodiscard]] std::optional<int> AgeInYears(QStringView birth, QStringView start);

// The day count on which the cycles rest: a 365.25-day year, banker's rounding, and one more
// day for a birth before 29 February of a year divisible by 4.
[[nodiscard]] std::optional<qint64> AgeInDays(QStringView birth, QStringView start);

} // namespace calendar
