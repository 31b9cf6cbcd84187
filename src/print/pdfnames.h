#pragma once

#include "platform/wording.h"
#include "print/printcommands.h"

#include <QString>
#include <QStringList>

// What a print command's documents are called: the PDF files it writes when the machine has no
// print queue (or on Export as PDF), the titles its print jobs and PDF files carry, and what the
// user is told of them.
namespace print {

// The file name the save dialog suggests, built from the person's name and what is printed:
// "Your Name - cover sheet.pdf", "Your Name - chart.pdf", and for the combined command, which
// writes "Your Name - cover sheet.pdf" and "Your Name - chart.pdf", the part they share,
// "Your Name". Characters no file name may hold become "_". The "What Is A Biorhythm?" sheet,
// which names nobody, is "What Is A Biorhythm.pdf".
[[nodiscard]] QString SuggestedPdfName(PrintCommand command, const QString &personName);

// The texts for the user below come in `words` (English by default); the titles and file names
// stay English.

// What the save dialog says inside it, for the name `chosen` typed in it: that there is no
// printer (when `noPrinter`), and which PDF file or files that name writes.
[[nodiscard]] QString PdfFilesNote(PrintCommand command, const QString &chosen, bool noPrinter,
                                   Wording words = KeepEnglish);

// The title of a print job or PDF file: what it is and whom it is for, "Tidemark chart - Pat
// Example"; the "What Is" sheet names nobody.
[[nodiscard]] QString DocumentTitle(PrintDocument document, const QString &personName);
[[nodiscard]] QString GraphDocumentTitle(const QString &personName);

// A document handed to a print queue: what it is ("the chart") and its pages.
struct SentDocument
{
    QString what;
    qint64 pages = 0;
};

// What the user is told once these documents have been handed to the print queue `queue`.
[[nodiscard]] QString SentToPrinterMessage(const QString &queue, const QList<SentDocument> &sent,
                                           Wording words = KeepEnglish);

// "the cover sheet", "the chart", "What Is A Biorhythm?" in quotes: a document in a sentence.
[[nodiscard]] QString DocumentInSentence(PrintDocument document, Wording words = KeepEnglish);

// The name as a file name: characters no file name may hold become "_"; "Biorhythm" when blank.
[[nodiscard]] QString SafeFileStem(const QString &name);

// The caption of the save dialog.
[[nodiscard]] QString PdfQuestionCaption(PrintCommand command, Wording words = KeepEnglish);

// The file a document goes to once the user has chosen `chosen`: that file itself for a single
// document; for the combined command the chosen name with " - cover sheet.pdf" and
// " - chart.pdf" in place of its ".pdf". A chosen name without ".pdf" gets it.
[[nodiscard]] QString PdfPathFor(PrintCommand command, PrintDocument document, const QString &chosen);

// Every file the command writes once the user has chosen `chosen`, in the order of its documents.
[[nodiscard]] QStringList PdfPathsFor(PrintCommand command, const QString &chosen);

inline constexpr const char *ReplaceFilesTitle = QT_TRANSLATE_NOOP("PrintMessages", "REPLACE FILES?");

// The question asked before files of these names (all in one folder) are replaced.
[[nodiscard]] QString ReplaceFilesQuestion(const QStringList &existing, Wording words = KeepEnglish);

// What the user is told once these PDF files (all in one folder) have been written.
[[nodiscard]] QString PdfWrittenMessage(const QStringList &written, Wording words = KeepEnglish);

} // namespace print
