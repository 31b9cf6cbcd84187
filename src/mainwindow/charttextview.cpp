#include "mainwindow/charttextview.h"

#include "mainwindow/charttextaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include <QScrollBar>

#include <array>
#include <cmath>
#include <tuple>

namespace {

constexpr int Margin = ChartTextView::TextMargin;

// How much of the old and the new chart a text change tells screen readers: the first million
// characters, some years of days. Every listener gets the text of a change through the
// accessibility bus; a chart of a million days would take seconds to pass, and a reader takes
// the rest from the text itself as the user reads on.
constexpr qsizetype AnnouncedChars = 1'000'000;

} // namespace

ChartTextView::ChartTextView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    m_lineStarts.append(0);
    InstallChartTextAccessible();
}

void ChartTextView::setPlainText(QString text)
{
    // What a screen reader is told was removed; kept only while one listens.
    const QString removed = QAccessible::isActive() ? m_text.left(AnnouncedChars) : QString();
    m_text = std::move(text);
    m_lineStarts.clear();
    m_lineStarts.reserve(m_text.size() / 40 + 1);
    m_lineStarts.append(0);
    m_longestLine = 0;
    const QChar *data = m_text.constData();
    const qsizetype size = m_text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] == QLatin1Char('\n')) {
            m_longestLine = std::max(m_longestLine, i - m_lineStarts.last());
            m_lineStarts.append(i + 1);
        }
    }
    m_longestLine = std::max(m_longestLine, size - m_lineStarts.last());
    m_anchor = m_cursor = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
    // Qt's AT-SPI bridge reads every TextUpdated event as a QAccessibleTextUpdateEvent.
    QAccessibleTextUpdateEvent changed(this, 0, removed, m_text.left(AnnouncedChars));
    QAccessible::updateAccessibility(&changed);
    // Orca takes a cursor move in a text that has the focus by the time it looks for the focus
    // arriving there, and then says nothing of the text: the cursor of a chart shown anew is told
    // only once the view had the focus before.
    if (hasFocus())
        selectionChanged();
}

QStringView ChartTextView::line(qsizetype index) const
{
    const qsizetype begin = m_lineStarts[index];
    const qsizetype end = index + 1 < m_lineStarts.size() ? m_lineStarts[index + 1] - 1 : m_text.size();
    return QStringView(m_text).mid(begin, end - begin);
}

qsizetype ChartTextView::lineOf(qsizetype offset) const
{
    return std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), offset) - m_lineStarts.cbegin() - 1;
}

std::pair<qsizetype, qsizetype> ChartTextView::lineAround(qsizetype offset) const
{
    const qsizetype index = lineOf(std::clamp<qsizetype>(offset, 0, m_text.size()));
    return {m_lineStarts[index], m_lineStarts[index] + line(index).size()};
}

int ChartTextView::lineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

int ChartTextView::visibleLines() const
{
    return std::max(1, viewport()->height() / lineHeight());
}

qreal ChartTextView::charWidth() const
{
    // A fixed-pitch face's advance is seldom a whole number of pixels; measured over a long run
    // it matches where drawText puts each character.
    constexpr int run = 100;
    return std::max(1.0, QFontMetricsF(font()).horizontalAdvance(QString(run, QLatin1Char('M'))) / run);
}

int ChartTextView::widthForColumns(int columns) const
{
    return int(std::ceil(columns * charWidth())) + 2 * (frameWidth() + Margin) +
           verticalScrollBar()->sizeHint().width();
}

void ChartTextView::updateScrollBars()
{
    const int visible = visibleLines();
    verticalScrollBar()->setRange(0, int(std::max<qsizetype>(0, m_lineStarts.size() - visible)));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);
    const int textWidth = int(std::ceil(qreal(m_longestLine) * charWidth())) + 2 * Margin;
    horizontalScrollBar()->setRange(0, std::max(0, textWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(int(std::ceil(charWidth())));
}

void ChartTextView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ChartTextView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateScrollBars();
}

