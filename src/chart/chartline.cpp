#include "chart/chartline.h"

#include "chart/cycles.h"
#include "chart/daymarkers.h"

#include <algorithm>
#include <cstring>

namespace chart {

namespace {

char16_t *writeText(char16_t *out, QStringView text)
{
    std::memcpy(out, text.utf16(), size_t(text.size()) * sizeof(char16_t));
    return out + text.size();
}

char16_t *writeText(char16_t *out, QLatin1String text)
{
    for (const char c : text)
        *out++ = char16_t(uchar(c));
    return out;
}

char16_t *writeNumberField(char16_t *out, qint64 value)
{
    std::array<char16_t, 20> digits{};
    int n = 0;
    const bool negative = value < 0;
    quint64 v = negative ? quint64(0) - quint64(value) : quint64(value);
    do {
        digits[n++] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    *out++ = negative ? u'-' : u' ';
    while (n > 0)
        *out++ = digits[--n];
    *out++ = u' ';
    return out;
}

// "SUN  JAN"
char16_t *writeWeekdayMonth(char16_t *out, int weekday, int month)
{
    out = writeText(out, calendar::WeekdayAbbrev(weekday));
    *out++ = u' ';
    *out++ = u' ';
    return writeText(out, calendar::MonthAbbrev(month));
}

// "  5 ", " 17 "
char16_t *writeMonthDay(char16_t *out, int day)
{
    if (day < 10)
        *out++ = u' ';
    return writeNumberField(out, day);
}

// Blanks up to the column; a line already past it stays as it is.
char16_t *padTo(char16_t *begin, char16_t *out, int column)
{
    char16_t *const end = begin + column - 1;
    while (out < end)
        *out++ = u' ';
    return out;
}

// The text of a grid item by the letters standing on its position: E, P and I as bits 4, 2, 1.
constexpr std::array<QStringView, 8> GroupText = {u"|", u"I", u"P", u"PI", u"E", u"EI", u"EP", u"EPI"};

} // namespace

void AppendNumberField(QString &line, qint64 value)
{
    std::array<char16_t, 24> field{};
    const qsizetype size = writeNumberField(field.data(), value) - field.data();
    line.append(reinterpret_cast<const QChar *>(field.data()), size);
}

QString NumberField(qint64 value)
{
    QString field;
    AppendNumberField(field, value);
    return field;
}

GridWalk WalkGrid(const ChartDay &day)
{
    // The positions holding a letter or the centre line, in order; the walk visits each in turn.
    std::array<int, 4> stops = {day.e, day.p, day.i, CentreColumn};
    std::sort(stops.begin(), stops.end());
    GridWalk walk;
    int weight = 0;
    int p = FirstGridPosition;
    for (const int stop : stops) {
        if (stop < p)
            continue; // on the last item's position, or under its later letters
        if (stop > LastGridPosition)
            break;
        p = stop;
        const int letters = (day.e == p ? 4 : 0) | (day.p == p ? 2 : 0) | (day.i == p ? 1 : 0);
        const QStringView text = GroupText[letters];
        walk.items[walk.count++] = {p, text};
        // Letters standing on the centre line weigh one more; the line itself weighs one.
        const bool lettersOnCentre = letters != 0 && p + int(text.size()) - 1 == CentreColumn;
        weight += lettersOnCentre ? 2 : 1;
        if (weight >= 4) {
            walk.endedEarly = true;
            break;
        }
        p += int(text.size());
    }
    return walk;
}

DayLineWriter::DayLineWriter()
{
    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        for (int month = 1; month <= Months; ++month)
            writeWeekdayMonth(m_weekdayMonth[weekday * Months + month - 1].data(), weekday, month);
    }
    for (int day = 1; day <= MonthDays; ++day)
        writeMonthDay(m_monthDay[day - 1].data(), day);
}

char16_t *DayLineWriter::writeDate(char16_t *out, const ChartDay &day)
{
    if (day.weekday >= 0 && day.weekday < Weekdays && day.month >= 1 && day.month <= Months && day.day >= 1 &&
        day.day <= MonthDays) {
        std::memcpy(out, m_weekdayMonth[day.weekday * Months + day.month - 1].data(), 8 * sizeof(char16_t));
        std::memcpy(out + 8, m_monthDay[day.day - 1].data(), 4 * sizeof(char16_t));
        out += 12;
    } else {
        out = writeMonthDay(writeWeekdayMonth(out, day.weekday, day.month), day.day);
    }
    if (m_year != day.year) {
        m_year = day.year;
        m_yearFieldSize = int(writeNumberField(m_yearField.data(), day.year) - m_yearField.data());
    }
    std::memcpy(out, m_yearField.data(), size_t(m_yearFieldSize) * sizeof(char16_t));
    return out + m_yearFieldSize;
}

QStringView DayLineWriter::dateColumn(const ChartDay &day)
{
    const char16_t *const end = writeDate(m_line.data(), day);
    return {m_line.data(), end};
}

int DayLineWriter::tailKey(const ChartDay &day) const
{
    int key = 0;
    for (const int position : {day.p, day.e, day.i}) {
        if (position < FirstGridPosition || position > LastGridPosition)
            return -1;
        key = key * GridPositions + position - FirstGridPosition;
    }
    return key;
}

QStringView DayLineWriter::dayLine(const ChartDay &day)
{
    char16_t *const begin = m_line.data();
    char16_t *out = writeDate(begin, day);
    // A short chart writes every line directly: its lines would not repay the table of tails.
    const int key = ++m_lines > DirectLines && out - begin == DateColumnWidth ? tailKey(day) : -1;
    if (key >= 0) {
        if (m_tailAt.empty())
            m_tailAt.resize(size_t(GridPositions) * GridPositions * GridPositions);
        if (const int at = m_tailAt[size_t(key)]; at > 0) {
            const char16_t *const tail = m_tails.data() + at;
            std::memcpy(out, tail, size_t(tail[-1]) * sizeof(char16_t));
            return {begin, out + tail[-1]};
        }
    }
    char16_t *const tail = out;
    for (const DayMarker marker : DayMarkers(day))
        out = writeText(out, MarkerText(marker));
    const GridWalk walk = WalkGrid(day);
    for (const GridItem &item : walk)
        out = writeText(padTo(begin, out, ColumnOf(item.position)), item.text);
    if (!walk.endedEarly)
        out = padTo(begin, out, GridLineEnd + 1);
    if (key >= 0) {
        m_tails.push_back(char16_t(out - tail));
        m_tailAt[size_t(key)] = int(m_tails.size());
        m_tails.insert(m_tails.end(), tail, out);
    }
    return {begin, out};
}

} // namespace chart
