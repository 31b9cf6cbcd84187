#pragma once

#include "chart/chartfields.h"
#include "print/printcommands.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;
class QTextStream;

// Printing from tidemark-chart:
//   --print-text --what chart|cover|both   the dot-matrix pages as plain text on standard output,
//                                          lines ended by \n, pages (and documents) split by \f
//   --pdf FILE   --what chart|cover|both   the pages as a PDF through the Qt printer; "both"
//                                          writes FILE's name with " - cover sheet.pdf" and
//                                          " - chart.pdf"
//   --printer laser|matrix  --font NAME  --no-color  --lines-per-page N  --no-date-each-page
//   --lead-in TEXT  --heading TEXT (up to four times, heading lines 1 to 4)
// Every preference starts from the window's Default Settings and its default heading.
namespace print {

struct CliPrintOptions
{
    enum class Output { Text, Pdf };
    Output output = Output::Text;
    QString pdfPath;
    PrintCommand what = PrintCommand::Chart;
    chart::PrinterType printer = chart::PrinterType::Laser;
    QString font;
    bool color = true;
    QString linesPerPage;
    bool dateEachPage = true;
    QString leadIn;
    QStringList heading; // lines 1 to 4; the default heading when none is given
    bool operator==(const CliPrintOptions &) const = default;
};

// The print options for a QCommandLineParser.
[[nodiscard]] QList<QCommandLineOption> CliPrintOptionList();

struct CliPrintRequest
{
    std::optional<CliPrintOptions> options; // nullopt: neither --print-text nor --pdf was given
    QString error;                          // a usage error, for standard error
};

// Reads the print options from a parser that has processed the command line.
[[nodiscard]] CliPrintRequest ReadCliPrintOptions(const QCommandLineParser &parser);

// The fields with the print options' preferences and heading put in.
[[nodiscard]] chart::ChartFields WithCliPrintOptions(chart::ChartFields fields,
                                                     const CliPrintOptions &options);

// Prints and returns the exit status: 0 when everything was printed, 2 when a check refused a
// document (its message goes to `err` as "TITLE: message"), 1 when the printer failed.
int PrintFromCli(const CliPrintOptions &options, const chart::ChartFields &fields, const QString &today,
                 QTextStream &out, QTextStream &err);

} // namespace print
