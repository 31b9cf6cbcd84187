#include "settings/windowplacement.h"

#include <QSettings>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace settings {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDpi = 96.0;
constexpr double PixelLimit = 1'000'000.0;

// Part of the title bar that must lie on one screen for the window to be moved by hand.
constexpr int TitleBarHeight = 30;
constexpr int GrabWidth = 100;
constexpr int GrabHeight = 15;

const QString LeftKey = QStringLiteral("Settings/MainLeft");
const QString TopKey = QStringLiteral("Settings/MainTop");
const QString WidthKey = QStringLiteral("Settings/MainWidth");
const QString HeightKey = QStringLiteral("Settings/MainHeight");

double ReadSingle(const QSettings &store, const QString &key, double fallback)
{
    bool ok = false;
    const float value = store.value(key).toString().trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? double(value) : fallback;
}

QString SingleText(double value)
{
    std::array<char, 64> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), float(value), std::chars_format::fixed);
    if (ec != std::errc())
        return QString::number(value);
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}

double UsableDpi(double dpi)
{
    return std::isfinite(dpi) && dpi > 0 ? dpi : FallbackDpi;
}

int PixelEdge(double twips, double dpi)
{
    const double pixels = TwipsToPixels(twips, dpi);
    if (!std::isfinite(pixels))
        return 0;
    return int(std::lround(std::clamp(pixels, -PixelLimit, PixelLimit)));
}

bool Grabbable(const QRect &wanted, const QList<QRect> &screens)
{
    const QRect titleBar(wanted.left(), wanted.top(), wanted.width(),
                         std::min(TitleBarHeight, wanted.height()));
    if (titleBar.isEmpty())
        return false;
    return std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
        const QRect seen = titleBar & screen;
        return !seen.isEmpty() && seen.width() >= std::min(GrabWidth, titleBar.width()) &&
               seen.height() >= std::min(GrabHeight, titleBar.height());
    });
}

} // namespace

WindowPlacement LoadWindowPlacement(const QSettings &store)
{
    const WindowPlacement defaults;
    return {ReadSingle(store, LeftKey, defaults.left), ReadSingle(store, TopKey, defaults.top),
            ReadSingle(store, WidthKey, defaults.width), ReadSingle(store, HeightKey, defaults.height)};
}

void SaveWindowPlacement(QSettings &store, const WindowPlacement &placement)
{
    store.setValue(LeftKey, SingleText(placement.left));
    store.setValue(TopKey, SingleText(placement.top));
    store.setValue(WidthKey, SingleText(placement.width));
    store.setValue(HeightKey, SingleText(placement.height));
}

double TwipsToPixels(double twips, double dpi)
{
    return twips * UsableDpi(dpi) / TwipsPerInch;
}

double PixelsToTwips(double pixels, double dpi)
{
    return pixels * TwipsPerInch / UsableDpi(dpi);
}

QRect PlacementToPixels(const WindowPlacement &placement, double dpi)
{
    return QRect(PixelEdge(placement.left, dpi), PixelEdge(placement.top, dpi),
                 PixelEdge(placement.width, dpi), PixelEdge(placement.height, dpi));
}

WindowPlacement PlacementFromPixels(const QRect &rect, double dpi)
{
    return {PixelsToTwips(rect.x(), dpi), PixelsToTwips(rect.y(), dpi), PixelsToTwips(rect.width(), dpi),
            PixelsToTwips(rect.height(), dpi)};
}

QRect PlaceOnScreen(const QRect &wanted, const QList<QRect> &screens, const QRect &primary,
                    const QSize &minimum)
{
    const QRect home = primary.isEmpty() && !screens.isEmpty() ? screens.first() : primary;
    const QRect real(wanted.topLeft(), wanted.size().expandedTo(minimum));
    if (Grabbable(real, screens.isEmpty() ? QList<QRect>{home} : screens) || home.isEmpty())
        return wanted;
    const int width = std::clamp(real.width(), 1, home.width());
    const int height = std::clamp(real.height(), 1, home.height());
    const int left = std::clamp(real.left(), home.left(), home.left() + home.width() - width);
    const int top = std::clamp(real.top(), home.top(), home.top() + home.height() - height);
    return QRect(left, top, width, height);
}

} // namespace settings
