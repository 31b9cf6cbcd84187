#include "mainwindow/windowlayout.h"

#include "graph/graphwidget.h"
#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "mainwindow/charttextview.h"
#include "mainwindow/textsize.h"
#include "namedb/databasepanel.h"
#include "platform/widgetfont.h"
#include "settings/settingsstore.h"
#include "settings/textsize.h"
#include "settings/windowplacement.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include <map>
#include <memory>

namespace {

using layout::Item;

// The widest line a chart holds: the forecast's longest lines are 79 characters.
constexpr int ChartColumns = 79;

// The title and the line under it keep their own sizes, which the text size scales.
constexpr std::array<Item, 2> TitleItems{Item::Title, Item::Subtitle};

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

double ScreenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

WindowLayout::WindowLayout(QMainWindow &window, QString placementFile, int screenHeightTwips)
    : m_window(window)
    , m_placementFile(std::move(placementFile))
    , m_screenHeightTwips(screenHeightTwips)
{}

void WindowLayout::add(layout::Item item, QWidget *widget)
{
    m_placed[std::size_t(item)] = widget;
    for (std::size_t i = 0; i < TitleItems.size(); ++i) {
        if (item == TitleItems[i])
            m_titlePoints[i] = widget->font().pointSizeF();
    }
}

layout::AddControl WindowLayout::adder()
{
    return [this](Item item, QWidget *widget) { add(item, widget); };
}

QList<QWidget *> WindowLayout::formControls() const
{
    QList<QWidget *> form;
    for (int i = 0; i < layout::ItemCount; ++i) {
        const auto item = Item(i);
        if (item != Item::PictureButtons && layout::LayerOf(item) == layout::Layer::Form &&
            layout::ParentOf(item) == Item::Count)
            form << m_placed[std::size_t(i)];
    }
    return form;
}

std::unique_ptr<QSettings> WindowLayout::placementStore() const
{
    return settings::OpenSettingsStore(m_placementFile);
}

void WindowLayout::restorePlacement()
{
    const auto store = placementStore();
    const std::optional<int> storedTextSize = settings::LoadTextSize(*store);
    if (storedTextSize)
        m_textSize = layout::TextSizeNear(*storedTextSize);
    const QRect wanted = settings::PlacementToPixels(settings::LoadWindowPlacement(*store), ScreenDpi());
    // The primary screen first: it is the one to open on when no screen holds the stored place.
    QList<QScreen *> screens = QGuiApplication::screens();
    if (QScreen *primary = QGuiApplication::primaryScreen()) {
        screens.removeOne(primary);
        screens.prepend(primary);
    }
    QList<QRect> areas;
    for (const QScreen *screen : screens)
        areas << screen->availableGeometry();
    const qsizetype chosen = settings::ScreenFor(wanted, areas);
    // Off every screen, the fonts the window is designed with.
    if (chosen < 0) {
        showScale(layout::DesignScale);
        m_window.resize(wanted.size());
        return;
    }
    // The fonts, and so the least size, follow the height of the screen the window opens on; so
    // does the text size of a first run.
    m_window.setScreen(screens[chosen]);
    if (!storedTextSize)
        m_textSize = layout::FirstRunTextSize(screenHeightTwips(), m_scale);
    // Fitted at the height it opens at, the least size holds when the window is shown.
    m_window.resize(wanted.size());
    fitMinimumSize();
    const QRect placed = settings::FitOnScreen(wanted, areas[chosen], m_window.minimumSize());
    m_window.move(placed.topLeft());
    m_window.resize(placed.size());
}

QList<settings::WriteFailure> WindowLayout::storePlacement() const
{
    const auto store = placementStore();
    settings::SaveTextSize(*store, m_textSize);
    if (!m_window.isMinimized()) {
        const QRect rect(m_window.frameGeometry().topLeft(), m_window.size());
        settings::SaveWindowPlacement(*store, settings::PlacementFromPixels(rect, ScreenDpi()));
    }
    store->sync();
    if (store->status() == QSettings::AccessError)
        return {{store->fileName(), tr("no access, or no room")}};
    if (store->status() == QSettings::FormatError)
        return {{store->fileName(), tr("it could not be read, and is left as it is")}};
    return {};
}

int WindowLayout::screenHeightTwips() const
{
    if (m_screenHeightTwips > 0)
        return m_screenHeightTwips;
    const QScreen *shown = m_window.screen();
    return shown ? shown->geometry().height() * layout::TwipsPerPixel : 0;
}

layout::Scale WindowLayout::scaleFor(int windowHeight, int textSize)
{
    m_scale = layout::ScaleFor(screenHeightTwips(), windowHeight, m_scale);
    return layout::ScaleFor(screenHeightTwips(), windowHeight, m_scale, textSize);
}

void WindowLayout::showScale(const layout::Scale &scale)
{
    // The form, the panels over it and the close button take the base size from the central widget.
    QFont base(FormFace);
    base.setPointSizeF(scale.basePoints);
    const bool newSize = m_window.centralWidget()->font() != base;
    m_window.centralWidget()->setFont(base);
    // A combo box measures its least size once, and forgets it on a change of style but not of
    // font: told of one, it measures again at the new size.
    if (newSize) {
        for (Item item : {Item::LeadIn, Item::Font}) {
            QEvent styleChange(QEvent::StyleChange);
            QCoreApplication::sendEvent(at(item), &styleChange);
        }
    }
    for (Item item : {Item::SplashTitle, Item::SplashVersion})
        SetPointSize(at(item), scale.splashTitlePoints);
    const double textScale = double(scale.textSize) / layout::NormalTextSize;
    for (std::size_t i = 0; i < TitleItems.size(); ++i)
        SetPointSize(at(TitleItems[i]), m_titlePoints[i] * textScale);
    static_cast<GraphWidget *>(at(Item::GraphPanel))->setTextScale(textScale);
    static_cast<DatabasePanel *>(at(Item::DatabasePanel))
        ->setPointSizes(scale.basePoints, scale.databaseButtonPoints);
    static_cast<WhatIsPanel *>(at(Item::WhatIsPanel))->setTextPointSize(scale.basePoints);
    static_cast<HelpPanel *>(at(Item::HelpPanel))->setTextPointSize(scale.basePoints);
    at(Item::ChartView)->setFont(chartFont());
    QWidget *nameLabel = at(Item::NameLabel);
    nameLabel->resize(nameLabel->width(), scale.nameLabelHeight);
    QWidget *headingFrame = at(Item::HeadingFrame);
    headingFrame->resize(headingFrame->width(), scale.headingFrameHeight);
}

layout::Needs WindowLayout::measureNeeds() const
{
    layout::Needs needs;
    for (std::size_t i = 0; i < m_placed.size(); ++i) {
        const auto *button = qobject_cast<const QPushButton *>(m_placed[i]);
        needs.size[i] = button ? ButtonNeed(button) : m_placed[i]->minimumSizeHint().expandedTo({0, 0});
    }
    auto need = [&needs](Item item) -> QSize & { return needs.size[std::size_t(item)]; };
    need(Item::PictureButtons) = at(Item::PictureButtons)->sizeHint();
    need(Item::TitleRule) = need(Item::PrinterRule) = QSize(0, 2);
    // Lines per page: three digits.
    need(Item::LinesPerPage).rwidth() +=
        at(Item::LinesPerPage)->fontMetrics().horizontalAdvance(QStringLiteral("000"));
    need(Item::ChartView) =
        QSize(static_cast<ChartTextView *>(at(Item::ChartView))->widthForColumns(ChartColumns), 0);
    need(Item::SplashNotice) = need(Item::SplashHint) = QSize(0, 0);
    // The "What Is" buttons are alike, as large as the larger needs; the help title a half line
    // higher than its text.
    need(Item::WhatIsPrint) = need(Item::WhatIsClose) =
        at(Item::WhatIsPrint)->sizeHint().expandedTo(at(Item::WhatIsClose)->sizeHint());
    const QWidget *helpTitle = at(Item::HelpTitle);
    need(Item::HelpTitle) = QSize(0, helpTitle->sizeHint().height() + helpTitle->fontMetrics().height() / 2);
    need(Item::DatabasePanel) = static_cast<DatabasePanel *>(at(Item::DatabasePanel))->rowsSize();
    // The comparison's rows as their layout would have them, not squeezed.
    need(Item::ComparePanel) = at(Item::ComparePanel)->sizeHint();
    // The search for the least size asks for the same heights again and again.
    auto known = std::make_shared<std::map<std::pair<Item, int>, int>>();
    needs.wrappedHeight = [this, known](Item item, int width) {
        const auto [place, added] = known->try_emplace({item, width}, 0);
        if (added)
            place->second = at(item)->heightForWidth(width);
        return place->second;
    };
    return needs;
}

QFont WindowLayout::chartFont() const
{
    // The chart asks for Courier; on screen it shows in Courier's clear metric twin, or else in
    // the system's fixed-pitch face, at the size of the form's text.
    QFont font(QStringLiteral("Liberation Mono"));
    const QFontInfo found(font);
    if (!found.fixedPitch() || found.family() != font.family())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(m_window.centralWidget()->font().pointSizeF());
    return font;
}

QSize WindowLayout::room() const
{
    if (m_screenHeightTwips > 0)
        return {QWIDGETSIZE_MAX, m_screenHeightTwips / layout::TwipsPerPixel};
    const QScreen *shown = m_window.screen();
    return shown ? shown->availableGeometry().size() - (m_window.frameGeometry().size() - m_window.size())
                 : QSize();
}

void WindowLayout::fitMinimumSize()
{
    const layout::Scale kept = scaleFor(m_window.height(), layout::NormalTextSize);
    const QSize chrome(0,
                       m_window.menuBar()->sizeHint().height() + m_window.statusBar()->sizeHint().height());
    const QSize room = this->room();
    // The window asks again when it is first shown, and on each move of its frame, mostly with
    // nothing changed: fitting takes as long as measuring every control at each size tried.
    const FitInputs inputs{m_textSize, screenHeightTwips(), kept, chrome, room};
    if (!m_lastFit || m_lastFit->first != inputs) {
        // Each size tried shows its fonts to be measured; the one kept is tried last.
        m_lastFit = {inputs, layout::FitTextSize(m_textSize, inputs.screenHeightTwips, kept, chrome, room,
                                                 [this](int textSize) {
                                                     showScale(scaleFor(m_window.height(), textSize));
                                                     return measureNeeds();
                                                 })};
    }
    const layout::TextFit fit = m_lastFit->second;
    m_textSize = fit.textSize;
    // A screen too small for the fonts its height asks for still holds the whole window, with the
    // title bar and borders the desktop puts round it once it shows.
    m_window.setMinimumSize(m_screenHeightTwips == 0 && !room.isEmpty() ? fit.least.boundedTo(room)
                                                                        : fit.least);
}

bool WindowLayout::setTextSize(int percent)
{
    // Asked by the user, the least size is measured anew: the panels' contents may have changed.
    m_lastFit.reset();
    const int before = m_textSize;
    m_textSize = layout::TextSizeNear(percent);
    fitMinimumSize();
    if (m_textSize == before)
        return false;
    moveOntoScreen();
    place();
    return true;
}

void WindowLayout::place()
{
    const QSize inner = m_window.centralWidget()->size();
    const layout::Scale scale = scaleFor(m_window.height(), m_textSize);
    showScale(scale);
    const layout::Placement placement = layout::PlaceControls(m_window.size(), inner, scale, measureNeeds());
    for (std::size_t i = 0; i < m_placed.size(); ++i) {
        const QRect &rect = placement.rect[i];
        // A window smaller than its least size (minimized, or before it is shown) may give a
        // control no room at all; that control keeps its place.
        if (rect.width() >= 0 && rect.height() >= 0)
            m_placed[i]->setGeometry(rect);
    }
    static_cast<DatabasePanel *>(at(Item::DatabasePanel))->fitRows();
}

void WindowLayout::windowShown(bool spontaneous)
{
    if (QWindow *handle = m_window.windowHandle())
        connect(handle, &QWindow::screenChanged, this, &WindowLayout::screenChanged, Qt::UniqueConnection);
    fitMinimumSize();
    place();
    // The stored placement was fitted to the screen before the desktop framed the window; once the
    // frame is known (it moves the window), the whole frame is fitted once more.
    if (!spontaneous) {
        m_frameUnknown = true;
        fitFrameOnceKnown();
    }
}

void WindowLayout::screenChanged()
{
    m_lastFit.reset();
    fitMinimumSize();
}

void WindowLayout::windowMoved()
{
    fitFrameOnceKnown();
}

void WindowLayout::fitFrameOnceKnown()
{
    if (m_frameUnknown && m_window.frameGeometry() != m_window.geometry()) {
        m_frameUnknown = false;
        keepFrameOnScreen();
    }
}

bool WindowLayout::placedOnScreen() const
{
    return m_window.screen() && !m_window.isMaximized() && !m_window.isFullScreen() &&
           !m_window.isMinimized();
}

void WindowLayout::keepFrameOnScreen()
{
    if (!placedOnScreen())
        return;
    fitMinimumSize();
    moveOntoScreen();
}

void WindowLayout::moveOntoScreen()
{
    if (!placedOnScreen())
        return;
    const QScreen *shown = m_window.screen();
    const QRect frame = m_window.frameGeometry();
    const QSize border = frame.size() - m_window.size();
    const QRect fitted =
        settings::FitOnScreen(frame, shown->availableGeometry(), m_window.minimumSize() + border);
    if (fitted == frame)
        return;
    m_window.resize(fitted.size() - border);
    m_window.move(fitted.topLeft());
}
