#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QString>

#include <utility>

// The chart display box: read-only lines of fixed-pitch text with a cursor that the arrow, page,
// Home and End keys move (with Shift they select), selected with the mouse or Ctrl+A too, and
// copied with Ctrl+C. It keeps the text as one string and paints only the lines in view, so a
// chart of a hundred thousand days shows at once, where a text document would first lay out
// every line. Screen readers read it through ChartTextAccessible.
class ChartTextView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Pixels between the frame and the text on each side.
    static constexpr int TextMargin = 4;

    explicit ChartTextView(QWidget *parent = nullptr);

    void setPlainText(QString text);
    [[nodiscard]] const QString &toPlainText() const { return m_text; }
    [[nodiscard]] bool isReadOnly() const { return true; }
    [[nodiscard]] qsizetype lineCount() const { return m_lineStarts.size(); }
    // The width that shows `columns` characters of a line beside the vertical scroll bar.
    [[nodiscard]] int widthForColumns(int columns) const;

    [[nodiscard]] QString selectedText() const;
    void selectAll();
    void copy() const;

    // The cursor, and the selection from the anchor to the cursor, as offsets into the text.
    [[nodiscard]] qsizetype cursorPosition() const { return m_cursor; }
    [[nodiscard]] qsizetype anchorPosition() const { return m_anchor; }
    // Selects from `anchor` to `cursor` (the same offset for none) and scrolls the cursor into view.
    void setSelection(qsizetype anchor, qsizetype cursor);
    // Where the character at `offset` stands, in the viewport's coordinates, and back.
    [[nodiscard]] QRect characterRect(qsizetype offset) const;
    [[nodiscard]] qsizetype offsetAt(QPoint viewportPoint) const;
    // The line holding `offset`, as the offsets of its first character and just after its last.
    [[nodiscard]] std::pair<qsizetype, qsizetype> lineAround(qsizetype offset) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    enum class Step {
        PreviousChar,
        NextChar,
        PreviousLine,
        NextLine,
        PreviousPage,
        NextPage,
        LineStart,
        LineEnd,
        TextStart,
        TextEnd
    };

    [[nodiscard]] QStringView line(qsizetype index) const;
    [[nodiscard]] qsizetype lineOf(qsizetype offset) const;
    [[nodiscard]] int lineHeight() const;
    [[nodiscard]] int visibleLines() const;
    [[nodiscard]] qreal charWidth() const;
    void updateScrollBars();
    void moveCursor(Step step, bool select);
    void ensureCursorVisible();
    void selectionChanged();

    QString m_text;
    QList<qsizetype> m_lineStarts; // where each line begins in m_text
    qsizetype m_longestLine = 0;
    qsizetype m_anchor = 0; // the selection runs from the anchor to the cursor, either way
    qsizetype m_cursor = 0;
};
