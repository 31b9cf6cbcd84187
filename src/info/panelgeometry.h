#pragma once

#include <QRect>
#include <QSize>

#include <functional>

// Where the "What Is" and help panels stand over the main window, and where their controls
// stand inside them: plain rectangles from plain sizes, so that the rules can be tested without
// a screen. Panel rectangles are in the host's coordinates, control rectangles in the panel's.
namespace info {

// A panel 0.8 of the host's width and height, centred (the free space halved, remainder dropped).
[[nodiscard]] QRect CentredPanel(QSize host);

struct WhatIsGeometry
{
    QRect panel;
    QRect print; // the Print button
    QRect close; // the Close button
    QRect text;  // the text box
    bool operator==(const WhatIsGeometry &) const = default;
};

// The Print button sits as far into the panel as the panel sits in the host, one button width
// further right; Close follows 1.1 button widths after Print's left edge. The text box is directly
// below Print, 0.95 of the panel's width and centred, 0.8 of its height but never past the
// panel's bottom edge (so that its scroll bar stays whole).
[[nodiscard]] WhatIsGeometry WhatIsPanelGeometry(QSize host, QSize button);

struct HelpGeometry
{
    QRect panel;
    QRect title;       // the title bar
    QRect close;       // the "x" button
    QRect list;        // the topic names
    QRect instruction; // the instruction under the list
    QRect text;        // the chosen topic's text
    bool operator==(const HelpGeometry &) const = default;
};

// The title spans the panel with the close button at its right end; below it, each one title
// height apart, the list (0.95 of the panel's width, centred, 0.25 of its first height), the
// instruction (as high as `instructionHeight` says for the list's width) and the text box (as
// large as the list). The panel is then as high as five title heights and those three.
[[nodiscard]] HelpGeometry HelpPanelGeometry(QSize host, int titleHeight,
                                             const std::function<int(int width)> &instructionHeight);

} // namespace info
