#include "graph/graphtext.h"

#include "calendar/calendar.h"
#include "platform/translation.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace graph {

namespace {

// Past this many critical days, or stretches of triple days, the summary gives a count.
constexpr qsizetype MostListed = 12;

QString DateWords(const chart::ChartDay &day)
{
    //: A date as a screen reader hears it, in Qt's date format (MMMM the month's name, d the day,
    //: yyyy the year; words in single quotes stay as they are): in your language's order.
    return TextLocale().toString(chart::DateOf(day), QCoreApplication::translate("Graph", "MMMM d, yyyy"));
}

bool IsTriple(chart::DayMarker marker)
{
    return marker == chart::DayMarker::TripleHigh || marker == chart::DayMarker::TripleLow;
}

QString CrossingWords(chart::DayMarker marker)
{
    switch (marker) {
    //: The cycle of a critical day, in the readout's "critical day (physical up, emotional)".
    case chart::DayMarker::EmotionalCrossing:
        return QCoreApplication::translate("Graph", "emotional");
    case chart::DayMarker::PhysicalUp:
        return QCoreApplication::translate("Graph", "physical up");
    case chart::DayMarker::IntellectualUp:
        return QCoreApplication::translate("Graph", "intellectual up");
    case chart::DayMarker::PhysicalDown:
        return QCoreApplication::translate("Graph", "physical down");
    case chart::DayMarker::IntellectualDown:
        return QCoreApplication::translate("Graph", "intellectual down");
    case chart::DayMarker::TripleHigh:
    case chart::DayMarker::TripleLow:
        break;
    }
    return {};
}

// The crossings of a day, "physical up, emotional"; empty on a day without one.
QString Crossings(const GraphDay &day)
{
    QStringList crossings;
    for (const chart::DayMarker marker : day.markers) {
        if (!IsTriple(marker))
            crossings << CrossingWords(marker);
    }
    return crossings.join(QStringLiteral(", "));
}

bool Has(const GraphDay &day, chart::DayMarker kind)
{
    return std::find(day.markers.begin(), day.markers.end(), kind) != day.markers.end();
}

// "Heading: a; b; c." with at most MostListed items, then how many more.
QString Listed(const QString &heading, const QStringList &items)
{
    //: What a screen reader says of the graph when a list is empty: "Triple highs: none."
    if (items.isEmpty())
        return QCoreApplication::translate("Graph", "%1: none.").arg(heading);
    QStringList shown = items.mid(0, MostListed);
    //: Ends a screen reader's list of the graph's days past the first dozen: "and 5 more".
    if (items.size() > MostListed)
        shown << QCoreApplication::translate("Graph", "and %n more", nullptr, int(items.size() - MostListed));
    //: A list a screen reader says of the graph: %1 is its heading ("Critical days"), %2 its
    //: items separated by semicolons.
    return QCoreApplication::translate("Graph", "%1: %2.").arg(heading, shown.join(QStringLiteral("; ")));
}

// The stretches of consecutive days holding `kind`, each "first to last" or one date.
QStringList Stretches(const QList<GraphDay> &days, chart::DayMarker kind)
{
    QStringList stretches;
    for (qsizetype k = 0; k < days.size();) {
        if (!Has(days[k], kind)) {
            ++k;
            continue;
        }
        const qsizetype first = k;
        while (k < days.size() && Has(days[k], kind))
            ++k;
        const QString from = DateWords(days[first].day);
        //: A stretch of days on the graph: %1 is the first date, %2 the last.
        stretches
            << (k - 1 == first
                    ? from
                    : QCoreApplication::translate("Graph", "%1 to %2").arg(from, DateWords(days[k - 1].day)));
    }
    return stretches;
}

} // namespace

QString PercentText(double value)
{
    const int percent = qRound(value * 100);
    return (percent > 0 ? QStringLiteral("+") : QString()) + QString::number(percent) + QLatin1Char('%');
}

