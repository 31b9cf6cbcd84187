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

// The strip along the window's top by which it is dragged, and by which its screen is chosen.
constexpr int TitleBarHeight = 30;

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

qsizetype ScreenFor(const QRect &wanted, const QList<QRect> &screens)
{
    const QRect titleBar(wanted.left(), wanted.top(), std::max(wanted.width(), 1),
                         std::clamp(wanted.height(), 1, TitleBarHeight));
    qsizetype best = screens.isEmpty() ? -1 : 0;
    qint64 bestArea = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QRect seen = titleBar & screens[i];
        const qint64 area = qint64(seen.width()) * seen.height();
        if (!seen.isEmpty() && area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}

QRect FitOnScreen(const QRect &wanted, const QRect &screen, const QSize &minimum)
{
    const QSize size = wanted.size().expandedTo(minimum);
    if (screen.isEmpty())
        return QRect(wanted.topLeft(), size);
    const int width = std::clamp(size.width(), 1, screen.width());
    const int height = std::clamp(size.height(), 1, screen.height());
    const int left = std::clamp(wanted.left(), screen.left(), screen.left() + screen.width() - width);
    const int top = std::clamp(wanted.top(), screen.top(), screen.top() + screen.height() - height);
    return QRect(left, top, width, height);
}

} // namespace settings
