#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QString>

// The chart display box: read-only lines of fixed-pitch text that can be scrolled, selected
// with the mouse or Ctrl+A, and copied with Ctrl+C. It keeps the text as one string and paints
// only the lines in view, so a chart of a hundred thousand days shows at once, where a text
// document would first lay out every line.
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

    [[nodiscard]] QString selectedText() const;
    void selectAll();
    void copy() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    [[nodiscard]] QStringView line(qsizetype index) const;
    [[nodiscard]] qsizetype offsetAt(QPoint viewportPoint) const;
    [[nodiscard]] int lineHeight() const;
    [[nodiscard]] qreal charWidth() const;
    void updateScrollBars();

    QString m_text;
    QList<qsizetype> m_lineStarts; // where each line begins in m_text
    qsizetype m_longestLine = 0;
    qsizetype m_anchor = 0; // the selection runs from the anchor to the cursor, either way
    qsizetype m_cursor = 0;
};
