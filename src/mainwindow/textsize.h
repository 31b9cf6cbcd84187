#pragma once

// The user's text size: steps of 10 % from 80 %, on top of the fonts the font table gives; the
// size a first run starts at; and the largest size whose least window fits the screen.

#include "mainwindow/formlayout.h"

#include <QSize>

#include <functional>

namespace layout {

inline constexpr int SmallestTextSize = 80;
inline constexpr int TextSizeStep = 10;
// Far beyond what any screen holds; it keeps the search for the largest that fits short.
inline constexpr int LargestTextSize = 400;

// The step nearest to `percent`, within the smallest and the largest.
[[nodiscard]] int TextSizeNear(double percent);

// The size a first run starts at before the screen caps it. On a screen the font table lists,
// and on one lower than any it lists, the normal size; on another, the step nearest to the base
// font of the nearest listed height below it, measured against the base font `kept` gives.
[[nodiscard]] int FirstRunTextSize(int screenHeightTwips, const Scale &kept);

// What the controls need at the fonts of a text size.
using NeedsAt = std::function<Needs(int textSize)>;

struct TextFit
{
    int textSize;
    QSize least; // the least window at that size
};

// `wanted`, or the largest step below it whose least window (a window of `chrome` menu and status
// bars on a screen `screenHeightTwips` high, `kept` its values at the normal size) fits `room`;
// sizes are taken down to the normal size at most, and an empty room takes none down. Asks for
// the needs of each size it tries, the one it settles on last.
[[nodiscard]] TextFit FitTextSize(int wanted, int screenHeightTwips, const Scale &kept, QSize chrome,
                                  QSize room, const NeedsAt &needsAt);

} // namespace layout
