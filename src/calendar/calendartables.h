#pragma once

#include <array>

// The fixed calendar tables. Month-indexed tables run 1 to 12 (index 0 is unused).
namespace calendar {

inline constexpr std::array<const char *, 13> MonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

inline constexpr std::array<const char *, 13> MonthAbbrevs = {"",    "JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                              "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// February has 28 days here; the operations that need it add the leap day.
inline constexpr std::array<int, 13> DaysInMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days of a common year that lie before the first of each month.
inline constexpr std::array<int, 13> DaysBeforeMonth = {0,   0,   31,  59,  90,  120, 151,
                                                        181, 212, 243, 273, 304, 334};

// Monday-first, 1 to 7 (index 0 is unused).
inline constexpr std::array<const char *, 8> WeekdayNames = {"",         "Monday", "Tuesday",  "Wednesday",
                                                             "Thursday", "Friday", "Saturday", "Sunday"};

// By weekday code, 0 = Sunday to 6 = Saturday; code 7 is Sunday again.
inline constexpr std::array<const char *, 8> WeekdayAbbrevs = {"SUN", "MON", "TUE", "WED",
                                                               "THU", "FRI", "SAT", "SUN"};

// Weekday code of 1 January of each century year of the accepted range, 1500 to 2000.
struct CenturyAnchor
{
    int year;
    int weekdayCode;
};
inline constexpr std::array<CenturyAnchor, 6> CenturyAnchors = {
    {{1500, 1}, {1600, 6}, {1700, 5}, {1800, 3}, {1900, 1}, {2000, 6}}};

} // namespace calendar
