#pragma once

// Controls by object name and member:
//
//   FrameGraph   the panel itself: its viewport paints the graph, its horizontal scroll bar moves
//                through the chart period

#include "chart/chartplan.h"
#include "graph/graphpainter.h"

#include <QAbstractScrollArea>
#include <QDate>

#include <optional>

// The graph of a chart as a panel the main window hosts. The wheel and the + and - keys zoom the
// number of days in view (about the day under the mouse, or the day cursor); Left and Right move
// the day cursor a day, and the view follows it; Page Up and Page Down, Home and End move the view
// and the cursor with it; the scroll bar moves the view. The title row reads out the day under
// the mouse, else the cursor's day once the keyboard or a click has placed it. Shift+F10 and the
// Menu key open the context menu; Escape asks the window to close the panel. A second person's
// cycles are drawn beside the person's when asked.
//
// Screen readers see the graph (GraphAccessible) with its name and a summary of the days in view,
// and the days as its children, the cursor's day the focused one.
class GraphWidget : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Beyond ten years of days in view the curves are a blur, and a repaint would cost more than a
    // frame of the screen.
    static constexpr int MaxDaysInView = 3653;
    static constexpr int MinDaysInView = 7;

    explicit GraphWidget(QWidget *parent = nullptr);

    // Shows the graph of a chart from its first day, with as many days in view as the period has up
    // to MaxDaysInView, and today marked when it falls in view; the day cursor waits on the first
    // day. The scroll bar reaches the first 2^31 - 1 days of a longer chart. With `partner`, the
    // chart of a second person for the same days, their three cycles are drawn too.
    void setChart(const chart::ChartPlan &plan, const QDate &today,
                  const std::optional<chart::ChartPlan> &partner = std::nullopt);

    // The first day in view (0 is the chart's first day) and the number of days in view, kept
    // inside the period and the limits above.
    void setView(qint64 first, int days);
    [[nodiscard]] qint64 firstDay() const;
    [[nodiscard]] int daysInView() const { return m_daysInView; }
    // The day under the mouse, whose readout the title row shows, by index in the view; -1: none.
    [[nodiscard]] int hoverIndex() const { return m_scene.hover; }
    // The day cursor by index in the view; -1 until the keyboard or a click places it.
    [[nodiscard]] int cursorIndex() const { return m_scene.cursor; }

    // The person and the days in view, as the title row names them.
    [[nodiscard]] const QString &title() const { return m_scene.title; }
    [[nodiscard]] const QList<graph::GraphDay> &days() const { return m_scene.days; }
    // The column of a day in view, and the day at a point, in the viewport's coordinates; -1: none.
    [[nodiscard]] QRect dayRect(int index) const;
    [[nodiscard]] int dayAt(const QPoint &point) const;

    // The palette and the secondary cycles drawn, on screen and on what is saved and printed.
    void setLook(const graph::GraphLook &look);
    [[nodiscard]] const graph::GraphLook &look() const { return m_scene.look; }

    // What is in view, without the readouts: what saving and printing put on paper.
    [[nodiscard]] graph::GraphScene scene() const;

    // The texts on screen at `scale` times their size on paper, with the window's text size.
    void setTextScale(double scale);

Q_SIGNALS:
    // Escape was pressed: the window hides the panel.
    void closeRequested();
    // The user zoomed or scrolled: other days are in view.
    void viewMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Zooms by factor (below 1 shows fewer days) keeping the day at `anchor` (0 to 1 across the
    // plot) where it is.
    void zoom(double factor, double anchor);
    // Puts the cursor on a chart day, the view following it, and tells screen readers.
    void moveCursor(qint64 day);
    // Moves the view and the cursor by a number of days.
    void scrollBy(qint64 days);
    void openContextMenu();
    void loadDays();
    void setHover(int index);
    [[nodiscard]] graph::GraphLayout layout() const;
    [[nodiscard]] qint64 length() const;

    chart::ChartPlan m_plan;
    std::optional<chart::ChartPlan> m_partner;
    int m_daysInView = 0;
    graph::GraphScene m_scene;
    qint64 m_cursor = 0; // the cursor's chart day, drawn once m_cursorPlaced
    bool m_cursorPlaced = false;
    double m_textScale = 1;
};
