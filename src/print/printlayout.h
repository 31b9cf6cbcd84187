#pragma once

#include "print/printdevice.h"

#include <QRgb>
#include <QString>

#include <array>
#include <functional>

// The two ways printed text is placed, and the print colours.
namespace print {

// Character layout (a dot-matrix printer): positions are character columns of the fixed-pitch
// font, reached by a tab. Page layout (any other printer): positions are eightieths of the
// page width, reached by setting the horizontal position.
enum class Layout { Character, Page };

// Places the print position for one layout.
class Placer
{
public:
    Placer(PrintDevice &device, Layout layout);

    [[nodiscard]] Layout layout() const { return m_layout; }
    // Column `column` in the character layout, `units` eightieths of the page in the page layout.
    void place(int column, int units);
    // The same number in both layouts.
    void place(int position) { place(position, position); }
    // Eightieths of the page width, in twips.
    [[nodiscard]] double unit() const { return m_unit; }

private:
    PrintDevice &m_device;
    Layout m_layout;
    double m_unit = 0;
};

// `text` as printed where `width` is all the room it has: whole when it fits, else cut at the end
// of a character (a letter and its accents stay together) and closed with an ellipsis, as much
// of it as fits that way. `measure` gives a text's printed width.
[[nodiscard]] QString ElidedToWidth(const QString &text, double width,
                                    const std::function<double(const QString &)> &measure);

// The first six colours of the standard 16-colour palette.
enum class PrintColor { Black, Blue, Green, Cyan, Red, Magenta };

// The six colours as a chart prints them: the palette's with colour printing on, else all black.
class PrintColors
{
public:
    explicit PrintColors(bool inColor);
    [[nodiscard]] QRgb operator[](PrintColor color) const { return m_rgb[static_cast<int>(color)]; }

private:
    std::array<QRgb, 6> m_rgb{};
};

} // namespace print
