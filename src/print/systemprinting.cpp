#include "print/systemprinting.h"

#include "print/pdfnames.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace print {

SystemPrintTargets::SystemPrintTargets(PrintCommand command, const QString &personName,
                                       std::optional<PrintQueue> queue, PdfFileQuestion askFile,
                                       ProgressFactory makeProgress, Alerts &alerts)
    : m_command(command)
    , m_personName(personName)
    , m_queue(std::move(queue))
    , m_askFile(std::move(askFile))
    , m_makeProgress(std::move(makeProgress))
    , m_alerts(alerts)
{}

SystemPrintTargets::~SystemPrintTargets() = default;

QString SystemPrintTargets::pdfPath(PrintDocument document)
{
    if (!m_chosen) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QDir().mkpath(folder);
        const QString suggested = QDir(folder).filePath(SuggestedPdfName(m_command, m_personName));
        const QString chosen =
            m_askFile ? m_askFile(PdfQuestionCaption(m_command, m_alerts.wording()), suggested) : QString();
        m_chosen = chosen.isEmpty() ? chosen : confirmReplacing(chosen);
    }
    return m_chosen->isEmpty() ? QString() : PdfPathFor(m_command, document, *m_chosen);
}

QString SystemPrintTargets::confirmReplacing(const QString &chosen)
{
    QStringList existing;
    for (const QString &path : PdfPathsFor(m_command, chosen)) {
        // The save dialog has already asked about the file it was given.
        if (path != chosen && QFileInfo::exists(path))
            existing << path;
    }
    if (existing.isEmpty() || m_alerts.question(m_alerts.wording()("PrintMessages", ReplaceFilesTitle),
                                                ReplaceFilesQuestion(existing, m_alerts.wording())))
        return chosen;
    return {};
}

PrintDevice &SystemPrintTargets::open(PrintDocument document)
{
    PdfPrintTarget target{m_queue, {}, DocumentTitle(document, m_personName)};
    target.words = m_alerts.wording();
    m_device = std::make_unique<PdfPrintDevice>(target, [this, document] { return pdfPath(document); });
    return *m_device;
}

PrintProgress SystemPrintTargets::progress(PrintDocument document)
{
    if (document != PrintDocument::Chart || !m_makeProgress)
        return {};
    return [this](qint64 done, qint64 total) {
        if (!m_progress)
            m_progress = m_makeProgress(
                m_alerts
                    .wording()("PrintMessages",
                               QT_TRANSLATE_NOOP("PrintMessages", "Printing the chart of %1..."))
                    .arg(m_personName));
        return !m_progress || m_progress(done, total);
    };
}

void SystemPrintTargets::close(PrintDocument document, PrintOutcome outcome)
{
    if (outcome == PrintOutcome::Printed && m_queue)
        m_sent.append({DocumentInSentence(document, m_alerts.wording()), m_device->pageCount()});
    if (outcome == PrintOutcome::Printed && !m_queue && !m_device->outputPath().isEmpty())
        m_written.append(m_device->outputPath());
    m_progress = nullptr;
    m_device.reset();
}

QString SystemPrintTargets::doneMessage() const
{
    if (!m_sent.isEmpty())
        return SentToPrinterMessage(m_queue->name, m_sent, m_alerts.wording());
    return m_written.isEmpty() ? QString() : PdfWrittenMessage(m_written, m_alerts.wording());
}

} // namespace print
