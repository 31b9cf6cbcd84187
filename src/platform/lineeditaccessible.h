#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// What a screen reader learns of a one-line box: Qt's own account of it, but with the text's
// (absent) attributes spanning the whole text. Qt 6.4 gives a line edit's attributes as an empty
// run at each offset, which Orca 43 joins into one run that stops a character short, so it spoke
// every box's text without its last character ("Pat Exampl", an age of "1335" for 13350).
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *edit);

    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    [[nodiscard]] QLineEdit *lineEdit() const;
};

// Makes Qt hand screen readers a LineEditAccessible for every line edit that shows its text
// (once per program); boxes that hide what is typed keep Qt's own.
void InstallLineEditAccessible();
