#include "chart/daymarkers.h"

#include "chart/cycles.h"

namespace chart {

namespace {

constexpr int DownCrossing = CentreColumn + 2;

} // namespace

QStringView MarkerText(DayMarker marker)
{
    switch (marker) {
    case DayMarker::EmotionalCrossing:
        return u"E* ";
    case DayMarker::PhysicalUp:
        return u"P+ ";
    case DayMarker::IntellectualUp:
        return u"I+ ";
    case DayMarker::PhysicalDown:
        return u"P- ";
    case DayMarker::IntellectualDown:
        return u"I- ";
    case DayMarker::TripleHigh:
        return u">HIGH>";
    case DayMarker::TripleLow:
        return u"<LOW<";
    }
    return {};
}

bool IsTripleHigh(const ChartDay &day)
{
    return day.e > CentreColumn && day.p > DownCrossing && day.i > DownCrossing;
}

bool IsTripleLow(const ChartDay &day)
{
    return day.e < CentreColumn && day.p < CentreColumn && day.i < CentreColumn;
}

bool IsCriticalDay(const ChartDay &day)
{
    return day.p == CentreColumn || day.p == DownCrossing || day.e == CentreColumn || day.i == CentreColumn ||
           day.i == DownCrossing;
}

DayMarkerList DayMarkers(const ChartDay &day)
{
    DayMarkerList list;
    auto add = [&list](bool holds, DayMarker marker) {
        if (holds && list.count < int(list.items.size()))
            list.items[list.count++] = marker;
    };
    add(day.e == CentreColumn, DayMarker::EmotionalCrossing);
    add(day.p == CentreColumn, DayMarker::PhysicalUp);
    add(day.i == CentreColumn, DayMarker::IntellectualUp);
    add(day.p == DownCrossing, DayMarker::PhysicalDown);
    add(day.i == DownCrossing, DayMarker::IntellectualDown);
    add(IsTripleHigh(day), DayMarker::TripleHigh);
    add(IsTripleLow(day), DayMarker::TripleLow);
    return list;
}

} // namespace chart
