#include "graph/graphwidget.h"

#include "graph/graphaccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double ZoomStep = 1.25;

} // namespace

GraphWidget::GraphWidget(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    InstallGraphAccessible();
    setObjectName(QStringLiteral("FrameGraph"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphWidget::setChart(const chart::ChartPlan &plan, const QDate &today,
                           const std::optional<chart::ChartPlan> &partner)
{
    m_plan = plan;
    m_partner = partner;
    const graph::GraphLook look = m_scene.look;
    m_scene = graph::SceneOf(plan, 0, 0, today);
    m_scene.look = look;
    m_scene.partner = partner ? partner->name : QString();
    m_scene.partnerBirth = partner ? partner->birthText : QString();
    m_daysInView = 0;
    m_cursor = 0;
    m_cursorPlaced = false;
    setView(0, MaxDaysInView);
}

qint64 GraphWidget::length() const
{
    return std::min<qint64>(m_plan.length, INT_MAX);
}

void GraphWidget::setView(qint64 first, int days)
{
    const int most = int(std::min<qint64>(length(), MaxDaysInView));
    m_daysInView = std::clamp(days, std::min(MinDaysInView, most), most);
    QScrollBar *bar = horizontalScrollBar();
    const QSignalBlocker blocker(bar);
    bar->setRange(0, int(length() - m_daysInView));
    bar->setPageStep(std::max(1, m_daysInView));
    bar->setSingleStep(1);
    bar->setValue(int(std::clamp<qint64>(first, 0, bar->maximum())));
    loadDays();
}

qint64 GraphWidget::firstDay() const
{
    return horizontalScrollBar()->value();
}

QRect GraphWidget::dayRect(int index) const
{
    const graph::GraphLayout area = layout();
    return QRectF(area.xOf(index - 0.5), area.plot.top(), area.dayWidth, area.plot.height()).toAlignedRect();
}

int GraphWidget::dayAt(const QPoint &point) const
{
    return layout().indexAt(point.x(), int(m_scene.days.size()));
}

graph::GraphScene GraphWidget::scene() const
{
    graph::GraphScene scene = m_scene;
    scene.hover = -1;
    scene.cursor = -1;
    return scene;
}

// The cursor stays on a day in view: a zoom or a scroll that leaves it behind takes it along.
void GraphWidget::loadDays()
{
    const qint64 first = firstDay();
    m_scene.days = graph::GraphDays(m_plan, first, m_daysInView);
    m_scene.partnerDays =
        m_partner ? graph::GraphDays(*m_partner, first, m_daysInView) : QList<graph::GraphDay>();
    m_scene.hover = -1;
    m_cursor = std::clamp<qint64>(m_cursor, first, first + std::max<qsizetype>(m_scene.days.size(), 1) - 1);
    m_scene.cursor = m_cursorPlaced ? int(m_cursor - first) : -1;
    viewport()->update();
}

void GraphWidget::setLook(const graph::GraphLook &look)
{
    m_scene.look = look;
    viewport()->update();
}

void GraphWidget::setTextScale(double scale)
{
    if (scale == m_textScale)
        return;
    m_textScale = scale;
    viewport()->update();
}

graph::GraphLayout GraphWidget::layout() const
{
    return graph::LayoutGraph(viewport()->rect(), m_daysInView, viewport(),
                              graph::LegendRows(m_scene.look, !m_scene.partner.isEmpty()), m_textScale);
}

void GraphWidget::scrollContentsBy(int, int)
{
    loadDays();
    Q_EMIT viewMoved();
}

void GraphWidget::zoom(double factor, double anchor)
{
    const int days = m_daysInView;
    int wanted = int(std::lround(days * factor));
    if (wanted == days)
        wanted += factor < 1 ? -1 : 1;
    const double anchorDay = double(firstDay()) + anchor * days;
    setView(qint64(std::lround(anchorDay - anchor * std::clamp(wanted, MinDaysInView, MaxDaysInView))),
            wanted);
    Q_EMIT viewMoved();
}

void GraphWidget::moveCursor(qint64 day)
{
    if (length() <= 0)
        return;
    day = std::clamp<qint64>(day, 0, length() - 1);
    const qint64 first = firstDay();
    m_cursor = day;
    m_cursorPlaced = true;
    if (day < first)
        setView(day, m_daysInView);
    else if (day >= first + m_daysInView)
        setView(day - m_daysInView + 1, m_daysInView);
    else
        loadDays();
    if (QAccessible::isActive() && hasFocus()) {
        QAccessibleInterface *graph = QAccessible::queryAccessibleInterface(this);
        if (QAccessibleInterface *cursor = graph ? graph->focusChild() : nullptr) {
            QAccessibleEvent focus(cursor, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void GraphWidget::scrollBy(qint64 days)
{
    const qint64 first = firstDay();
    const qint64 cursor = m_cursor + days;
    setView(first + days, m_daysInView);
    moveCursor(cursor);
    if (firstDay() != first)
        Q_EMIT viewMoved();
}

// At the cursor's day, or the middle; its first command is picked at once, as in a menu bar's
// menus, so that a screen reader names it (a menu with none picked is silent).
void GraphWidget::openContextMenu()
{
    QMenu menu(this);
    menu.addActions(actions());
    if (menu.isEmpty())
        return;
    const QPoint at = m_scene.cursor >= 0 ? dayRect(m_scene.cursor).center() : viewport()->rect().center();
    QTimer::singleShot(0, &menu, [&menu] { menu.setActiveAction(menu.actions().constFirst()); });
    menu.exec(viewport()->mapToGlobal(at));
}

void GraphWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    graph::PaintGraph(painter, viewport()->rect(), m_scene, m_textScale);
}

void GraphWidget::keyPressEvent(QKeyEvent *event)
{
    // Keyboard zooms keep the cursor's day where it is, once the cursor is placed.
    const double anchor = m_scene.cursor >= 0 ? (m_scene.cursor + 0.5) / m_daysInView : 0.5;
    switch (event->key()) {
    case Qt::Key_Escape:
        Q_EMIT closeRequested();
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoom(1 / ZoomStep, anchor);
        return;
    case Qt::Key_Minus:
        zoom(ZoomStep, anchor);
        return;
    case Qt::Key_Left:
        moveCursor(m_cursor - 1);
        return;
    case Qt::Key_Right:
        moveCursor(m_cursor + 1);
        return;
    case Qt::Key_PageUp:
        scrollBy(-m_daysInView);
        return;
    case Qt::Key_PageDown:
        scrollBy(m_daysInView);
        return;
    case Qt::Key_Home:
        scrollBy(-length());
        return;
    case Qt::Key_End:
        scrollBy(length());
        return;
    case Qt::Key_Menu:
        openContextMenu();
        return;
    case Qt::Key_F10:
        if (event->modifiers() == Qt::ShiftModifier) {
            openContextMenu();
            return;
        }
        break;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void GraphWidget::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y();
    if (steps == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const graph::GraphLayout area = layout();
    const double anchor =
        area.plot.width() > 0
            ? std::clamp((event->position().x() - area.plot.left()) / area.plot.width(), 0.0, 1.0)
            : 0.5;
    zoom(std::pow(ZoomStep, -steps / 120.0), anchor);
    event->accept();
}

void GraphWidget::mouseMoveEvent(QMouseEvent *event)
{
    setHover(dayAt(event->position().toPoint()));
}

void GraphWidget::mousePressEvent(QMouseEvent *event)
{
    const int index = dayAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0)
        moveCursor(firstDay() + index);
    QAbstractScrollArea::mousePressEvent(event);
}

bool GraphWidget::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave)
        setHover(-1);
    return QAbstractScrollArea::viewportEvent(event);
}

void GraphWidget::setHover(int index)
{
    if (index == m_scene.hover)
        return;
    m_scene.hover = index;
    viewport()->update();
}
