#include "mainwindow/textsize.h"

#include <algorithm>
#include <cmath>

namespace layout {

int TextSizeNear(double percent)
{
    const double steps = std::round((percent - SmallestTextSize) / TextSizeStep);
    return std::clamp(SmallestTextSize + int(steps) * TextSizeStep, SmallestTextSize, LargestTextSize);
}

int FirstRunTextSize(int screenHeightTwips, const Scale &kept)
{
    const int below = ListedHeightAtOrBelow(screenHeightTwips);
    if (below == 0 || below == screenHeightTwips)
        return NormalTextSize;
    return TextSizeNear(NormalTextSize * ScaleFor(below, 0, kept).basePoints / kept.basePoints);
}

TextFit FitTextSize(int wanted, int screenHeightTwips, const Scale &kept, QSize chrome, QSize room,
                    const NeedsAt &needsAt)
{
    for (int size = wanted;; size -= TextSizeStep) {
        // The normal size is kept whatever its least size, which is wanted whole.
        const QSize least = MinimumWindowSize(screenHeightTwips, kept, chrome, needsAt(size), size,
                                              size > NormalTextSize ? room : QSize());
        if (size <= NormalTextSize || room.isEmpty() ||
            (least.width() <= room.width() && least.height() <= room.height()))
            return {size, least};
    }
}

} // namespace layout
