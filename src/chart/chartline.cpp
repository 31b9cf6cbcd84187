#include "chart/chartline.h"

#include "chart/cycles.h"
#include "chart/daymarkers.h"

namespace chart {

void AppendNumberField(QString &line, qint64 value)
{
    std::array<char16_t, 24> digits{};
    int n = 0;
    const bool negative = value < 0;
    quint64 v = negative ? quint64(0) - quint64(value) : quint64(value);
    do {
        digits[n++] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    line += negative ? QLatin1Char('-') : QLatin1Char(' ');
    while (n > 0)
        line += QChar(digits[--n]);
    line += QLatin1Char(' ');
}

QString NumberField(qint64 value)
{
    QString field;
    AppendNumberField(field, value);
    return field;
}

void AppendDateColumn(QString &line, const ChartDay &day)
{
    line += calendar::WeekdayAbbrev(day.weekday);
    line += QLatin1String("  ");
    line += calendar::MonthAbbrev(day.month);
    if (day.day < 10)
        line += QLatin1Char(' ');
    AppendNumberField(line, day.day);
    AppendNumberField(line, day.year);
}

GridWalk WalkGrid(const ChartDay &day)
{
    GridWalk walk;
    int weight = 0;
    int p = FirstGridPosition;
    while (p <= LastGridPosition) {
        const bool e = day.e == p;
        const bool pp = day.p == p;
        const bool i = day.i == p;
        QStringView text;
        if (e && pp && i)
            text = u"EPI";
        else if (e && pp)
            text = u"EP";
        else if (e && i)
            text = u"EI";
        else if (pp && i)
            text = u"PI";
        else if (e)
            text = u"E";
        else if (pp)
            text = u"P";
        else if (i)
            text = u"I";
        else if (p == CentreColumn)
            text = u"|";
        if (text.isEmpty()) {
            ++p;
            continue;
        }
        walk.items[walk.count++] = {p, text};
        // Letters standing on the centre line weigh one more; the line itself weighs one.
        const bool lettersOnCentre = text != u"|" && p + int(text.size()) - 1 == CentreColumn;
        weight += lettersOnCentre ? 2 : 1;
        if (weight >= 4) {
            walk.endedEarly = true;
            break;
        }
        p += int(text.size());
    }
    return walk;
}

void WriteDayLine(QString &line, const ChartDay &day)
{
    line.resize(0);
    AppendDateColumn(line, day);
    for (const DayMarker marker : DayMarkers(day))
        line += MarkerText(marker);
    // Moving to a column writes blanks up to it; a line already past it stays as it is.
    auto padTo = [&line](int column) {
        if (line.size() < column - 1)
            line.resize(column - 1, QLatin1Char(' '));
    };
    const GridWalk walk = WalkGrid(day);
    for (const GridItem &item : walk) {
        padTo(ColumnOf(item.position));
        line += item.text;
    }
    if (!walk.endedEarly)
        padTo(GridLineEnd + 1);
}

} // namespace chart
