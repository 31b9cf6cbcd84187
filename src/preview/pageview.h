#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QSizeF>

#include <functional>
#include <list>

// The pages of a print preview, one under the other on a grey ground, scrolled through. Only the
// pages in view are drawn, each when it first comes into view; the last few drawn are kept. Page
// Up and Page Down turn to the previous and next page, Home and End to the first and last, and
// Ctrl with the wheel zooms. The number of pages may grow while they are counted.
class PageView final : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Draws a page (1 for the first) on a painter whose device has 1200 dots to the inch, from
    // the paper's top left corner.
    using PageDrawer = std::function<void(qint64 page, QPainter *painter)>;
    // Fit: the page's width fills the view; Whole: the whole page shows; else a share of the
    // paper's real size.
    enum class Fit { Width, Whole, None };

    explicit PageView(QWidget *parent = nullptr);

    // A new document: its paper, in pixels at 1200 dots to the inch, and how a page is drawn.
    void setDocument(QSizeF paper, PageDrawer draw);
    // The pages there are so far; `final` once no more will come.
    void setPageCount(qint64 pages, bool final);
    [[nodiscard]] qint64 pageCount() const { return m_pageCount; }
    [[nodiscard]] qint64 currentPage() const { return m_currentPage; }
    // Scrolls the page's top into view.
    void showPage(qint64 page);
    // Shows the last page, and while pages are still being counted the last one again once the
    // count is final (unless another page is asked for before).
    void showLastPage();

    void setZoom(Fit fit, double factor = 1);
    [[nodiscard]] double scale() const;
    [[nodiscard]] Fit fit() const { return m_fit; }

Q_SIGNALS:
    void currentPageChanged(qint64 page);
    // Ctrl with the wheel: +1 to zoom in a step, -1 to zoom out.
    void zoomStepped(int steps);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Drawn
    {
        qint64 page;
        QImage image;
    };

    // The page's size on the screen, in device-independent pixels.
    [[nodiscard]] QSize pageSize() const;
    [[nodiscard]] qint64 pitch() const;
    [[nodiscard]] qint64 contentTop() const;
    void updateScrollBars();
    void updateCurrentPage();
    [[nodiscard]] const QImage &image(qint64 page);

    QSizeF m_paper;
    PageDrawer m_draw;
    qint64 m_pageCount = 0;
    bool m_final = false;
    bool m_endPending = false;
    qint64 m_currentPage = 0;
    Fit m_fit = Fit::Width;
    double m_factor = 1;
    // Pixels of the page strip per step of the scroll bar: more than 1 only where the strip is
    // longer than a scroll bar counts.
    qint64 m_unit = 1;
    std::list<Drawn> m_drawn; // the most recently shown first
};
