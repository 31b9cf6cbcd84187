#pragma once

#include "mainwindow/formlayout.h"
#include "settings/textfile.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <memory>

class QMainWindow;
class QSettings;
class QWidget;

// Owns where the main window stands on the screen and where everything in it stands: the
// placement stored between runs, the window kept whole on its screen, the fonts of the screen's
// row of the font table, and every control of the form and every panel over it placed where
// layout::PlaceControls says. place() is the one place that sizes and moves them.
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

    // The fonts the window is designed with, before it knows its screen.
    void showDesignScale();
    // Opens the window where the stored placement says, whole on the screen that holds it.
    void restorePlacement();
    // Keeps the window's placement for the next run, unless the window is minimized; returns the
    // store's file when it could not be written.
    [[nodiscard]] QList<settings::WriteFailure> storePlacement() const;

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
    void showScale(const layout::Scale &scale);
    [[nodiscard]] layout::Needs measureNeeds() const;
    [[nodiscard]] QFont chartFont() const;
    void fitMinimumSize();
    // Moves and shrinks the window so that its frame, title bar included, lies on its screen.
    void keepFrameOnScreen();
    void fitFrameOnceKnown();

    QMainWindow &m_window;
    QString m_placementFile;
    int m_screenHeightTwips;
    std::array<QWidget *, layout::ItemCount> m_placed{};
    // The fonts and heights shown, which a screen the font table does not list keeps. Kept here,
    // not read back from the controls: the frames may stand lower than the table's height.
    layout::Scale m_scale = layout::DesignScale;
    // Shown, but not yet framed by the desktop: the frame's size is not known.
    bool m_frameUnknown = false;
};