void ChartTextView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const int height = lineHeight();
    const qreal width = charWidth();
    const int ascent = fontMetrics().ascent();
    const int x0 = Margin - horizontalScrollBar()->value();
    const qsizetype first = verticalScrollBar()->value();
    const qsizetype selBegin = std::min(m_anchor, m_cursor);
    const qsizetype selEnd = std::max(m_anchor, m_cursor);
    const QPalette &pal = palette();
    for (qsizetype i = first, y = 0; i < m_lineStarts.size() && y < viewport()->height(); ++i, y += height) {
        const QStringView text = line(i);
        painter.setPen(pal.color(QPalette::Text));
        painter.drawText(x0, int(y) + ascent, text.toString());
        // The selected part of the line, drawn again over its highlight.
        const qsizetype begin = std::max(selBegin, m_lineStarts[i]) - m_lineStarts[i];
        const qsizetype end = std::min(selEnd, m_lineStarts[i] + text.size()) - m_lineStarts[i];
        if (selBegin < selEnd && begin < end) {
            const QRectF box(x0 + qreal(begin) * width, qreal(y), qreal(end - begin) * width, height);
            painter.fillRect(box, pal.color(QPalette::Highlight));
            painter.setPen(pal.color(QPalette::HighlightedText));
            painter.drawText(QPointF(box.x(), qreal(y + ascent)), text.mid(begin, end - begin).toString());
        }
    }
    if (hasFocus()) {
        const QRect caret = characterRect(m_cursor);
        painter.fillRect(caret.x(), caret.y(), 1, caret.height(), pal.color(QPalette::Text));
    }
}

QRect ChartTextView::characterRect(qsizetype offset) const
{
    const qsizetype index = lineOf(std::clamp<qsizetype>(offset, 0, m_text.size()));
    const qreal x =
        TextMargin - horizontalScrollBar()->value() + qreal(offset - m_lineStarts[index]) * charWidth();
    const int y = int(index - verticalScrollBar()->value()) * lineHeight();
    return QRect(int(x), y, int(std::ceil(charWidth())), lineHeight());
}

qsizetype ChartTextView::offsetAt(QPoint p) const
{
    const qsizetype row = std::clamp<qsizetype>(verticalScrollBar()->value() + p.y() / lineHeight(), 0,
                                                m_lineStarts.size() - 1);
    const double x = p.x() - Margin + horizontalScrollBar()->value();
    const qsizetype column = std::clamp<qsizetype>(qRound(x / charWidth()), 0, line(row).size());
    return m_lineStarts[row] + column;
}

void ChartTextView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    m_cursor = offsetAt(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier))
        m_anchor = m_cursor;
    selectionChanged();
}

