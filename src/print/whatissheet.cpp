#include "print/whatissheet.h"

#include "print/printoutcome.h"

#include <algorithm>

namespace print {

using info::WhatIsLayout;

namespace {

const QString Indent = QStringLiteral("   ");
constexpr double SheetFontSize = 12;
constexpr int Heading1Column = 25;
constexpr int Heading2Column = 21;

void PrintBlocks(PrintDevice &device, const QList<QStringList> &blocks, WhatIsLayout layout, double bodyLeft)
{
    for (const QStringList &block : blocks) {
        for (const QString &line : block) {
            if (layout == WhatIsLayout::Character) {
                device.printLine(Indent + line);
            } else {
                device.setCurrentX(bodyLeft);
                device.printLine(line);
            }
        }
        device.endLine();
    }
}

// A line centred on the page; one wider than the page starts at the left edge.
void PrintCentred(PrintDevice &device, const QString &text)
{
    device.setCurrentX(std::max(0.0, device.pageWidth() / 2 - device.textWidth(text) / 2));
    device.printLine(text);
}

void PrintHeadingLines(PrintDevice &device, WhatIsLayout layout, const std::array<QString, 4> &heading)
{
    if (heading[0].isEmpty())
        return;
    for (const QString &line : heading) {
        if (line.isEmpty())
            continue;
        if (layout == WhatIsLayout::Character)
            device.printLine(Indent + line);
        else
            PrintCentred(device, line);
    }
}

} // namespace

WhatIsLayout WhatIsLayoutFor(chart::PrinterType printer, const QString &fontName)
{
    if (printer == chart::PrinterType::Matrix || fontName == QLatin1String("Courier"))
        return WhatIsLayout::Character;
    return WhatIsLayout::Page;
}

void PrintWhatIs(PrintDevice &device, WhatIsLayout layout, const QString &fontName,
                 const std::array<QString, 4> &heading)
{
    const info::WhatIsSheetText &sheet = info::WhatIsSheet(layout);
    for (int i = 0; i < 3; ++i)
        device.endLine();
    device.setFontName(layout == WhatIsLayout::Character ? QStringLiteral("Courier") : fontName);
    device.setFontSize(SheetFontSize);
    device.setFontBold(false);

    // The page layout's body starts ten eightieths of the page width from the left edge.
    const double bodyLeft = layout == WhatIsLayout::Page ? 10 * (device.pageWidth() / 80) : 0;
    if (layout == WhatIsLayout::Character) {
        device.tab(Heading1Column);
        device.printLine(info::WhatIsHeading1());
    } else {
        PrintCentred(device, info::WhatIsHeading1());
    }
    device.endLine();
    PrintBlocks(device, sheet.body, layout, bodyLeft);

    if (layout == WhatIsLayout::Character) {
        device.tab(Heading2Column);
        device.printLine(info::WhatIsHeading2());
    } else {
        PrintCentred(device, info::WhatIsHeading2());
    }
    device.endLine();
    PrintBlocks(device, sheet.triple, layout, bodyLeft);
    PrintBlocks(device, {sheet.closing}, layout, bodyLeft);
    PrintHeadingLines(device, layout, heading);

    EndDocument(device);
}

void PrintWhatIsSheet(PrintDevice &device, const chart::ChartFields &fields)
{
    PrintWhatIs(device, WhatIsLayoutFor(fields.preferences.printer, fields.preferences.font),
                fields.preferences.font, fields.preferences.heading);
}

} // namespace print
