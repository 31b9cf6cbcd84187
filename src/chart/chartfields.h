#pragma once

#include "calendar/profile.h"
#include "settings/preferences.h"

#include <QString>

#include <array>

// The main window's fields as a chart or print command reads them when it runs: the texts of
// the boxes and the states of the preference controls, taken at that moment and not kept.
namespace chart {

// The printer and spacing choices are the ones the settings files keep.
using settings::PrinterType;
using settings::Spacing;

struct ChartFields
{
    QString name;         // Text3
    QString birth;        // Text4
    QString sign;         // Text6
    QString weekdayBorn;  // Text7
    QString ageDays;      // Text8
    QString ageYears;     // Text9
    QString start;        // Text10
    QString length;       // Text11
    QString end;          // Text12
    QString linesPerPage; // Text17

    QString leadIn;                 // Combo1
    std::array<QString, 4> heading; // Text13 to Text16
    QString font;                   // Combo2

    bool holidays = false;     // Check1 "Holiday Messages"
    bool dateEachPage = false; // Check2 "Current Date  Each Page"
    bool color = false;        // Check3 "Print In Color"
    bool forecast = false;     // Check4 "Daily Forecast"
    PrinterType printer = PrinterType::None;
    Spacing spacing = Spacing::None;

    bool operator==(const ChartFields &) const = default;
};

// The fields with the person and chart period taken from the boxes that hold them.
[[nodiscard]] inline ChartFields WithPersonBoxes(ChartFields fields, const calendar::PersonBoxes &boxes)
{
    fields.birth = boxes.birth;
    fields.sign = boxes.sign;
    fields.weekdayBorn = boxes.weekday;
    fields.ageDays = boxes.ageDays;
    fields.ageYears = boxes.ageYears;
    fields.start = boxes.start;
    fields.length = boxes.length;
    fields.end = boxes.end;
    return fields;
}

} // namespace chart
