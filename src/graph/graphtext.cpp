#include "graph/graphtext.h"

#include "calendar/calendar.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace graph {

namespace {

// Past this many critical days, or stretches of triple days, the summary gives a count.
constexpr qsizetype MostListed = 12;

QString Tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("graph", text, nullptr, n);
}

// The dates in words are English, as every other text is, whatever the system's language.
const QLocale &Words()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QString DateWords(const chart::ChartDay &day)
{
    return Words().toString(chart::DateOf(day), QStringLiteral("MMMM d, yyyy"));
}

bool IsTriple(chart::DayMarker marker)
{
    return marker == chart::DayMarker::TripleHigh || marker == chart::DayMarker::TripleLow;
}

QString CrossingWords(chart::DayMarker marker)
{
    switch (marker) {
    case chart::DayMarker::EmotionalCrossing:
        return Tr("emotional");
    case chart::DayMarker::PhysicalUp:
        return Tr("physical up");
    case chart::DayMarker::IntellectualUp:
        return Tr("intellectual up");
    case chart::DayMarker::PhysicalDown:
        return Tr("physical down");
    case chart::DayMarker::IntellectualDown:
        return Tr("intellectual down");
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
    if (items.isEmpty())
        return Tr("%1: none.").arg(heading);
    QStringList shown = items.mid(0, MostListed);
    if (items.size() > MostListed)
        shown << Tr("and %n more", int(items.size() - MostListed));
    return heading + QStringLiteral(": ") + shown.join(QStringLiteral("; ")) + QLatin1Char('.');
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
        stretches << (k - 1 == first ? from : Tr("%1 to %2").arg(from, DateWords(days[k - 1].day)));
    }
    return stretches;
}

} // namespace

QString PercentText(double value)
{
    const int percent = qRound(value * 100);
    return (percent > 0 ? QStringLiteral("+") : QString()) + QString::number(percent) + QLatin1Char('%');
}

QString DayDateText(const chart::ChartDay &day, Wording wording)
{
    if (wording == Wording::Spoken)
        return Words().toString(chart::DateOf(day), QStringLiteral("dddd, MMMM d, yyyy"));
    return calendar::WeekdayAbbrev(day.weekday) + QLatin1Char(' ') +
           calendar::FormatDateText(day.month, day.day, day.year);
}

QString DayReadout(const GraphDay &day, Wording wording)
{
    QStringList parts{DayDateText(day.day, wording), Tr("day %1").arg(qint64(day.day.dayCount))};
    for (int cycle = 0; cycle < CycleCount; ++cycle)
        parts << QLatin1String(CycleNames[cycle]) + QLatin1Char(' ') + PercentText(day.values[cycle]);
    if (const QString crossings = Crossings(day); !crossings.isEmpty())
        parts << Tr("critical day (%1)").arg(crossings);
    if (Has(day, chart::DayMarker::TripleHigh))
        parts << Tr("triple high");
    if (Has(day, chart::DayMarker::TripleLow))
        parts << Tr("triple low");
    return parts.join(wording == Wording::Spoken ? QStringLiteral(", ") : QStringLiteral("   "));
}

QString PeriodText(const QList<GraphDay> &days, Wording wording)
{
    if (days.isEmpty())
        return {};
    return Tr("%1 to %2").arg(DayDateText(days.first().day, wording), DayDateText(days.last().day, wording));
}

QString GraphName(const QString &title, const QList<GraphDay> &days)
{
    return Tr("Biorhythm graph, %1, %2").arg(title, PeriodText(days, Wording::Spoken));
}

QString ViewText(const QList<GraphDay> &days)
{
    return Tr("%n days in view: %1", int(days.size())).arg(PeriodText(days, Wording::Spoken));
}

QString DaysSummary(const QList<GraphDay> &days)
{
    QStringList critical;
    for (const GraphDay &day : days) {
        if (const QString crossings = Crossings(day); !crossings.isEmpty())
            critical << DateWords(day.day) + QStringLiteral(" (") + crossings + QLatin1Char(')');
    }
    return QStringList{Listed(Tr("Critical days"), critical),
                       Listed(Tr("Triple highs"), Stretches(days, chart::DayMarker::TripleHigh)),
                       Listed(Tr("Triple lows"), Stretches(days, chart::DayMarker::TripleLow))}
        .join(QLatin1Char(' '));
}

} // namespace graph
