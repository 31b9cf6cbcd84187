#include "print/systemprinting.h"

#include "print/pdfnames.h"
#include "print/printprogressdialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace print {

QString DefaultQueue()
{
    const QString queue = QPrinterInfo::defaultPrinterName();
    return queue.isEmpty() ? QPrinterInfo::availablePrinterNames().value(0) : queue;
}

PdfFileQuestion SaveDialogQuestion(QWidget *parent)
{
    return [parent](const QString &caption, const QString &suggestedPath) {
        return QFileDialog::getSaveFileName(parent, caption, suggestedPath,
                                            QCoreApplication::translate("print", "PDF files (*.pdf)"));
    };
}

SystemPrintTargets::SystemPrintTargets(PrintCommand command, const QString &personName, QString queue,
                                       PdfFileQuestion askFile, Alerts &alerts, QWidget *parent)
    : m_command(command)
    , m_personName(personName)
    , m_queue(std::move(queue))
    , m_askFile(std::move(askFile))
    , m_alerts(alerts)
    , m_parent(parent)
{}

SystemPrintTargets::~SystemPrintTargets() = default;

QString SystemPrintTargets::pdfPath(PrintDocument document)
{
    if (!m_chosen) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QDir().mkpath(folder);
        const QString suggested = QDir(folder).filePath(SuggestedPdfName(m_command, m_personName));
        const QString chosen = m_askFile ? m_askFile(PdfQuestionCaption(m_command), suggested) : QString();
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
    if (existing.isEmpty() || m_alerts.question(ReplaceFilesTitle, ReplaceFilesQuestion(existing)))
        return chosen;
    return {};
}

PrintDevice &SystemPrintTargets::open(PrintDocument document)
{
    QString title = QStringLiteral("Tidemark What Is A Biorhythm");
    if (document != PrintDocument::WhatIs) {
        const QString what =
            document == PrintDocument::CoverSheet ? QStringLiteral("cover sheet") : QStringLiteral("chart");
        title = QStringLiteral("Tidemark %1 - %2").arg(what, m_personName);
    }
    QtPrintTarget target{m_queue, {}, title};
    m_device = std::make_unique<QtPrintDevice>(target, [this, document] { return pdfPath(document); });
    return *m_device;
}

PrintProgress SystemPrintTargets::progress(PrintDocument document)
{
    if (document != PrintDocument::Chart)
        return {};
    return [this](qint64 done, qint64 total) {
        if (!m_progress) {
            m_progress = std::make_unique<PrintProgressDialog>(
                QCoreApplication::translate("print", "Printing the chart of %1...").arg(m_personName),
                m_parent);
        }
        return m_progress->advance(done, total);
    };
}

void SystemPrintTargets::close(PrintDocument, PrintOutcome outcome)
{
    if (outcome == PrintOutcome::Printed && m_queue.isEmpty() && !m_device->outputPath().isEmpty())
        m_written.append(m_device->outputPath());
    m_progress.reset();
    m_device.reset();
}

QList<PrintOutcome> PrintOnSystemPrinter(PrintCommand command, const chart::ChartFields &fields,
                                         const QString &today, Alerts &alerts, QWidget *parent)
{
    SystemPrintTargets targets(command, fields.name, DefaultQueue(), SaveDialogQuestion(parent), alerts,
                               parent);
    return RunPrintCommand(command, fields, today, targets, alerts);
}

} // namespace print
