#pragma once

#include "chart/chartfields.h"
#include "info/whatistext.h"

#include <QString>

#include <array>

// Printing the "What Is A Biorhythm?" sheet: one whole print document on the device it is given.
namespace print {

class PrintDevice;

// The character layout serves a dot-matrix printer and also the font "Courier" (exactly that
// name): a fixed-pitch face prints best in character columns. Any other case is the page layout.
[[nodiscard]] info::WhatIsLayout WhatIsLayoutFor(chart::PrinterType printer, const QString &fontName);

// Prints the sheet in the given layout and ends the document. `fontName` is the page layout's
// font (the character layout always prints in "Courier"); `heading` holds the cover-sheet
// heading lines 1 to 4, printed at the foot only when line 1 is not empty.
// A device that fails is abandoned (abort) instead of ended; the caller reads ok()/errorText().
void PrintWhatIs(PrintDevice &device, info::WhatIsLayout layout, const QString &fontName,
                 const std::array<QString, 4> &heading);

// The Print button of the "What Is" panel and the Help menu's Print What Is A Biorhythm?: picks
// the layout from the printer type and the font box and prints the sheet. The panel need not be
// open.
void PrintWhatIsSheet(PrintDevice &device, const chart::ChartFields &fields);

} // namespace print
