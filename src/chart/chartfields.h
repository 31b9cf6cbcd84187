#pragma once

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

} // namespace chart
