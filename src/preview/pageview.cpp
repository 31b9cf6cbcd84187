#include "preview/pageview.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int Gap = 12;             // pixels between the pages and around them
constexpr double PaperDpi = 1200.0; // the resolution the pages are drawn at
constexpr double InchesPerMeter = 1 / 0.0254;
// The pictures of pages kept: as many as fit this many bytes, and never fewer than in view.
constexpr qint64 KeptBytes = qint64(128) << 20;
constexpr int LeastKept = 4;

} // namespace

PageView::PageView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void PageView::setDocument(QSizeF paper, PageDrawer draw)
{
    m_paper = paper;
    m_draw = std::move(draw);
    m_drawn.clear();
    m_pageCount = 0;
    m_final = false;
    m_endPending = false;
    m_currentPage = 0;
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

void PageView::setPageCount(qint64 pages, bool final)
{
    if (pages == m_pageCount && final == m_final)
        return;
    m_pageCount = pages;
    m_final = final;
    updateScrollBars();
    if (final && m_endPending)
        showPage(pages);
    updateCurrentPage();
    viewport()->update();
}

double PageView::scale() const
{
    if (m_paper.isEmpty())
        return 1;
    const QSize room = viewport()->size() - QSize(2 * Gap, 2 * Gap);
    const double width = std::max(room.width(), 1) / m_paper.width();
    switch (m_fit) {
    case Fit::Width:
        return width;
    case Fit::Whole:
        return std::min(width, std::max(room.height(), 1) / m_paper.height());
    case Fit::None:
        break;
    }
    return m_factor * logicalDpiX() / PaperDpi;
}

void PageView::setZoom(Fit fit, double factor)
{
    const qint64 page = m_currentPage;
    m_fit = fit;
    m_factor = factor;
    m_drawn.clear();
    updateScrollBars();
    if (page > 0)
        showPage(page);
    viewport()->update();
}

QSize PageView::pageSize() const
{
    const double s = scale();
    return {std::max(1, int(std::lround(m_paper.width() * s))),
            std::max(1, int(std::lround(m_paper.height() * s)))};
}

qint64 PageView::pitch() const
{
    return pageSize().height() + Gap;
}

qint64 PageView::contentTop() const
{
    return verticalScrollBar()->value() * m_unit;
}

void PageView::updateScrollBars()
{
    const QSize page = pageSize();
    const qint64 strip = Gap + m_pageCount * pitch();
    const qint64 beyond = std::max<qint64>(strip - viewport()->height(), 0);
    m_unit = beyond / INT_MAX + 1;
    verticalScrollBar()->setRange(0, int(beyond / m_unit));
    verticalScrollBar()->setPageStep(std::max(1, int(viewport()->height() / m_unit)));
    verticalScrollBar()->setSingleStep(std::max(1, int(40 / m_unit)));
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * Gap - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(40);
}

void PageView::showLastPage()
{
    showPage(m_pageCount);
    m_endPending = !m_final;
}

void PageView::showPage(qint64 page)
{
    m_endPending = false;
    page = std::clamp<qint64>(page, 1, std::max<qint64>(m_pageCount, 1));
    verticalScrollBar()->setValue(int((page - 1) * pitch() / m_unit));
    updateCurrentPage();
}

void PageView::updateCurrentPage()
{
    // The page that holds the upper third of the view.
    const qint64 y = contentTop() + viewport()->height() / 3 - Gap / 2;
    const qint64 page = m_pageCount == 0 ? 0 : std::clamp<qint64>(y / pitch() + 1, 1, m_pageCount);
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    Q_EMIT currentPageChanged(page);
}

const QImage &PageView::image(qint64 page)
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = pageSize() * ratio;
    const auto kept =
        std::find_if(m_drawn.begin(), m_drawn.end(), [page](const Drawn &d) { return d.page == page; });
    if (kept != m_drawn.end()) {
        m_drawn.splice(m_drawn.begin(), m_drawn, kept);
        return m_drawn.front().image;
    }
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    // Fonts take their sizes at the paper's resolution; the painter scales the paper down.
    picture.setDotsPerMeterX(int(std::lround(PaperDpi * InchesPerMeter)));
    picture.setDotsPerMeterY(int(std::lround(PaperDpi * InchesPerMeter)));
    {
        QPainter painter(&picture);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(size.width() / m_paper.width(), size.height() / m_paper.height());
        m_draw(page, &painter);
    }
    picture.setDevicePixelRatio(ratio);
    const qint64 bytes = std::max<qint64>(picture.sizeInBytes(), 1);
    m_drawn.push_front({page, std::move(picture)});
    const auto most = std::max<qint64>(LeastKept, KeptBytes / bytes);
    while (qint64(m_drawn.size()) > most)
        m_drawn.pop_back();
    return m_drawn.front().image;
}

void PageView::paintEvent(QPaintEvent *)
{
    if (m_pageCount == 0 || !m_draw)
        return;
    QPainter painter(viewport());
    const QSize page = pageSize();
    const int x = page.width() + 2 * Gap <= viewport()->width() ? (viewport()->width() - page.width()) / 2
                                                                : Gap - horizontalScrollBar()->value();
    const qint64 top = contentTop();
    for (qint64 n = std::max<qint64>((top - Gap) / pitch(), 0); n < m_pageCount; ++n) {
        const qint64 y = Gap + n * pitch() - top;
        if (y >= viewport()->height())
            break;
        const QRect sheet(x, int(y), page.width(), page.height());
        painter.fillRect(sheet.translated(2, 2), palette().shadow());
        painter.drawImage(sheet.topLeft(), image(n + 1));
    }
}

void PageView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    const qint64 page = m_currentPage;
    if (m_fit != Fit::None)
        m_drawn.clear();
    updateScrollBars();
    if (page > 0)
        showPage(page);
}

void PageView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        showPage(m_currentPage - 1);
        return;
    case Qt::Key_PageDown:
        showPage(m_currentPage + 1);
        return;
    case Qt::Key_Home:
        showPage(1);
        return;
    case Qt::Key_End:
        showLastPage();
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void PageView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->angleDelta().y() != 0)
            Q_EMIT zoomStepped(event->angleDelta().y() > 0 ? 1 : -1);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void PageView::scrollContentsBy(int, int)
{
    updateCurrentPage();
    viewport()->update();
}
