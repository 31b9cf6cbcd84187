#include "cli/printoutput.h"

#include "cli/chartcommand.h"
#include "print/pdfnames.h"
#include "print/pdfprintdevice.h"
#include "print/textprintdevice.h"

#include <QTextStream>

#include <memory>

namespace cli {

namespace {

// Text pages gathered document by document onto the output.
class TextTargets final : public print::PrintTargetProvider
{
public:
    explicit TextTargets(QTextStream &out)
        : m_out(out)
    {}
    print::PrintDevice &open(print::PrintDocument) override
    {
        m_device = std::make_unique<print::TextPrintDevice>();
        return *m_device;
    }
    void close(print::PrintDocument, print::PrintOutcome outcome) override
    {
        if (outcome != print::PrintOutcome::Printed)
            return;
        if (m_documents++ > 0)
            m_out << '\f';
        m_out << m_device->text();
        m_out.flush();
    }

private:
    QTextStream &m_out;
    std::unique_ptr<print::TextPrintDevice> m_device;
    int m_documents = 0;
};

// Each document into its PDF file, replacing any file of that name.
class PdfTargets final : public print::PrintTargetProvider
{
public:
    PdfTargets(print::PrintCommand command, QString path)
        : m_command(command)
        , m_path(std::move(path))
    {}
    print::PrintDevice &open(print::PrintDocument document) override
    {
        const QString path = print::PdfPathFor(m_command, document, m_path);
        m_device = std::make_unique<print::PdfPrintDevice>(
            print::PdfPrintTarget{std::nullopt, path, QStringLiteral("Tidemark")});
        return *m_device;
    }

private:
    print::PrintCommand m_command;
    QString m_path;
    std::unique_ptr<print::PdfPrintDevice> m_device;
};

} // namespace

int PrintDocuments(const PrintArguments &arguments, const chart::ChartFields &fields, const QString &today,
                   QTextStream &out, Alerts &alerts)
{
    const chart::ChartFields printed = WithPrintArguments(fields, arguments);
    QList<print::PrintOutcome> outcomes;
    if (arguments.output == PrintArguments::Output::Text) {
        TextTargets targets(out);
        outcomes = print::RunPrintCommand(arguments.what, printed, today, targets, alerts);
    } else {
        PdfTargets targets(arguments.what, arguments.pdfPath);
        outcomes = print::RunPrintCommand(arguments.what, printed, today, targets, alerts);
    }
    if (outcomes.isEmpty() || outcomes.contains(print::PrintOutcome::Refused))
        return ExitBadInput;
    return outcomes.contains(print::PrintOutcome::Printed) && !outcomes.contains(print::PrintOutcome::Failed)
               ? ExitOk
               : ExitWriteFailed;
}

} // namespace cli
