#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class GraphWidget;

// What a screen reader learns of the graph: a chart named "Biorhythm graph, PERSON, first to
// last" whose description sums up the days in view (graph::DaysSummary), with one child per day
// in view named by its readout. The day cursor's day is the focused child: the graph sends a focus
// event for it at each move, on which Orca speaks the child's name. Each day's child is made when
// first asked for and kept while its day stays in view.
class GraphAccessible : public QAccessibleWidget
{
public:
    explicit GraphAccessible(GraphWidget *graph);
    ~GraphAccessible() override;
    GraphAccessible(const GraphAccessible &) = delete;
    GraphAccessible &operator=(const GraphAccessible &) = delete;

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface *focusChild() const override;

private:
    [[nodiscard]] GraphWidget *graph() const;
    // Forgets the children of days no longer in view.
    void forgetDaysOutOfView() const;

    mutable QHash<qint64, QAccessible::Id> m_dayItems; // by chart day
};

// One day of the graph, by its chart day: valid while the day is in view.
class GraphDayAccessible : public QAccessibleInterface
{
public:
    GraphDayAccessible(GraphWidget *graph, qint64 day);

    [[nodiscard]] bool isValid() const override;
    [[nodiscard]] QObject *object() const override;
    [[nodiscard]] QWindow *window() const override;
    [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface *parent() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override;
    [[nodiscard]] QAccessible::State state() const override;

    // The day's index in the view, or -1 when it is out of view.
    [[nodiscard]] int index() const;

private:
    QPointer<GraphWidget> m_graph;
    qint64 m_day;
};

// Makes Qt hand screen readers a GraphAccessible for every GraphWidget (once per program).
void InstallGraphAccessible();
