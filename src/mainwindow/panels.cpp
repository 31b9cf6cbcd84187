// The start-up notice, the panels and the chart display over the form: what each shows, which
// commands it leaves on, and where the keyboard goes while it shows and after it closes.

#include "mainwindow/mainwindow.h"

#include "graph/graphwidget.h"
#include "info/aboutdialog.h"
#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "mainwindow/charttextview.h"
#include "namedb/databasepanel.h"
#include "tidemarkversion.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

QLabel *splashLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

void MainWindow::buildPanels()
{
    using layout::Item;
    QWidget *host = centralWidget();

    m_startupNotice = new QFrame(host);
    m_startupNotice->setObjectName(QStringLiteral("FrameSplash"));
    m_startupNotice->setFrameShape(QFrame::Panel);
    m_startupNotice->setFrameShadow(QFrame::Raised);
    m_startupNotice->setAutoFillBackground(true);
    m_startupNotice->setFocusPolicy(Qt::StrongFocus);
    auto *title = splashLabel("Label27", QStringLiteral("Tidemark"), m_startupNotice);
    auto *version = splashLabel("Label28", QStringLiteral("Version " TIDEMARK_VERSION), m_startupNotice);
    for (QLabel *big : {title, version}) {
        QFont font = big->font();
        font.setBold(true);
        big->setFont(font);
    }
    auto *notice = splashLabel(
        "Label29",
        QStringLiteral("WARNING: This program is protected by copyright law.  Unauthorized reproduction or "
                       "distribution of this program, or any portion of it, will be prosecuted to the full "
                       "extent of the law.  "
                       "This program is provided for entertainment purposes only, and no claim is made that "
                       "anyone should be physically or spiritually guided by any material this program "
                       "produces.  By using this program, you agree to these terms."),
        m_startupNotice);
    auto *hint = splashLabel("Label30", QStringLiteral("Click this notice, or press Enter, to begin."),
                             m_startupNotice);
    notice->setWordWrap(true);
    hint->setWordWrap(true);
    for (QWidget *w : std::initializer_list<QWidget *>{m_startupNotice, title, version, notice, hint})
        w->installEventFilter(this);
    placed(Item::Splash, m_startupNotice);
    placed(Item::SplashTitle, title);
    placed(Item::SplashVersion, version);
    placed(Item::SplashNotice, notice);
    placed(Item::SplashHint, hint);

    m_databasePanel = new DatabasePanel(m_env.alerts, m_env.dataFolder, host);
    connect(m_databasePanel, &DatabasePanel::nameUsed, this,
            [this](const QString &name, const QString &birth) {
                m_nameEdit->setText(name);
                m_birthdateEdit->setText(birth);
                m_lengthEdit->setFocus();
            });
    m_whatIsPanel = new WhatIsPanel(host);
    connect(m_whatIsPanel, &WhatIsPanel::printRequested, this, &MainWindow::printWhatIs);
    m_helpPanel = new HelpPanel(host);

    m_chartView = new ChartTextView(host);
    m_chartView->setObjectName(QStringLiteral("Text18"));
    m_closeChartButton = new QPushButton(QStringLiteral("Close This Window"), host);
    m_closeChartButton->setObjectName(QStringLiteral("Command24"));
    m_closeChartButton->setAutoDefault(true);
    placed(Item::ChartView, m_chartView);
    placed(Item::CloseChart, m_closeChartButton);
    buildGraphPanel();

    // Each panel tells the window when it shows or hides, whichever button or key did it.
    for (QWidget *overlay : std::initializer_list<QWidget *>{m_databasePanel, m_whatIsPanel, m_helpPanel,
                                                             m_chartView, m_graphPanel})
        overlay->installEventFilter(this);
    m_escapeShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(m_escapeShortcut, &QShortcut::activated, this, &MainWindow::closeOverlay);
    // The notice lies over everything, the chart over the panels.
    m_startupNotice->raise();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool overlay = watched == m_databasePanel || watched == m_whatIsPanel || watched == m_helpPanel ||
                         watched == m_chartView || watched == m_graphPanel;
    if (overlay && event->type() == QEvent::ShowToParent)
        overlayShown();
    else if (overlay && event->type() == QEvent::HideToParent)
        overlayHidden();
    if (m_startupNotice && m_startupNotice->isVisible()) {
        const bool click = event->type() == QEvent::MouseButtonRelease &&
                           static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        const bool key = event->type() == QEvent::KeyPress && watched == m_startupNotice &&
                         (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return ||
                          static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter ||
                          static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space);
        if (click || key) {
            dismissStartupNotice();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QWidget *MainWindow::shownOverlay() const
{
    for (QWidget *overlay : {static_cast<QWidget *>(m_graphPanel), static_cast<QWidget *>(m_chartView),
                             static_cast<QWidget *>(m_helpPanel), static_cast<QWidget *>(m_databasePanel),
                             static_cast<QWidget *>(m_whatIsPanel)}) {
        if (!overlay->isHidden())
            return overlay;
    }
    return nullptr;
}

bool MainWindow::inOverlay(const QWidget *widget, const QWidget *overlay) const
{
    if (overlay == m_chartView && widget == m_closeChartButton)
        return true;
    return widget == overlay || overlay->isAncestorOf(widget);
}

void MainWindow::overlayShown()
{
    // The first panel over the form remembers where the user was; the form then leaves the reach
    // of Tab and of the mouse.
    if (formEnabled())
        m_focusBeforeOverlay = QApplication::focusWidget();
    updateCommands();
}

bool MainWindow::formEnabled() const
{
    return m_nameEdit->isEnabled();
}

void MainWindow::setFormEnabled(bool enabled)
{
    for (int i = 0; i < layout::ItemCount; ++i) {
        const auto item = layout::Item(i);
        if (item != layout::Item::PictureButtons && layout::LayerOf(item) == layout::Layer::Form &&
            layout::ParentOf(item) == layout::Item::Count)
            m_placed[std::size_t(i)]->setEnabled(enabled);
    }
}

void MainWindow::overlayHidden()
{
    updateCommands();
    if (QWidget *overlay = shownOverlay()) {
        QWidget *inside = overlay->focusWidget();
        (inside ? inside : overlay)->setFocus(Qt::OtherFocusReason);
    } else if (m_focusBeforeOverlay && m_focusBeforeOverlay->isEnabled() &&
               m_focusBeforeOverlay->isVisible()) {
        m_focusBeforeOverlay->setFocus(Qt::OtherFocusReason);
    } else {
        m_nameEdit->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::closeOverlay()
{
    QWidget *overlay = shownOverlay();
    if (overlay == m_chartView)
        closeChart();
    else if (overlay)
        overlay->close();
}

bool MainWindow::focusNextPrevChild(bool next)
{
    // The start-up notice keeps the keyboard until it is dismissed: keys must not reach the boxes
    // it hides.
    if (!m_startupNotice->isHidden()) {
        m_startupNotice->setFocus(Qt::TabFocusReason);
        return true;
    }
    QWidget *overlay = shownOverlay();
    if (!overlay)
        return QMainWindow::focusNextPrevChild(next);
    QWidget *from = QApplication::focusWidget() ? QApplication::focusWidget() : overlay;
    QWidget *candidate = from;
    do {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (inOverlay(candidate, overlay) && candidate->isVisible() && candidate->isEnabled() &&
            (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (candidate != from);
    return true;
}

void MainWindow::openDatabase()
{
    m_whatIsPanel->hide();
    m_databasePanel->open();
}

void MainWindow::showWhatIs()
{
    m_databasePanel->hide();
    m_whatIsPanel->open();
}

void MainWindow::showHelp()
{
    m_helpPanel->open();
}

void MainWindow::showAbout()
{
    AboutDialog about(m_env.systemInfo, m_env.alerts, this, windowIcon());
    about.exec();
}
