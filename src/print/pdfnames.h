#pragma once

#include "print/printcommands.h"

#include <QString>
#include <QStringList>

// The PDF files a print command writes when the machine has no print queue.
namespace print {

// The file name the save dialog suggests, built from the person's name and what is printed:
// "Your Name - cover sheet.pdf", "Your Name - chart.pdf", and for the combined command, which
// writes two files, "Your Name.pdf". Characters no file name may hold become "_". The "What Is
// A Biorhythm?" sheet, which names nobody, is "What Is A Biorhythm.pdf".
[[nodiscard]] QString SuggestedPdfName(PrintCommand command, const QString &personName);

// The name as a file name: characters no file name may hold become "_"; "Biorhythm" when blank.
[[nodiscard]] QString SafeFileStem(const QString &name);

// The caption of the save dialog.
[[nodiscard]] QString PdfQuestionCaption(PrintCommand command);

// The file a document goes to once the user has chosen `chosen`: that file itself for a single
// document; for the combined command the chosen name with " - cover sheet.pdf" and
// " - chart.pdf" in place of its ".pdf". A chosen name without ".pdf" gets it.
[[nodiscard]] QString PdfPathFor(PrintCommand command, PrintDocument document, const QString &chosen);

// Every file the command writes once the user has chosen `chosen`, in the order of its documents.
[[nodiscard]] QStringList PdfPathsFor(PrintCommand command, const QString &chosen);

inline const QString ReplaceFilesTitle = QStringLiteral("REPLACE FILES?");

// The question asked before files of these names (all in one folder) are replaced.
[[nodiscard]] QString ReplaceFilesQuestion(const QStringList &existing);

// What the user is told once these PDF files (all in one folder) have been written.
[[nodiscard]] QString PdfWrittenMessage(const QStringList &written);

} // namespace print
