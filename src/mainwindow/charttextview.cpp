#include "mainwindow/charttextview.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include <QScrollBar>
#include <cmath>

namespace {

constexpr int Margin = ChartTextView::TextMargin;

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
}

void ChartTextView::setPlainText(QString text)
{
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
}

QStringView ChartTextView::line(qsizetype index) const
{
    const qsizetype begin = m_lineStarts[index];
    const qsizetype end = index + 1 < m_lineStarts.size() ? m_lineStarts[index + 1] - 1 : m_text.size();
    return QStringView(m_text).mid(begin, end - begin);
}

int ChartTextView::lineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

qreal ChartTextView::charWidth() const
{
    // A fixed-pitch face's advance is seldom a whole number of pixels; measured over a long run
    // it matches where drawText puts each character.
    constexpr int run = 100;
    return std::max(1.0, QFontMetricsF(font()).horizontalAdvance(QString(run, QLatin1Char('M'))) / run);
}

void ChartTextView::updateScrollBars()
{
    const int visibleLines = std::max(1, viewport()->height() / lineHeight());
    verticalScrollBar()->setRange(0, int(std::max<qsizetype>(0, m_lineStarts.size() - visibleLines)));
    verticalScrollBar()->setPageStep(visibleLines);
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
    viewport()->update();
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
    viewport()->update();
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
    QScrollBar *bar = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Up:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Down:
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
    viewport()->update();
}

void ChartTextView::copy() const
{
    if (m_anchor != m_cursor)
        QApplication::clipboard()->setText(selectedText());
}
