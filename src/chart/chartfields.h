#pragma once

#include "calendar/profile.h"
#include "settings/preferences.h"

#include <QString>

// What a chart or print command reads from the main window when it runs: the person's name, the
// person and chart-period boxes, and the preferences, taken at that moment and not kept.
namespace chart {

// The printer and spacing choices are the ones the settings files keep.
using settings::PrinterType;
using settings::Spacing;

struct ChartFields
{
    QString name;
    calendar::PersonBoxes person;
    settings::Preferences preferences;

    bool operator==(const ChartFields &) const = default;
};

} // namespace chart
