#pragma once

#include <QAccessibleWidget>

class ChartTextView;

// What a screen reader learns of the chart display: a read-only text, its lines, the cursor and
// the selection. The view keeps its text in one string and draws it itself, so Qt knows nothing of
// it without this.
class ChartTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ChartTextAccessible(ChartTextView *view);

    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    // Lines are found from the view's line table; other boundaries as Qt finds them.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    [[nodiscard]] ChartTextView *view() const;
};

// Makes Qt hand screen readers a ChartTextAccessible for every ChartTextView (once per program).
void InstallChartTextAccessible();
