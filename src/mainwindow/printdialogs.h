#pragma once

#include "print/systemprinting.h"

class QWidget;

// The dialogs of the print commands, which the print side gets as plain callbacks: the save
// dialog that asks for a PDF file, and the progress box of a long print.

// The save dialog over `parent` as the print side's file question.
[[nodiscard]] print::PdfFileQuestion SavePdfDialog(QWidget *parent);

// A progress dialog with Cancel over `parent` for each long document, as the print side's
// progress factory. A dialog appears only when the print has run for about a second; it is
// window-modal, so the window takes no other input meanwhile.
[[nodiscard]] print::ProgressFactory PrintProgressDialogs(QWidget *parent);
