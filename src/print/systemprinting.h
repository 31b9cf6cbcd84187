#pragma once

#include "print/printcommands.h"
#include "print/qtprintdevice.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

// Printing on the machine's own printer: the default print queue, or PDF files when the
// machine has none.
namespace print {

// Asks where a PDF goes: the caption says what is saved, the suggestion is a full path in the
// user's documents folder. Returns the chosen file, or an empty string when the user declined.
using PdfFileQuestion = std::function<QString(const QString &caption, const QString &suggestedPath)>;

// The default print queue, else the first one installed, else an empty string.
[[nodiscard]] QString DefaultQueue();

// The save dialog as a PdfFileQuestion, over `parent`.
[[nodiscard]] PdfFileQuestion SaveDialogQuestion(QWidget *parent);

class PrintProgressDialog;

// The printers of one print command: a QtPrintDevice per document on `queue`, or, with no
// queue, on a PDF file whose name is asked once for the whole command (when its first document
// starts printing, so a command refused by its checks asks nothing). Files of the command that
// already exist, beyond the one the save dialog confirmed, are replaced only when `alerts` gets a
// Yes; a No calls the command off. A chart shows a progress dialog with Cancel when its pages
// take longer than about a second to draw; the dialog is made only once the first day is drawn,
// after the file question, so it never stands over the save dialog.
class SystemPrintTargets final : public PrintTargetProvider
{
public:
    SystemPrintTargets(PrintCommand command, const QString &personName, QString queue,
                       PdfFileQuestion askFile, Alerts &alerts, QWidget *parent = nullptr);
    ~SystemPrintTargets() override;

    [[nodiscard]] PrintDevice &open(PrintDocument document) override;
    [[nodiscard]] PrintProgress progress(PrintDocument document) override;
    void close(PrintDocument document, PrintOutcome outcome) override;
    [[nodiscard]] QStringList writtenFiles() const override { return m_written; }

private:
    QString pdfPath(PrintDocument document);
    // The chosen file, or an empty string when the user declines to replace files it would.
    QString confirmReplacing(const QString &chosen);

    PrintCommand m_command;
    QString m_personName;
    QString m_queue;
    PdfFileQuestion m_askFile;
    Alerts &m_alerts;
    QWidget *m_parent;
    std::optional<QString> m_chosen; // the answer to the file question, once asked
    std::unique_ptr<QtPrintDevice> m_device;
    std::unique_ptr<PrintProgressDialog> m_progress;
    QStringList m_written;
};

// What the main window runs for a print command: on the default queue without a dialog, or into
// PDF files chosen with a save dialog when no queue is installed.
QList<PrintOutcome> PrintOnSystemPrinter(PrintCommand command, const chart::ChartFields &fields,
                                         const QString &today, Alerts &alerts, QWidget *parent);

} // namespace print
