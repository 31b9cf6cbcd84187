#include "platform/lineeditaccessible.h"

#include <QCompleter>
#include <QLineEdit>
#include <QValidator>

namespace {

QAccessibleInterface *LineEditFactory(const QString &className, QObject *object)
{
    auto *edit = className == QLatin1String("QLineEdit") ? qobject_cast<QLineEdit *>(object) : nullptr;
    if (edit && edit->echoMode() == QLineEdit::Normal)
        return new LineEditAccessible(edit);
    return nullptr;
}

} // namespace

void InstallLineEditAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(LineEditFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

LineEditAccessible::LineEditAccessible(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *LineEditAccessible::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = lineEdit()->isReadOnly();
    state.selectableText = true;
    const QCompleter *completer = lineEdit()->completer();
    state.supportsAutoCompletion = completer && completer->completionMode() != QCompleter::InlineCompletion;
    return state;
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    QString text = t == QAccessible::Value ? lineEdit()->text() : QString();
    if (text.isEmpty())
        text = QAccessibleWidget::text(t);
    if (text.isEmpty() && t == QAccessible::Description)
        text = lineEdit()->placeholderText();
    return text;
}

void LineEditAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString accepted = text;
    int position = 0;
    if (lineEdit()->isReadOnly() ||
        (lineEdit()->validator() &&
         lineEdit()->validator()->validate(accepted, position) != QValidator::Acceptable))
        return;
    lineEdit()->setText(accepted);
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && lineEdit()->hasSelectedText()) {
        *startOffset = lineEdit()->selectionStart();
        *endOffset = *startOffset + lineEdit()->selectionLength();
    }
}

int LineEditAccessible::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    return lineEdit()->text().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const
{
    return int(lineEdit()->text().size());
}

QRect LineEditAccessible::characterRect(int offset) const
{
    const QString text = lineEdit()->text();
    if (offset < 0 || offset > text.size())
        return {};
    // Measured from the cursor, the one place Qt tells of, so the box's margins and scrolling count.
    const QFontMetrics metrics = lineEdit()->fontMetrics();
    const QRect cursor = lineEdit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = cursor.center().x() + metrics.horizontalAdvance(text.left(offset)) -
                  metrics.horizontalAdvance(text.left(lineEdit()->cursorPosition()));
    const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 1;
    return QRect(lineEdit()->mapToGlobal(QPoint(x, cursor.top())), QSize(width, cursor.height()));
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One face throughout: no attributes, over the whole text.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (!lineEdit()->isReadOnly())
        lineEdit()->setText(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
}
