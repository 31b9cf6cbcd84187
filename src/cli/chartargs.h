#pragma once

#include "chart/chartfields.h"
#include "cli/printarguments.h"

#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

// The command line of tidemark-chart. Each option stands for a value the main window takes from
// a box or a preference; a new option is one more field here, one more QCommandLineOption in
// chartargs.cpp and one more line of the usage text.
namespace cli {

struct ChartArguments
{
    QString name;                 // --name: the person's name
    QString birth;                // --birth: the birthdate, as typed
    QString days;                 // --days: the chart's length, digits only (a whole number, 0 or more)
    std::optional<QString> start; // --start: the chart's first day; today when not given
    QString today;                // --today, in place of the system clock; empty when not given
    bool forecast = false;        // --forecast: the daily forecast after each day
    bool holidays = true;         // off with --no-holidays: no holiday, Friday the 13th or birthday lines
    chart::Spacing spacing = chart::Spacing::WithLines; // --spacing single|double|lines
    // --print-text or --pdf with their options: print instead of writing the screen chart.
    std::optional<PrintArguments> print;
    enum class Format { Text, Json };
    Format format = Format::Text; // --format text|json: the screen chart, or JSON Lines of its days
    bool allCycles = false;       // --cycles all: the JSON Lines carry the secondary cycles' values too
    QString icsPath; // --ics FILE: the period's special days as a calendar file instead; "-": standard output
    QTime reminder;  // --reminder HH:MM: an alarm on each calendar event at that time; invalid: none
    // --partner-name and --partner-birth, together: the chart compared with a second person's.
    struct Partner
    {
        QString name;
        QString birth; // as typed
        bool operator==(const Partner &) const = default;
    };
    std::optional<Partner> partner;
    bool operator==(const ChartArguments &) const = default;
};

struct ParsedArguments
{
    enum class Outcome { Run, Help, Version, UsageError };
    Outcome outcome = Outcome::UsageError;
    ChartArguments arguments;
    QString error; // for a usage error: what was wrong
};

// arguments[0] is the program's name, as QCoreApplication::arguments() gives it.
[[nodiscard]] ParsedArguments ParseChartArguments(const QStringList &arguments);

// The usage line(s), ending with a line end.
[[nodiscard]] QString UsageText();

// --help: the usage and a line on each option.
[[nodiscard]] QString HelpText();

// --version: the program's name, its package and version, as GNU programs give them.
[[nodiscard]] QString VersionText();

} // namespace cli
