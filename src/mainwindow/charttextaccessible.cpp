#include "mainwindow/charttextaccessible.h"

#include "mainwindow/charttextview.h"

namespace {

QAccessibleInterface *ChartTextFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ChartTextView") && object && object->isWidgetType())
        return new ChartTextAccessible(static_cast<ChartTextView *>(object));
    return nullptr;
}

} // namespace

void InstallChartTextAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(ChartTextFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

ChartTextAccessible::ChartTextAccessible(ChartTextView *view)
    : QAccessibleWidget(view, QAccessible::EditableText)
{}

ChartTextView *ChartTextAccessible::view() const
{
    return static_cast<ChartTextView *>(widget());
}

QAccessible::State ChartTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString ChartTextAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? view()->toPlainText() : QAccessibleWidget::text(t);
}

void *ChartTextAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void ChartTextAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && selectionCount() == 1) {
        *startOffset = int(std::min(view()->anchorPosition(), view()->cursorPosition()));
        *endOffset = int(std::max(view()->anchorPosition(), view()->cursorPosition()));
    }
}

int ChartTextAccessible::selectionCount() const
{
    return view()->anchorPosition() != view()->cursorPosition() ? 1 : 0;
}

void ChartTextAccessible::addSelection(int startOffset, int endOffset)
{
    view()->setSelection(startOffset, endOffset);
}

void ChartTextAccessible::removeSelection(int)
{
    view()->setSelection(view()->cursorPosition(), view()->cursorPosition());
}

void ChartTextAccessible::setSelection(int, int startOffset, int endOffset)
{
    view()->setSelection(startOffset, endOffset);
}

int ChartTextAccessible::cursorPosition() const
{
    return int(view()->cursorPosition());
}

void ChartTextAccessible::setCursorPosition(int position)
{
    view()->setSelection(position, position);
}

QString ChartTextAccessible::text(int startOffset, int endOffset) const
{
    return view()->toPlainText().mid(startOffset, endOffset - startOffset);
}

QString ChartTextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int *startOffset, int *endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    const auto [begin, end] = view()->lineAround(offset);
    *startOffset = int(begin);
    *endOffset = int(end);
    return text(*startOffset, *endOffset);
}

int ChartTextAccessible::characterCount() const
{
    return int(view()->toPlainText().size());
}

QRect ChartTextAccessible::characterRect(int offset) const
{
    const QRect rect = view()->characterRect(offset);
    return QRect(view()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int ChartTextAccessible::offsetAtPoint(const QPoint &point) const
{
    return int(view()->offsetAt(view()->viewport()->mapFromGlobal(point)));
}

void ChartTextAccessible::scrollToSubstring(int startIndex, int)
{
    view()->setSelection(startIndex, startIndex);
}

QString ChartTextAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One face and colour throughout: no attributes, over the whole text.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
