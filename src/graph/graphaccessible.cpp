#include "graph/graphaccessible.h"

#include "graph/graphtext.h"
#include "graph/graphwidget.h"

#include <QWindow>

namespace {

QAccessibleInterface *GraphFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("GraphWidget") && object && object->isWidgetType())
        return new GraphAccessible(static_cast<GraphWidget *>(object));
    return nullptr;
}

} // namespace

void InstallGraphAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(GraphFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

GraphAccessible::GraphAccessible(GraphWidget *graph)
    : QAccessibleWidget(graph, QAccessible::Chart)
{}

GraphAccessible::~GraphAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_dayItems))
        QAccessible::deleteAccessibleInterface(id);
}

GraphWidget *GraphAccessible::graph() const
{
    return static_cast<GraphWidget *>(widget());
}

QString GraphAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return graph::GraphName(graph()->title(), graph()->days());
    case QAccessible::Description:
        return graph::DaysSummary(graph()->days());
    default:
        return QAccessibleWidget::text(t);
    }
}

int GraphAccessible::childCount() const
{
    return int(graph()->days().size());
}

void GraphAccessible::forgetDaysOutOfView() const
{
    for (auto item = m_dayItems.begin(); item != m_dayItems.end();) {
        const auto *day = static_cast<GraphDayAccessible *>(QAccessible::accessibleInterface(*item));
        if (day && day->index() >= 0) {
            ++item;
        } else {
            QAccessible::deleteAccessibleInterface(*item);
            item = m_dayItems.erase(item);
        }
    }
}

QAccessibleInterface *GraphAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const qint64 day = graph()->firstDay() + index;
    if (const auto known = m_dayItems.constFind(day); known != m_dayItems.cend())
        return QAccessible::accessibleInterface(*known);
    // A zoom or a scroll leaves children behind; they go before the children of the new view
    // could outnumber them.
    if (m_dayItems.size() >= childCount())
        forgetDaysOutOfView();
    auto *item = new GraphDayAccessible(graph(), day);
    m_dayItems.insert(day, QAccessible::registerAccessibleInterface(item));
    return item;
}

int GraphAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || child->role() != QAccessible::ListItem || child->parent() != this)
        return -1;
    return static_cast<const GraphDayAccessible *>(child)->index();
}

QAccessibleInterface *GraphAccessible::childAt(int x, int y) const
{
    return child(graph()->dayAt(graph()->viewport()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface *GraphAccessible::focusChild() const
{
    return graph()->hasFocus() ? child(graph()->cursorIndex()) : nullptr;
}

GraphDayAccessible::GraphDayAccessible(GraphWidget *graph, qint64 day)
    : m_graph(graph)
    , m_day(day)
{}

int GraphDayAccessible::index() const
{
    if (!m_graph)
        return -1;
    const qint64 index = m_day - m_graph->firstDay();
    return index >= 0 && index < m_graph->days().size() ? int(index) : -1;
}

bool GraphDayAccessible::isValid() const
{
    return index() >= 0;
}

QObject *GraphDayAccessible::object() const
{
    return nullptr;
}

QWindow *GraphDayAccessible::window() const
{
    return m_graph ? m_graph->window()->windowHandle() : nullptr;
}

QAccessibleInterface *GraphDayAccessible::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface *GraphDayAccessible::parent() const
{
    return m_graph ? QAccessible::queryAccessibleInterface(m_graph.data()) : nullptr;
}

QAccessibleInterface *GraphDayAccessible::child(int) const
{
    return nullptr;
}

int GraphDayAccessible::childCount() const
{
    return 0;
}

int GraphDayAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QString GraphDayAccessible::text(QAccessible::Text t) const
{
    const int at = index();
    if (t != QAccessible::Name || at < 0)
        return {};
    return graph::DayReadout(m_graph->days()[at], graph::Wording::Spoken);
}

void GraphDayAccessible::setText(QAccessible::Text, const QString &)
{}

QRect GraphDayAccessible::rect() const
{
    const int at = index();
    if (at < 0)
        return {};
    const QRect day = m_graph->dayRect(at);
    return QRect(m_graph->viewport()->mapToGlobal(day.topLeft()), day.size());
}

QAccessible::Role GraphDayAccessible::role() const
{
    return QAccessible::ListItem;
}

QAccessible::State GraphDayAccessible::state() const
{
    QAccessible::State state;
    const int at = index();
    state.invalid = at < 0;
    state.focusable = true;
    state.selectable = true;
    state.focused = at >= 0 && m_graph->hasFocus() && at == m_graph->cursorIndex();
    state.selected = state.focused;
    return state;
}