QString WeekdayText(int weekday)
{
    //: The weekdays on the graph's date axis and in its readout: three letters, from Sunday.
    static constexpr std::array<const char *, 7> Abbreviations = {
        QT_TRANSLATE_NOOP("Graph", "SUN"), QT_TRANSLATE_NOOP("Graph", "MON"),
        QT_TRANSLATE_NOOP("Graph", "TUE"), QT_TRANSLATE_NOOP("Graph", "WED"),
        QT_TRANSLATE_NOOP("Graph", "THU"), QT_TRANSLATE_NOOP("Graph", "FRI"),
        QT_TRANSLATE_NOOP("Graph", "SAT")};
    return QCoreApplication::translate("Graph", Abbreviations[std::size_t(weekday) % Abbreviations.size()]);
}

QString DayDateText(const chart::ChartDay &day, Wording wording)
{
    if (wording == Wording::Spoken)
        //: A weekday and date as a screen reader hears it, in Qt's date format (dddd the weekday's
        //: name, MMMM the month's, d the day, yyyy the year): in your language's order.
        return TextLocale().toString(chart::DateOf(day),
                                     QCoreApplication::translate("Graph", "dddd, MMMM d, yyyy"));
    return WeekdayText(day.weekday) + QLatin1Char(' ') +
           calendar::FormatDateText(day.month, day.day, day.year);
}

QString DayReadout(const GraphDay &day, Wording wording)
{
    //: The day count in the graph's readout: "day 12784".
    QStringList parts{DayDateText(day.day, wording),
                      QCoreApplication::translate("Graph", "day %1").arg(qint64(day.day.dayCount))};
    for (int cycle = 0; cycle < CycleCount; ++cycle)
        parts << CycleName(GraphCycle(cycle)) + QLatin1Char(' ') + PercentText(day.values[cycle]);
    if (const QString crossings = Crossings(day); !crossings.isEmpty())
        //: In the graph's readout: %1 names the cycles that cross the centre line ("physical up, emotional").
        parts << QCoreApplication::translate("Graph", "critical day (%1)").arg(crossings);
    if (Has(day, chart::DayMarker::TripleHigh))
        parts << QCoreApplication::translate("Graph", "triple high");
    if (Has(day, chart::DayMarker::TripleLow))
        parts << QCoreApplication::translate("Graph", "triple low");
    return parts.join(wording == Wording::Spoken ? QStringLiteral(", ") : QStringLiteral("   "));
}

QString PeriodText(const QList<GraphDay> &days, Wording wording)
{
    if (days.isEmpty())
        return {};
    //: A stretch of days on the graph: %1 is the first date, %2 the last.
    return QCoreApplication::translate("Graph", "%1 to %2")
        .arg(DayDateText(days.first().day, wording), DayDateText(days.last().day, wording));
}

QString GraphName(const QString &title, const QList<GraphDay> &days)
{
    //: The graph's name for a screen reader: %1 is the person and birthdate, %2 the period shown.
    return QCoreApplication::translate("Graph", "Biorhythm graph, %1, %2")
        .arg(title, PeriodText(days, Wording::Spoken));
}

QString ViewText(const QList<GraphDay> &days)
{
    //: What a screen reader says after a zoom or a scroll: %n is the number of days, %1 the period.
    return QCoreApplication::translate("Graph", "%n days in view: %1", nullptr, int(days.size()))
        .arg(PeriodText(days, Wording::Spoken));
}

QString DaysSummary(const QList<GraphDay> &days)
{
    QStringList critical;
    for (const GraphDay &day : days) {
        if (const QString crossings = Crossings(day); !crossings.isEmpty())
            //: A critical day in the screen reader's list: %1 is its date, %2 its cycles.
            critical << QCoreApplication::translate("Graph", "%1 (%2)").arg(DateWords(day.day), crossings);
    }
    return QStringList{Listed(QCoreApplication::translate("Graph", "Critical days"), critical),
                       Listed(QCoreApplication::translate("Graph", "Triple highs"),
                              Stretches(days, chart::DayMarker::TripleHigh)),
                       Listed(QCoreApplication::translate("Graph", "Triple lows"),
                              Stretches(days, chart::DayMarker::TripleLow))}
        .join(QLatin1Char(' '));
}

} // namespace graph
