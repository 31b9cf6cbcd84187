#include "graph/graphwidget.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
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

graph::GraphScene GraphWidget::scene() const
{
    graph::GraphScene scene = m_scene;
    scene.hover = -1;
    return scene;
}

void GraphWidget::loadDays()
{
    m_scene.days = graph::GraphDays(m_plan, firstDay(), m_daysInView);
    m_scene.partnerDays =
        m_partner ? graph::GraphDays(*m_partner, firstDay(), m_daysInView) : QList<graph::GraphDay>();
    m_scene.hover = -1;
    viewport()->update();
}

void GraphWidget::setLook(const graph::GraphLook &look)
{
    m_scene.look = look;
    viewport()->update();
}

graph::GraphLayout GraphWidget::layout() const
{
    return graph::LayoutGraph(viewport()->rect(), m_daysInView, viewport(),
                              graph::LegendRows(m_scene.look, !m_scene.partner.isEmpty()));
}

void GraphWidget::scrollContentsBy(int, int)
{
    loadDays();
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
}

void GraphWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    graph::PaintGraph(painter, viewport()->rect(), m_scene);
}

void GraphWidget::keyPressEvent(QKeyEvent *event)
{
    QScrollBar *bar = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Escape:
        Q_EMIT closeRequested();
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoom(1 / ZoomStep, 0.5);
        return;
    case Qt::Key_Minus:
        zoom(ZoomStep, 0.5);
        return;
    case Qt::Key_Left:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Right:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return;
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
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
    setHover(layout().indexAt(event->position().x(), int(m_scene.days.size())));
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
