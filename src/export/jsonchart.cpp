#include "export/jsonchart.h"

#include "calendar/calendar.h"
#include "chart/chartwalk.h"
#include "chart/cycles.h"
#include "chart/daymarkers.h"
#include "chart/forecast.h"
#include "chart/specialdays.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace exports {

namespace {

constexpr std::array<QLatin1String, 3> CycleKeys = {QLatin1String("physical"), QLatin1String("emotional"),
                                                    QLatin1String("intellectual")};
constexpr std::array<QLatin1String, 4> SecondaryKeys = {
    QLatin1String("intuitive"), QLatin1String("aesthetic"), QLatin1String("awareness"),
    QLatin1String("spiritual")};

QLatin1String MarkerName(chart::DayMarker marker)
{
    switch (marker) {
    case chart::DayMarker::EmotionalCrossing:
        return QLatin1String("emotionalCrossing");
    case chart::DayMarker::PhysicalUp:
        return QLatin1String("physicalUp");
    case chart::DayMarker::IntellectualUp:
        return QLatin1String("intellectualUp");
    case chart::DayMarker::PhysicalDown:
        return QLatin1String("physicalDown");
    case chart::DayMarker::IntellectualDown:
        return QLatin1String("intellectualDown");
    case chart::DayMarker::TripleHigh:
        return QLatin1String("tripleHigh");
    case chart::DayMarker::TripleLow:
        return QLatin1String("tripleLow");
    }
    return {};
}

QLatin1String SpecialDayName(chart::SpecialDay kind)
{
    switch (kind) {
    case chart::SpecialDay::NewYear:
        return QLatin1String("newYear");
    case chart::SpecialDay::Christmas:
        return QLatin1String("christmas");
    case chart::SpecialDay::FridayThe13th:
        return QLatin1String("fridayThe13th");
    case chart::SpecialDay::Birthday:
        return QLatin1String("birthday");
    }
    return {};
}

// The day count, positions, values, markers and critical flag of one person's day.
void InsertCycles(QJsonObject &object, const chart::ChartDay &day, JsonCycles cycles)
{
    const std::array<int, 3> positions = {day.p, day.e, day.i};
    QJsonObject positionObject;
    QJsonObject valueObject;
    for (int cycle = 0; cycle < 3; ++cycle) {
        positionObject.insert(CycleKeys[cycle], positions[cycle]);
        valueObject.insert(CycleKeys[cycle], chart::CycleValue(day.dayCount, chart::Cycle(cycle)));
    }
    for (std::size_t cycle = 0; cycles == JsonCycles::All && cycle < SecondaryKeys.size(); ++cycle)
        valueObject.insert(SecondaryKeys[cycle],
                           chart::SecondaryValue(day.dayCount, chart::SecondaryCycle(cycle)));
    QJsonArray markers;
    for (const chart::DayMarker marker : chart::DayMarkers(day))
        markers.append(MarkerName(marker));
    object.insert(QStringLiteral("dayCount"), day.dayCount);
    object.insert(QStringLiteral("positions"), positionObject);
    object.insert(QStringLiteral("values"), valueObject);
    object.insert(QStringLiteral("markers"), markers);
    object.insert(QStringLiteral("critical"), chart::IsCriticalDay(day));
}

QString IsoDate(int year, int month, int day)
{
    return QStringLiteral("%1-%2-%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

// The object of one day, without a line end; with the second person's day when there is one.
QByteArray DayJson(const chart::ChartDay &day, const QList<chart::SpecialDayLine> &specialLines,
                   const chart::ForecastLines *forecast, JsonCycles cycles, const chart::ChartDay *partner)
{
    QJsonArray special;
    for (const chart::SpecialDayLine &line : specialLines)
        special.append(QJsonObject{{QStringLiteral("kind"), SpecialDayName(line.kind)},
                                   {QStringLiteral("text"), line.text}});
    QJsonObject object{
        {QStringLiteral("date"), IsoDate(day.year, day.month, day.day)},
        {QStringLiteral("weekday"), calendar::WeekdayAbbrev(day.weekday)},
        {QStringLiteral("specialDays"), special},
    };
    InsertCycles(object, day, cycles);
    if (forecast) {
        QJsonArray sentences;
        for (const QStringView sentence : *forecast)
            sentences.append(sentence.toString());
        object.insert(QStringLiteral("forecast"), sentences);
    }
    if (partner) {
        QJsonObject partnerObject;
        InsertCycles(partnerObject, *partner, cycles);
        object.insert(QStringLiteral("partner"), partnerObject);
        object.insert(QStringLiteral("bothCritical"),
                      chart::IsCriticalDay(day) && chart::IsCriticalDay(*partner));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// The line before the days: who the second person is and how well the two match.
QByteArray ComparisonJson(const chart::Comparison &comparison)
{
    const chart::ChartPlan &partner = comparison.partner;
    const chart::Compatibility &c = comparison.compatibility;
    QJsonObject compatibility{{QStringLiteral("overall"), c.overall}};
    for (int cycle = 0; cycle < 3; ++cycle)
        compatibility.insert(CycleKeys[cycle], c.cycles[std::size_t(cycle)]);
    const QJsonObject object{
        {QStringLiteral("partner"),
         QJsonObject{
             {QStringLiteral("name"), partner.name},
             {QStringLiteral("birth"), IsoDate(partner.birth.year, partner.birth.month, partner.birth.day)}}},
        {QStringLiteral("daysApart"), c.daysApart},
        {QStringLiteral("compatibility"), compatibility},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

bool ComposeJsonChart(const chart::ChartPlan &plan, chart::LineSink &sink, JsonCycles cycles,
                      const chart::Comparison *comparison)
{
    if (comparison && !sink.line(QString::fromUtf8(ComparisonJson(*comparison))))
        return false;
    chart::ChartDay partner = comparison ? comparison->partner.start : chart::ChartDay{};
    for (chart::ChartWalk walk(plan); walk.next();) {
        if (comparison)
            partner = chart::WithPositions(chart::AdvanceChartDay(partner));
        const QByteArray line =
            DayJson(walk.day(), walk.specialLines(), plan.forecast ? &walk.forecast() : nullptr, cycles,
                    comparison ? &partner : nullptr);
        if (!sink.line(QString::fromUtf8(line)))
            return false;
    }
    return true;
}

} // namespace exports
