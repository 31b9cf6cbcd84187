#include "cli/printarguments.h"

#include "settings/preferences.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace cli {

namespace {

const QString PrintTextOption = QStringLiteral("print-text");
const QString PdfOption = QStringLiteral("pdf");
const QString WhatOption = QStringLiteral("what");
const QString PrinterOption = QStringLiteral("printer");
const QString FontOption = QStringLiteral("font");
const QString NoColorOption = QStringLiteral("no-color");
const QString LinesPerPageOption = QStringLiteral("lines-per-page");
const QString NoDateOption = QStringLiteral("no-date-each-page");
const QString LeadInOption = QStringLiteral("lead-in");
const QString HeadingOption = QStringLiteral("heading");
constexpr qsizetype HeadingLines = 4;

} // namespace

QList<QCommandLineOption> PrintOptions()
{
    return {
        {PrintTextOption, QStringLiteral("Print the dot-matrix pages as plain text on standard output.")},
        {PdfOption, QStringLiteral("Print the pages into the PDF file <file>."), QStringLiteral("file")},
        {WhatOption, QStringLiteral("What to print: chart (the default), cover, both or whatis."),
         QStringLiteral("what")},
        {PrinterOption, QStringLiteral("Printer type: laser (the default) or matrix."),
         QStringLiteral("type")},
        {FontOption, QStringLiteral("Font face for the laser printer (default Arial)."),
         QStringLiteral("name")},
        {NoColorOption, QStringLiteral("Print the chart in black only.")},
        {LinesPerPageOption, QStringLiteral("Lines per page (default 50)."), QStringLiteral("n")},
        {NoDateOption, QStringLiteral("Leave the date of printing out of the page titles.")},
        {LeadInOption, QStringLiteral("The cover sheet's lead-in line."), QStringLiteral("text")},
        {HeadingOption, QStringLiteral("A cover sheet heading line; up to four times, for lines 1 to 4."),
         QStringLiteral("text")},
    };
}

PrintRequest ReadPrintArguments(const QCommandLineParser &parser)
{
    PrintRequest request;
    const bool text = parser.isSet(PrintTextOption);
    const bool pdf = parser.isSet(PdfOption);
    if (!text && !pdf)
        return request;
    if (text && pdf) {
        request.error = QStringLiteral("--print-text and --pdf cannot be given together.");
        return request;
    }

    const settings::Preferences defaults = settings::ApplyDefaultSettings(settings::DesignPreferences());
    PrintArguments arguments;
    arguments.output = text ? PrintArguments::Output::Text : PrintArguments::Output::Pdf;
    arguments.pdfPath = parser.value(PdfOption);
    arguments.font = defaults.font;
    arguments.linesPerPage = defaults.linesPerPage;
    arguments.leadIn = settings::DefaultLeadIn();

    const QString what = parser.isSet(WhatOption) ? parser.value(WhatOption) : QStringLiteral("chart");
    if (what == QLatin1String("chart"))
        arguments.what = print::PrintCommand::Chart;
    else if (what == QLatin1String("cover"))
        arguments.what = print::PrintCommand::CoverSheet;
    else if (what == QLatin1String("both"))
        arguments.what = print::PrintCommand::CoverSheetAndChart;
    else if (what == QLatin1String("whatis"))
        arguments.what = print::PrintCommand::WhatIs;
    else
        request.error = QStringLiteral("--what takes chart, cover, both or whatis, not \"%1\".").arg(what);

    const QString printer =
        parser.isSet(PrinterOption) ? parser.value(PrinterOption) : QStringLiteral("laser");
    if (printer == QLatin1String("laser"))
        arguments.printer = chart::PrinterType::Laser;
    else if (printer == QLatin1String("matrix"))
        arguments.printer = chart::PrinterType::Matrix;
    else if (request.error.isEmpty())
        request.error = QStringLiteral("--printer takes laser or matrix, not \"%1\".").arg(printer);

    if (parser.isSet(FontOption))
        arguments.font = parser.value(FontOption);
    arguments.color = !parser.isSet(NoColorOption);
    if (parser.isSet(LinesPerPageOption))
        arguments.linesPerPage = parser.value(LinesPerPageOption);
    arguments.dateEachPage = !parser.isSet(NoDateOption);
    if (parser.isSet(LeadInOption))
        arguments.leadIn = parser.value(LeadInOption);
    arguments.heading = parser.values(HeadingOption);
    if (arguments.heading.size() > HeadingLines && request.error.isEmpty())
        request.error = QStringLiteral("--heading can be given at most four times.");
    if (arguments.heading.isEmpty()) {
        for (const QString &line : settings::DefaultHeadingLines())
            arguments.heading.append(line);
    }
    if (arguments.output == PrintArguments::Output::Pdf && arguments.pdfPath == QLatin1String("-") &&
        arguments.what == print::PrintCommand::CoverSheetAndChart && request.error.isEmpty())
        request.error = QStringLiteral("--pdf - (standard output) takes one document, not --what both.");
    // A path ending in a folder names no file (and would give " - chart.pdf" there).
    if (arguments.output == PrintArguments::Output::Pdf &&
        QFileInfo(arguments.pdfPath).fileName().isEmpty() && request.error.isEmpty())
        request.error = QStringLiteral("--pdf needs a file name.");

    if (request.error.isEmpty())
        request.arguments = arguments;
    return request;
}

chart::ChartFields WithPrintArguments(chart::ChartFields fields, const PrintArguments &arguments)
{
    fields.preferences.printer =
        arguments.output == PrintArguments::Output::Text ? chart::PrinterType::Matrix : arguments.printer;
    fields.preferences.font = arguments.font;
    fields.preferences.color = arguments.color;
    fields.preferences.linesPerPage = arguments.linesPerPage;
    fields.preferences.dateEachPage = arguments.dateEachPage;
    fields.preferences.leadIn = arguments.leadIn;
    for (qsizetype n = 0; n < HeadingLines; ++n)
        fields.preferences.heading[n] = arguments.heading.value(n);
    return fields;
}

} // namespace cli