void ChartTextView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint p = event->position().toPoint();
    // Dragging past the top or bottom edge scrolls on.
    if (p.y() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (p.y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    m_cursor = offsetAt(p);
    selectionChanged();
}

void ChartTextView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    using Key = QKeySequence;
    static constexpr std::array<std::tuple<Key::StandardKey, Key::StandardKey, Step>, 10> Moves{{
        {Key::MoveToPreviousChar, Key::SelectPreviousChar, Step::PreviousChar},
        {Key::MoveToNextChar, Key::SelectNextChar, Step::NextChar},
        {Key::MoveToPreviousLine, Key::SelectPreviousLine, Step::PreviousLine},
        {Key::MoveToNextLine, Key::SelectNextLine, Step::NextLine},
        {Key::MoveToPreviousPage, Key::SelectPreviousPage, Step::PreviousPage},
        {Key::MoveToNextPage, Key::SelectNextPage, Step::NextPage},
        {Key::MoveToStartOfLine, Key::SelectStartOfLine, Step::LineStart},
        {Key::MoveToEndOfLine, Key::SelectEndOfLine, Step::LineEnd},
        {Key::MoveToStartOfDocument, Key::SelectStartOfDocument, Step::TextStart},
        {Key::MoveToEndOfDocument, Key::SelectEndOfDocument, Step::TextEnd},
    }};
    for (const auto &[move, select, step] : Moves) {
        const bool selecting = event->matches(select);
        if (selecting || event->matches(move)) {
            moveCursor(step, selecting);
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// The cursor shows while the view has the keyboard.
void ChartTextView::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ChartTextView::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void ChartTextView::moveCursor(Step step, bool select)
{
    const qsizetype current = lineOf(m_cursor);
    const qsizetype column = m_cursor - m_lineStarts[current];
    // Up and down keep the column, as far as the line reaches.
    auto onLine = [&](qsizetype target) {
        target = std::clamp<qsizetype>(target, 0, m_lineStarts.size() - 1);
        return m_lineStarts[target] + std::min(column, line(target).size());
    };
    const int page = visibleLines();
    QScrollBar *bar = verticalScrollBar();
    switch (step) {
    case Step::PreviousChar:
        m_cursor = std::max<qsizetype>(0, m_cursor - 1);
        break;
    case Step::NextChar:
        m_cursor = std::min(m_text.size(), m_cursor + 1);
        break;
    case Step::PreviousLine:
        m_cursor = onLine(current - 1);
        break;
    case Step::NextLine:
        m_cursor = onLine(current + 1);
        break;
    // A page key turns the page and takes the cursor along.
    case Step::PreviousPage:
        bar->setValue(bar->value() - page);
        m_cursor = onLine(current - page);
        break;
    case Step::NextPage:
        bar->setValue(bar->value() + page);
        m_cursor = onLine(current + page);
        break;
    case Step::LineStart:
        m_cursor = m_lineStarts[current];
        break;
    case Step::LineEnd:
        m_cursor = m_lineStarts[current] + line(current).size();
        break;
    case Step::TextStart:
        m_cursor = 0;
        break;
    case Step::TextEnd:
        m_cursor = m_text.size();
        break;
    }
    if (!select)
        m_anchor = m_cursor;
    ensureCursorVisible();
    selectionChanged();
}

void ChartTextView::ensureCursorVisible()
{
    QScrollBar *bar = verticalScrollBar();
    const qsizetype current = lineOf(m_cursor);
    if (current < bar->value())
        bar->setValue(int(current));
    else if (current >= bar->value() + visibleLines())
        bar->setValue(int(current - visibleLines() + 1));
    QScrollBar *across = horizontalScrollBar();
    const int x = int(qreal(m_cursor - m_lineStarts[current]) * charWidth());
    const int room = viewport()->width() - 2 * Margin - int(std::ceil(charWidth()));
    if (x < across->value())
        across->setValue(x);
    else if (x > across->value() + room)
        across->setValue(x - room);
}

void ChartTextView::setSelection(qsizetype anchor, qsizetype cursor)
{
    m_anchor = std::clamp<qsizetype>(anchor, 0, m_text.size());
    m_cursor = std::clamp<qsizetype>(cursor, 0, m_text.size());
    ensureCursorVisible();
    selectionChanged();
}

void ChartTextView::selectionChanged()
{
    viewport()->update();
    QAccessibleTextCursorEvent cursor(this, int(m_cursor));
    QAccessible::updateAccessibility(&cursor);
    QAccessibleTextSelectionEvent selection(this, int(std::min(m_anchor, m_cursor)),
                                            int(std::max(m_anchor, m_cursor)));
    QAccessible::updateAccessibility(&selection);
}

void ChartTextView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copyAction = menu.addAction(tr("&Copy"), this, &ChartTextView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(m_anchor != m_cursor);
    menu.addAction(tr("Select &All"), this, &ChartTextView::selectAll)->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

QString ChartTextView::selectedText() const
{
    const qsizetype begin = std::min(m_anchor, m_cursor);
    return m_text.mid(begin, std::max(m_anchor, m_cursor) - begin);
}

void ChartTextView::selectAll()
{
    m_anchor = 0;
    m_cursor = m_text.size();
    selectionChanged();
}

void ChartTextView::copy() const
{
    if (m_anchor != m_cursor)
        QApplication::clipboard()->setText(selectedText());
}
