#pragma once

#include <QList>
#include <QRect>

class QSettings;

// The main window's position and size between runs, kept in the per-user settings store in
// twips (1/1440 inch) as older versions kept it, so existing stores carry over.
namespace settings {

struct WindowPlacement
{
    double left = 1000;
    double top = 1000;
    double width = 6500;
    double height = 6500;

    bool operator==(const WindowPlacement &) const = default;
};

// Group "Settings", keys "MainLeft", "MainTop", "MainWidth", "MainHeight". A key that is
// missing, or whose text is not a finite single-precision number, gives its default.
[[nodiscard]] WindowPlacement LoadWindowPlacement(const QSettings &store);

// Writes the four keys as decimal text of single-precision values. The caller syncs the store.
void SaveWindowPlacement(QSettings &store, const WindowPlacement &placement);

// 1440 twips per inch; a dpi that is not a positive number is taken as 96.
[[nodiscard]] double TwipsToPixels(double twips, double dpi);
[[nodiscard]] double PixelsToTwips(double pixels, double dpi);

// The placement as a rectangle in pixels, each edge rounded and kept within a million pixels
// of the origin (the stored values have no bounds), and back.
[[nodiscard]] QRect PlacementToPixels(const WindowPlacement &placement, double dpi);
[[nodiscard]] WindowPlacement PlacementFromPixels(const QRect &rect, double dpi);

// Of the available areas of the screens, the one the window at `wanted` opens on: the one that
// holds the most of its title-bar strip, or else the first (list the primary screen first);
// -1 when there is none.
[[nodiscard]] qsizetype ScreenFor(const QRect &wanted, const QList<QRect> &screens);

// The window at `wanted`, at least `minimum` and at most `screen` in size, moved as little as
// needed to lie wholly within `screen`. All rectangles are in the same (device-independent) pixels.
[[nodiscard]] QRect FitOnScreen(const QRect &wanted, const QRect &screen, const QSize &minimum = {});

} // namespace settings
