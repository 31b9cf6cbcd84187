#pragma once

#include "chart/chartday.h"
#include "chart/cycles.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

// The pieces of a chart day's line on a fixed-pitch character grid, shared by the screen chart
// and the printed chart. Columns are counted from 1; grid position p stands in column p + 2.
namespace chart {

inline constexpr int DateColumnWidth = 18;
// A line whose grid walk runs to the end carries blanks up to this column.
inline constexpr int GridLineEnd = 74;

[[nodiscard]] constexpr int ColumnOf(int position)
{
    return position + 2;
}

// A number as a print statement writes it, and so as the chart writes every number: the
// place of the sign (a blank, or "-"), the digits, and one blank behind: 5 is " 5 ", -5 is "-5 ".
void AppendNumberField(QString &line, qint64 value);
[[nodiscard]] QString NumberField(qint64 value);

// One item of the grid walk: the letters (or the centre line "|") and the grid position of its
// first character.
struct GridItem
{
    int position = 0;
    QStringView text; // "EPI", "EP", "EI", "PI", "E", "P", "I" or "|"
    bool operator==(const GridItem &) const = default;
};

// The items of a day's grid walk from position 28 to 73. Letters on the same position form
// a group (E before P before I); a letter under a group's later characters is lost. Each item
// counts 1, and 1 more when its last character stands on the centre line; at a count of 4 the
// walk ends early and the line ends after that item.
struct GridWalk
{
    std::array<GridItem, 4> items{};
    int count = 0;
    bool endedEarly = false;
    [[nodiscard]] const GridItem *begin() const { return items.data(); }
    [[nodiscard]] const GridItem *end() const { return items.data() + count; }
};

[[nodiscard]] GridWalk WalkGrid(const ChartDay &day);

// Writes the lines of a chart's days into a buffer of its own, reused from line to line. The
// date column comes from pieces made once (the weekday with the month, the day of the month) and
// once a year (the year's number). What follows an 18-character date column (the markers and the
// grid) depends on the three positions alone, so past a chart's first few thousand lines it is
// written once for each combination of positions met and copied from then on; any other day is
// written piece by piece alike.
class DayLineWriter
{
public:
    DayLineWriter();

    // The date column, 18 characters for a year of four digits: "SUN  JAN  5  2025 ",
    // "MON  FEB 17  2025 ". Valid until the next call.
    [[nodiscard]] QStringView dateColumn(const ChartDay &day);

    // The whole screen line of a day: the date column, the markers from column 19, and the
    // grid. Valid until the next call.
    [[nodiscard]] QStringView dayLine(const ChartDay &day);

private:
    static constexpr int Months = 12;
    static constexpr int Weekdays = 7;
    static constexpr int MonthDays = 31;
    static constexpr qint64 DirectLines = 4096;

    char16_t *writeDate(char16_t *out, const ChartDay &day);
    [[nodiscard]] int tailKey(const ChartDay &day) const;

    // "SUN  JAN" by weekday and month, "  5 " and " 17 " by day of the month.
    std::array<std::array<char16_t, 8>, std::size_t(Weekdays) * Months> m_weekdayMonth{};
    std::array<std::array<char16_t, 4>, MonthDays> m_monthDay{};
    // The number field of the year written last.
    std::optional<int> m_year;
    std::array<char16_t, 24> m_yearField{};
    int m_yearFieldSize = 0;
    // The line being written: room for a date column with a year of any size, three markers,
    // and the grid's last letters at its last position.
    std::array<char16_t, 160> m_line{};
    // The markers and grid written so far, by positions: where each starts in m_tails plus one
    // (0 while not yet written); in m_tails, each tail's length comes before its characters.
    qint64 m_lines = 0;
    std::vector<int> m_tailAt;
    std::vector<char16_t> m_tails;
};

} // namespace chart
