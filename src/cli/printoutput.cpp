#include "cli/printoutput.h"

#include "cli/chartcommand.h"
#include "cli/streamsink.h"
#include "print/pdfnames.h"
#include "print/pdfprintdevice.h"
#include "print/textprintdevice.h"

#include <cstdio>
#include <memory>

namespace cli {

namespace {

// Text pages streamed onto the output line by line as each device makes them final; a form feed
// splits the documents as it splits the pages.
class TextTargets final : public print::PrintTargetProvider
{
public:
    explicit TextTargets(StreamLineSink &out)
        : m_out(out)
    {}
    print::PrintDevice &open(print::PrintDocument) override
    {
        m_begun = false;
        m_device = std::make_unique<print::TextPrintDevice>([this](QStringView text) {
            begin();
            m_out.write(text);
        });
        return *m_device;
    }
    void close(print::PrintDocument, print::PrintOutcome outcome) override
    {
        // A text document is refused, if at all, before its first line.
        if (outcome != print::PrintOutcome::Printed)
            return;
        begin();
        ++m_documents;
    }

private:
    // The form feed before a later document, once it has something to show or is complete.
    void begin()
    {
        if (!m_begun && m_documents > 0)
            m_out.write(u"\f");
        m_begun = true;
    }

    StreamLineSink &m_out;
    std::unique_ptr<print::TextPrintDevice> m_device;
    int m_documents = 0;
    bool m_begun = false;
};

// Each document into its PDF file: one document into the file named, as named ("-" standard
// output), the two of the combined command into the name with " - cover sheet.pdf" and
// " - chart.pdf".
class PdfTargets final : public print::PrintTargetProvider
{
public:
    PdfTargets(print::PrintCommand command, QString path, QString personName, std::FILE *standardOutput)
        : m_command(command)
        , m_path(std::move(path))
        , m_personName(std::move(personName))
        , m_standardOutput(standardOutput)
    {}
    print::PrintDevice &open(print::PrintDocument document) override
    {
        print::PdfPrintTarget target{std::nullopt, m_path, print::DocumentTitle(document, m_personName)};
        if (m_command == print::PrintCommand::CoverSheetAndChart)
            target.pdfPath = print::PdfPathFor(m_command, document, m_path);
        else if (m_path == QLatin1String("-"))
            target.descriptor = fileno(m_standardOutput);
        m_device = std::make_unique<print::PdfPrintDevice>(target);
        return *m_device;
    }

private:
    print::PrintCommand m_command;
    QString m_path;
    QString m_personName;
    std::FILE *m_standardOutput;
    std::unique_ptr<print::PdfPrintDevice> m_device;
};

} // namespace

int PrintDocuments(const PrintArguments &arguments, const chart::ChartFields &fields, const QString &today,
                   StreamLineSink &out, Alerts &alerts)
{
    const chart::ChartFields printed = WithPrintArguments(fields, arguments);
    QList<print::PrintOutcome> outcomes;
    if (arguments.output == PrintArguments::Output::Text) {
        TextTargets targets(out);
        outcomes = print::RunPrintCommand(arguments.what, printed, today, targets, alerts);
    } else {
        PdfTargets targets(arguments.what, arguments.pdfPath, printed.name, out.stream());
        outcomes = print::RunPrintCommand(arguments.what, printed, today, targets, alerts);
    }
    if (outcomes.isEmpty() || outcomes.contains(print::PrintOutcome::Refused))
        return ExitBadInput;
    return outcomes.contains(print::PrintOutcome::Printed) && !outcomes.contains(print::PrintOutcome::Failed)
               ? ExitOk
               : ExitWriteFailed;
}

} // namespace cli
