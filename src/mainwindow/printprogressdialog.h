#pragma once

#include "print/systemprinting.h"

class QWidget;

// The progress box of a long print, which the print side gets as a plain callback.

// A progress dialog with Cancel over `parent` (or, while `parent` is not shown, over the nearest
// window round it that is) for each long document, as the print side's progress factory. A dialog
// appears only when the print has run for about a second; it is window-modal, so the window takes
// no other input meanwhile.
[[nodiscard]] print::ProgressFactory PrintProgressDialogs(QWidget *parent);
