#include "print/cliprint.h"

#include "print/pdfnames.h"
#include "print/qtprintdevice.h"
#include "print/textprintdevice.h"
#include "settings/preferences.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

namespace print {

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

// Messages go to standard error as "TITLE: message".
class StreamAlerts final : public Alerts
{
public:
    explicit StreamAlerts(QTextStream &err)
        : m_err(err)
    {}
    void critical(const QString &title, const QString &text) override { write(title, text); }
    void plain(const QString &title, const QString &text) override { write(title, text); }

private:
    void write(const QString &title, const QString &text)
    {
        m_err << title << ": " << text << '\n';
        m_err.flush();
    }
    QTextStream &m_err;
};

// Text pages gathered document by document onto standard output.
class TextTargets final : public PrintTargetProvider
{
public:
    explicit TextTargets(QTextStream &out)
        : m_out(out)
    {}
    PrintDevice &open(PrintDocument) override
    {
        m_device = std::make_unique<TextPrintDevice>();
        return *m_device;
    }
    void close(PrintDocument, PrintOutcome outcome) override
    {
        if (outcome != PrintOutcome::Printed)
            return;
        if (m_documents++ > 0)
            m_out << '\f';
        m_out << m_device->text();
        m_out.flush();
    }

private:
    QTextStream &m_out;
    std::unique_ptr<TextPrintDevice> m_device;
    int m_documents = 0;
};

class PdfTargets final : public PrintTargetProvider
{
public:
    PdfTargets(PrintCommand command, QString path)
        : m_command(command)
        , m_path(std::move(path))
    {}
    PrintDevice &open(PrintDocument document) override
    {
        const QString path = PdfPathFor(m_command, document, m_path);
        m_device = std::make_unique<QtPrintDevice>(QtPrintTarget{{}, path, QStringLiteral("Tidemark")});
        return *m_device;
    }

private:
    PrintCommand m_command;
    QString m_path;
    std::unique_ptr<QtPrintDevice> m_device;
};

} // namespace

QList<QCommandLineOption> CliPrintOptionList()
{
    return {
        {PrintTextOption, QStringLiteral("Print the dot-matrix pages as plain text on standard output.")},
        {PdfOption, QStringLiteral("Print the pages into the PDF file <file>."), QStringLiteral("file")},
        {WhatOption, QStringLiteral("What to print: chart (the default), cover or both."),
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

CliPrintRequest ReadCliPrintOptions(const QCommandLineParser &parser)
{
    CliPrintRequest request;
    const bool text = parser.isSet(PrintTextOption);
    const bool pdf = parser.isSet(PdfOption);
    if (!text && !pdf)
        return request;
    if (text && pdf) {
        request.error = QStringLiteral("--print-text and --pdf cannot be given together.");
        return request;
    }

    const settings::Preferences defaults = settings::ApplyDefaultSettings(settings::DesignPreferences());
    CliPrintOptions options;
    options.output = text ? CliPrintOptions::Output::Text : CliPrintOptions::Output::Pdf;
    options.pdfPath = parser.value(PdfOption);
    options.font = defaults.font;
    options.linesPerPage = defaults.linesPerPage;
    options.leadIn = settings::DefaultLeadIn();

    const QString what = parser.isSet(WhatOption) ? parser.value(WhatOption) : QStringLiteral("chart");
    if (what == QLatin1String("chart"))
        options.what = PrintCommand::Chart;
    else if (what == QLatin1String("cover"))
        options.what = PrintCommand::CoverSheet;
    else if (what == QLatin1String("both"))
        options.what = PrintCommand::CoverSheetAndChart;
    else
        request.error = QStringLiteral("--what takes chart, cover or both, not \"%1\".").arg(what);

    const QString printer =
        parser.isSet(PrinterOption) ? parser.value(PrinterOption) : QStringLiteral("laser");
    if (printer == QLatin1String("laser"))
        options.printer = chart::PrinterType::Laser;
    else if (printer == QLatin1String("matrix"))
        options.printer = chart::PrinterType::Matrix;
    else if (request.error.isEmpty())
        request.error = QStringLiteral("--printer takes laser or matrix, not \"%1\".").arg(printer);

    if (parser.isSet(FontOption))
        options.font = parser.value(FontOption);
    options.color = !parser.isSet(NoColorOption);
    if (parser.isSet(LinesPerPageOption))
        options.linesPerPage = parser.value(LinesPerPageOption);
    options.dateEachPage = !parser.isSet(NoDateOption);
    if (parser.isSet(LeadInOption))
        options.leadIn = parser.value(LeadInOption);
    options.heading = parser.values(HeadingOption);
    if (options.heading.size() > HeadingLines && request.error.isEmpty())
        request.error = QStringLiteral("--heading can be given at most four times.");
    if (options.heading.isEmpty()) {
        for (const QString &line : settings::DefaultHeadingLines())
            options.heading.append(line);
    }
    // A path ending in a folder would give a file named only ".pdf" (or " - chart.pdf") there.
    if (options.output == CliPrintOptions::Output::Pdf && QFileInfo(options.pdfPath).fileName().isEmpty() &&
        request.error.isEmpty())
        request.error = QStringLiteral("--pdf needs a file name.");

    if (request.error.isEmpty())
        request.options = options;
    return request;
}

chart::ChartFields WithCliPrintOptions(chart::ChartFields fields, const CliPrintOptions &options)
{
    fields.preferences.printer =
        options.output == CliPrintOptions::Output::Text ? chart::PrinterType::Matrix : options.printer;
    fields.preferences.font = options.font;
    fields.preferences.color = options.color;
    fields.preferences.linesPerPage = options.linesPerPage;
    fields.preferences.dateEachPage = options.dateEachPage;
    fields.preferences.leadIn = options.leadIn;
    for (qsizetype n = 0; n < HeadingLines; ++n)
        fields.preferences.heading[n] = options.heading.value(n);
    return fields;
}

int PrintFromCli(const CliPrintOptions &options, const chart::ChartFields &fields, const QString &today,
                 QTextStream &out, QTextStream &err)
{
    const chart::ChartFields printed = WithCliPrintOptions(fields, options);
    StreamAlerts alerts(err);
    QList<PrintOutcome> outcomes;
    if (options.output == CliPrintOptions::Output::Text) {
        TextTargets targets(out);
        outcomes = RunPrintCommand(options.what, printed, today, targets, alerts);
    } else {
        PdfTargets targets(options.what, options.pdfPath);
        outcomes = RunPrintCommand(options.what, printed, today, targets, alerts);
    }
    if (outcomes.isEmpty() || outcomes.contains(PrintOutcome::Refused))
        return 2;
    return outcomes.contains(PrintOutcome::Printed) && !outcomes.contains(PrintOutcome::Failed) ? 0 : 1;
}

} // namespace print
