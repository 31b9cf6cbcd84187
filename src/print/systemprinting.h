#pragma once

#include "print/pdfnames.h"
#include "print/pdfprintdevice.h"
#include "print/printcommands.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Printing on the machine's own printer: a print queue, or PDF files when the machine has none.
// The window hands in what needs a person: the file question and the progress box; the texts for
// the user come in the wording of `alerts`.
namespace print {

// Asks where a PDF goes: the caption says what is saved, the suggestion is a full path in the
// user's documents folder. Returns the chosen file, or an empty string when the user declined.
using PdfFileQuestion = std::function<QString(const QString &caption, const QString &suggestedPath)>;

// Makes the progress of one long document, labelled with what is printed. What it returns is
// told how far the document has come (false calls it off) and is let go when the document ends.
using ProgressFactory = std::function<PrintProgress(const QString &label)>;

// The printers of one print command: a PdfPrintDevice per document on `queue`, or, with no
// queue, on a PDF file whose name is asked once for the whole command (when its first document
// starts printing, so a command refused by its checks asks nothing). Files of the command that
// already exist, beyond the one the file question confirmed, are replaced only when `alerts` gets
// a Yes; a No calls the command off. A chart's progress is made only once its first day is
// drawn, after the file question, so a progress box never stands over the save dialog.
class SystemPrintTargets final : public PrintTargetProvider
{
public:
    SystemPrintTargets(PrintCommand command, const QString &personName, std::optional<PrintQueue> queue,
                       PdfFileQuestion askFile, ProgressFactory makeProgress, Alerts &alerts);
    ~SystemPrintTargets() override;

    [[nodiscard]] PrintDevice &open(PrintDocument document) override;
    [[nodiscard]] PrintProgress progress(PrintDocument document) override;
    void close(PrintDocument document, PrintOutcome outcome) override;
    [[nodiscard]] QString doneMessage() const override;

private:
    QString pdfPath(PrintDocument document);
    // The chosen file, or an empty string when the user declines to replace files it would.
    QString confirmReplacing(const QString &chosen);

    PrintCommand m_command;
    QString m_personName;
    std::optional<PrintQueue> m_queue;
    PdfFileQuestion m_askFile;
    ProgressFactory m_makeProgress;
    Alerts &m_alerts;
    std::optional<QString> m_chosen; // the answer to the file question, once asked
    std::unique_ptr<PdfPrintDevice> m_device;
    PrintProgress m_progress;   // of the open document, once made
    QStringList m_written;      // the PDF files written, when there is no queue
    QList<SentDocument> m_sent; // the documents the queue has taken
};

} // namespace print
