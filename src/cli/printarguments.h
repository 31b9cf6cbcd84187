#pragma once

#include "chart/chartfields.h"
#include "print/printcommands.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// The print options of tidemark-chart:
//   --print-text --what chart|cover|both|whatis   the dot-matrix pages as plain text on standard
//                                   output, lines ended by \n, pages (and documents) split by \f
//   --pdf FILE   --what chart|cover|both|whatis   the pages as a PDF into FILE as named ("-":
//                                   standard output); "both" writes FILE's name with
//                                   " - cover sheet.pdf" and " - chart.pdf"
//   --printer laser|matrix  --font NAME  --no-color  --lines-per-page N  --no-date-each-page
//   --lead-in TEXT  --heading TEXT (up to four times, heading lines 1 to 4)
// "whatis" is the "What Is A Biorhythm?" sheet, which needs no person.
// Every preference starts from the window's Default Settings and its default heading.
namespace cli {

struct PrintArguments
{
    enum class Output { Text, Pdf };
    Output output = Output::Text;                           // --print-text or --pdf
    QString pdfPath;                                        // --pdf FILE; "-": standard output
    print::PrintCommand what = print::PrintCommand::Chart;  // --what
    chart::PrinterType printer = chart::PrinterType::Laser; // --printer; text is always dot-matrix
    QString font;                                           // --font: the laser printer's face
    bool color = true;                                      // off with --no-color
    QString linesPerPage;     // --lines-per-page as typed: the chart's checks judge it
    bool dateEachPage = true; // off with --no-date-each-page: no date of printing in page titles
    QString leadIn;           // --lead-in: the cover sheet's lead-in line
    QStringList heading;      // --heading: the cover sheet's heading lines 1 to 4
    bool operator==(const PrintArguments &) const = default;
};

// The print options for a QCommandLineParser.
[[nodiscard]] QList<QCommandLineOption> PrintOptions();

struct PrintRequest
{
    std::optional<PrintArguments> arguments; // none: neither --print-text nor --pdf was given
    QString error;                           // a usage error, for standard error
};

// Reads the print options from a parser that has processed the command line.
[[nodiscard]] PrintRequest ReadPrintArguments(const QCommandLineParser &parser);

// The fields with the printer, the page and the cover sheet's lines that the arguments give.
[[nodiscard]] chart::ChartFields WithPrintArguments(chart::ChartFields fields, const PrintArguments &args);

} // namespace cli
