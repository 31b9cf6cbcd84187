#pragma once

#include <QString>

#include <array>

// The main window's fields as a chart or print command reads them when it runs: the texts of
// the boxes and the states of the preference controls, taken at that moment and not kept.
namespace chart {

enum class PrinterType { None, Matrix, Laser };        // Option1 / Option2
enum class Spacing { None, Single, Double, WithLines }; // Option3 / Option4 / Option5

struct ChartFields
{
    QString name;        // Text3
    QString birth;       // Text4
    QString sign;        // Text6
    QString weekdayBorn; // Text7
    QString ageDays;     // Text8
    QString ageYears;    // Text9
    QString start;       // Text10
    QString length;      // Text11
    QString end;         // Text12
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
