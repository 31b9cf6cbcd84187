#pragma once

#include "mainwindow/formlayout.h"
#include "mainwindow/textsize.h"
#include "settings/textfile.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <utility>

class QMainWindow;
class QSettings;
class QWidget;

// Owns where the main window stands on the screen and where everything in it stands: the
// placement stored between runs, the window kept whole on its screen, the fonts of the screen's
// row of the font table at the user's text size, and every control of the form and every panel
// over it placed where layout::PlaceControls says. place() is the one place that sizes and moves
// them.
class WindowLayout : public QObject
{
    Q_OBJECT

public:
    // `placementFile` is where the window's placement is kept (empty: the per-user settings
    // store); `screenHeightTwips` the screen height the fonts follow (0: that of the window's
    // screen).
    WindowLayout(QMainWindow &window, QString placementFile, int screenHeightTwips);

    // Hands a control to the layout; each layout::Item has one.
    void add(layout::Item item, QWidget *widget);
    [[nodiscard]] layout::AddControl adder();
    // The controls that stand on the form itself, outside its frames, the picture buttons aside.
    [[nodiscard]] QList<QWidget *> formControls() const;

    // Opens the window where the stored placement says, whole on the screen that holds it, at the
    // stored text size (on a first run, one that suits the screen).
    void restorePlacement();
    // Keeps the text size and, unless the window is minimized, the window's placement for the
    // next run; returns the store's file when it could not be written.
    [[nodiscard]] QList<settings::WriteFailure> storePlacement() const;

    // The text size in percent (layout::NormalTextSize is the fonts' own size).
    [[nodiscard]] int textSize() const { return m_textSize; }
    // Shows the text at `percent`, or at the largest size above the normal one whose least window
    // fits the screen, growing the window to its new least size; false when the size shown stays.
    bool setTextSize(int percent);

    // Sizes and moves every control and panel for the window's present size.
    void place();
    // The window has been shown (by the program, not by the desktop, when not `spontaneous`).
    void windowShown(bool spontaneous);
    // The window has moved: once the desktop's frame is known, the whole frame is kept on screen.
    void windowMoved();

private:
    [[nodiscard]] QWidget *at(layout::Item item) const { return m_placed[std::size_t(item)]; }
    [[nodiscard]] std::unique_ptr<QSettings> placementStore() const;
    [[nodiscard]] int screenHeightTwips() const;
    // The values of the font table for a window `windowHeight` high, at the text size `textSize`.
    [[nodiscard]] layout::Scale scaleFor(int windowHeight, int textSize);
    void showScale(const layout::Scale &scale);
    [[nodiscard]] layout::Needs measureNeeds() const;
    [[nodiscard]] QFont chartFont() const;
    void fitMinimumSize();
    // On another screen the least size is measured anew, even for one of the same size.
    void screenChanged();
    // The largest window the screen holds, its desktop frame aside; empty when it is not known.
    [[nodiscard]] QSize room() const;
    // On a screen, neither maximized, full screen nor minimized: placed where the user left it.
    [[nodiscard]] bool placedOnScreen() const;
    // Moves and shrinks the window so that its frame, title bar included, lies on its screen.
    void keepFrameOnScreen();
    // The same, for a least size already fitted; grows a window smaller than it.
    void moveOntoScreen();
    void fitFrameOnceKnown();

    QMainWindow &m_window;
    QString m_placementFile;
    int m_screenHeightTwips;
    std::array<QWidget *, layout::ItemCount> m_placed{};
    // The fonts and heights at the normal text size, which a screen the font table does not list
    // keeps. Kept here, not read back from the controls: the frames may stand lower than the
    // table's height, and the text size changes the fonts.
    layout::Scale m_scale = layout::DesignScale;
    int m_textSize = layout::NormalTextSize;
    // The title's and subtitle's own sizes, which the text size scales.
    std::array<qreal, 2> m_titlePoints{};
    // Shown, but not yet framed by the desktop: the frame's size is not known.
    bool m_frameUnknown = false;
    // What the least window size was last fitted for, and what it came to: the fit between opening
    // and showing the window, and on a move of its frame, is not measured twice.
    struct FitInputs
    {
        int textSize;
        int screenHeightTwips;
        layout::Scale kept;
        QSize chrome;
        QSize room;
        bool operator==(const FitInputs &) const = default;
    };
    std::optional<std::pair<FitInputs, layout::TextFit>> m_lastFit;
};
