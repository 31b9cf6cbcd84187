#pragma once

#include "chart/chartday.h"

#include <QString>
#include <QStringView>

#include <array>

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

// The date column, 18 characters: "SUN  JAN  5  2025 ", "MON  FEB 17  2025 ".
void AppendDateColumn(QString &line, const ChartDay &day);

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

// Replaces the text of line (keeping its capacity) by the whole screen line of a day: the date
// column, the markers from column 19, and the grid.
void WriteDayLine(QString &line, const ChartDay &day);

} // namespace chart
