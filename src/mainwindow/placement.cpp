// The proportional layout applied to the widgets: the fonts of the screen's row of the font table
// first, then every control where layout::PlaceControls puts it for the window's size.

#include "mainwindow/mainwindow.h"

#include "graph/graphwidget.h"
#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "mainwindow/charttextview.h"
#include "namedb/databasepanel.h"
#include "platform/widgetfont.h"
#include "settings/windowplacement.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

namespace {

// The widest line a chart holds: the forecast's longest lines are 79 characters.
constexpr int ChartColumns = 79;

// The form's face: the metric twin of Arial the program depends on, so that captions measure the
// same on every desktop and the font table's sizes fit the heights it gives them.
const QString FormFace = QStringLiteral("Liberation Sans");

// A push button shows its caption whole when it is as wide as the caption and a margin each side
// and as high as the style makes it; the style's own least width is wider than it needs.
QSize ButtonNeed(const QPushButton *button)
{
    const QFontMetrics metrics = button->fontMetrics();
    return {metrics.horizontalAdvance(button->text()) + 2 * metrics.averageCharWidth(),
            button->sizeHint().height()};
}

} // namespace

int MainWindow::screenHeightTwips() const
{
    if (m_env.screenHeightTwips > 0)
        return m_env.screenHeightTwips;
    const QScreen *shown = screen();
    return shown ? shown->geometry().height() * layout::TwipsPerPixel : 0;
}

layout::Scale MainWindow::shownScale() const
{
    using layout::Item;
    return {centralWidget()->font().pointSizeF(), m_placed[std::size_t(Item::NameLabel)]->height(),
            m_placed[std::size_t(Item::HeadingFrame)]->height(),
            m_placed[std::size_t(Item::SplashTitle)]->font().pointSizeF(),
            m_databasePanel->buttonPointSize()};
}

void MainWindow::showScale(const layout::Scale &scale)
{
    using layout::Item;
    // The form, the panels over it and the close button take the base size from the central widget.
    QFont base(FormFace);
    base.setPointSizeF(scale.basePoints);
    centralWidget()->setFont(base);
    for (Item item : {Item::SplashTitle, Item::SplashVersion})
        SetPointSize(m_placed[std::size_t(item)], scale.splashTitlePoints);
    m_databasePanel->setPointSizes(scale.basePoints, scale.databaseButtonPoints);
    m_chartView->setFont(chartFont());
    QWidget *nameLabel = m_placed[std::size_t(Item::NameLabel)];
    nameLabel->resize(nameLabel->width(), scale.nameLabelHeight);
    QWidget *headingFrame = m_placed[std::size_t(Item::HeadingFrame)];
    headingFrame->resize(headingFrame->width(), scale.headingFrameHeight);
}

layout::Needs MainWindow::measureNeeds() const
{
    using layout::Item;
    layout::Needs needs;
    for (std::size_t i = 0; i < m_placed.size(); ++i) {
        const auto *button = qobject_cast<const QPushButton *>(m_placed[i]);
        needs.size[i] = button ? ButtonNeed(button) : m_placed[i]->minimumSizeHint().expandedTo({0, 0});
    }
    auto need = [&needs](Item item) -> QSize & { return needs.size[std::size_t(item)]; };
    need(Item::PictureButtons) = m_toolBar->sizeHint();
    need(Item::TitleRule) = need(Item::PrinterRule) = QSize(0, 2);
    // Lines per page: three digits.
    need(Item::LinesPerPage).rwidth() +=
        m_placed[std::size_t(Item::LinesPerPage)]->fontMetrics().horizontalAdvance(QStringLiteral("000"));
    need(Item::ChartView) = QSize(m_chartView->widthForColumns(ChartColumns), 0);
    need(Item::SplashNotice) = need(Item::SplashHint) = QSize(0, 0);
    needs.wrappedHeight = [this](Item item, int width) {
        return m_placed[std::size_t(item)]->heightForWidth(width);
    };
    needs.panels = m_databasePanel->minimumHostSize();
    return needs;
}

void MainWindow::fitMinimumSize()
{
    const int screenHeight = screenHeightTwips();
    const layout::Scale scale = layout::ScaleFor(screenHeight, height(), shownScale());
    showScale(scale);
    const QSize chrome(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    QSize least = layout::MinimumWindowSize(screenHeight, scale, chrome, measureNeeds());
    // A screen too small for the fonts its height asks for still holds the whole window, with the
    // title bar and borders the desktop puts round it once it shows.
    if (const QScreen *shown = screen(); shown && m_env.screenHeightTwips == 0)
        least = least.boundedTo(shown->availableGeometry().size() - (frameGeometry().size() - size()));
    setMinimumSize(least);
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    fitFrameOnceKnown();
}

void MainWindow::fitFrameOnceKnown()
{
    if (m_frameUnknown && frameGeometry() != geometry()) {
        m_frameUnknown = false;
        keepFrameOnScreen();
    }
}

void MainWindow::keepFrameOnScreen()
{
    const QScreen *shown = screen();
    if (!shown || isMaximized() || isFullScreen() || isMinimized())
        return;
    fitMinimumSize();
    const QRect frame = frameGeometry();
    const QSize border = frame.size() - size();
    const QRect fitted = settings::FitOnScreen(frame, shown->availableGeometry(), minimumSize() + border);
    if (fitted == frame)
        return;
    resize(fitted.size() - border);
    move(fitted.topLeft());
}

void MainWindow::placeControls()
{
    const QSize inner = centralWidget()->size();
    const layout::Scale scale = layout::ScaleFor(screenHeightTwips(), height(), shownScale());
    showScale(scale);
    const layout::Placement placement = layout::PlaceControls(size(), inner, scale, measureNeeds());
    for (std::size_t i = 0; i < m_placed.size(); ++i) {
        const QRect &rect = placement.rect[i];
        // A window smaller than its least size (minimized, or before it is shown) may give a
        // control no room at all; that control keeps its place.
        if (rect.width() >= 0 && rect.height() >= 0)
            m_placed[i]->setGeometry(rect);
    }
    m_databasePanel->placeIn(inner);
    m_whatIsPanel->placeIn(inner, scale.basePoints);
    m_helpPanel->placeIn(inner, scale.basePoints);
    // The graph leaves a twentieth of the form showing on each side.
    m_graphPanel->setGeometry(inner.width() / 20, inner.height() / 20, inner.width() * 9 / 10,
                              inner.height() * 9 / 10);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeControls();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (windowHandle())
        connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::fitMinimumSize,
                Qt::UniqueConnection);
    fitMinimumSize();
    placeControls();
    // The stored placement was fitted to the screen before the desktop framed the window; once the
    // frame is known (it moves the window), the whole frame is fitted once more.
    if (!event->spontaneous()) {
        m_frameUnknown = true;
        fitFrameOnceKnown();
    }
    if (!m_startupNotice->isHidden())
        m_startupNotice->setFocus();
}

QFont MainWindow::chartFont() const
{
    // The chart asks for Courier; on screen it shows in Courier's clear metric twin, or else in
    // the system's fixed-pitch face, at the size of the form's text.
    QFont font(QStringLiteral("Liberation Mono"));
    const QFontInfo found(font);
    if (!found.fixedPitch() || found.family() != font.family())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(centralWidget()->font().pointSizeF());
    return font;
}
