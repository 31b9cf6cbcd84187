// The main window's construction (the form's title, the person column and the preference frames,
// the order of Tab), which commands are on, and the window's own events.

#include "mainwindow/mainwindow.h"

#include "calendar/profile.h"
#include "graph/graphwidget.h"
#include "info/helppanel.h"
#include "mainwindow/charttextview.h"
#include "mainwindow/comparepanel.h"
#include "mainwindow/overlaystack.h"
#include "mainwindow/personcolumn.h"
#include "mainwindow/pngicon.h"
#include "mainwindow/preferencesform.h"
#include "mainwindow/textsize.h"
#include "mainwindow/windowlayout.h"
#include "namedb/databasepanel.h"
#include "platform/alerts.h"
#include "platform/announcer.h"
#include "platform/clock.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

// The icons are compiled into this static library, whose resources are not registered by themselves.
static void initResources()
{
    Q_INIT_RESOURCE(mainwindow);
}

MainWindow::MainWindow(MainWindowEnv env, QWidget *parent)
    : QMainWindow(parent)
    , m_env(std::move(env))
    , m_layout(std::make_unique<WindowLayout>(*this, m_env.placementFile, m_env.screenHeightTwips))
{
    initResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tidemark"));
    setWindowIcon(PngIcon(QStringLiteral(":/icons/%1/tidemark.png"), {16, 32, 48, 64}));
    // The right mouse button over the background pops up the File menu instead.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // There from the start, so the layout does not shift when the first message shows.
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    buildControls();
    buildCommands();
    buildPanels();
    setTabOrder();
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    using layout::Item;
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);

    // Title at the top right, a rule under it.
    auto *titleLabel = new QLabel(QStringLiteral("Tidemark"), central);
    titleLabel->setObjectName(QStringLiteral("Label26"));
    QFont titleFont = titleLabel->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    auto *subtitle = new QLabel(tr("Biorhythm Charts"), central);
    subtitle->setObjectName(QStringLiteral("Label25"));
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSize(9);
    subtitle->setFont(subtitleFont);
    subtitle->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *titleRule = new QFrame(central);
    titleRule->setObjectName(QStringLiteral("Line14"));
    titleRule->setFrameShape(QFrame::HLine);
    titleRule->setFrameShadow(QFrame::Sunken);
    m_layout->add(Item::Title, titleLabel);
    m_layout->add(Item::Subtitle, subtitle);
    m_layout->add(Item::TitleRule, titleRule);

    m_announcer = new Announcer(central);
    m_person = std::make_unique<PersonColumn>(central, m_env.alerts, m_env.clock, m_layout->adder());
    connect(m_person.get(), &PersonColumn::factsChanged, m_announcer, &Announcer::announce);
    m_preferences = std::make_unique<PreferencesForm>(central, m_layout->adder());
}

void MainWindow::setTabOrder()
{
    // The picture buttons, then reading order down the person column, then the heading, printer
    // settings and preferences.
    QList<QWidget *> order;
    for (QAction *action : m_toolBar->actions())
        order << m_toolBar->widgetForAction(action);
    order += m_person->tabOrder();
    order += m_preferences->tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::showCritical(const QString &title, const QString &text)
{
    m_env.alerts.critical(title, text);
}

void MainWindow::showOutcome(const QString &message)
{
    statusBar()->showMessage(message);
    // An empty outcome only takes an earlier one away.
    if (!message.isEmpty())
        m_announcer->announce(message);
}

void MainWindow::clearPersonBoxes()
{
    m_person->clear();
}

// Which commands are on follows from what shows over the form: the start-up notice, the help
// panel, the chart and the graph take every menu and picture button away (the chart leaves its
// own close button), the name database only its menu item.
void MainWindow::updateCommands()
{
    const bool notice = m_overlays->noticeShown();
    const bool chart = !m_chartView->isHidden();
    const bool help = !m_helpPanel->isHidden();
    const bool graph = !m_graphPanel->isHidden();
    const bool main = !(notice || chart || help || graph);
    for (QMenu *menu : {m_fileMenu, m_editMenu, m_viewMenu, m_helpMenu}) {
        menu->menuAction()->setEnabled(main);
        // A shortcut works whenever its action is on, whatever its menu: both go off together.
        for (QAction *action : menu->actions())
            action->setEnabled(main);
    }
    for (QAction *action : m_toolBar->actions())
        action->setEnabled(main);
    m_openDatabaseAction->setEnabled(main && m_databasePanel->isHidden());
    m_smallerTextAction->setEnabled(main && m_layout->textSize() > layout::SmallestTextSize);
    m_closeChartAction->setEnabled(!notice && !help && !graph);
    m_clearComparisonAction->setEnabled(main && m_comparePanel->partner().has_value());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_layout->place();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_layout->windowShown(event->spontaneous());
    if (m_overlays->noticeShown())
        m_startupNotice->setFocus();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    m_layout->windowMoved();
}

bool MainWindow::focusNextPrevChild(bool next)
{
    return m_overlays->focusNextPrevChild(next) || QMainWindow::focusNextPrevChild(next);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && m_fileMenu->menuAction()->isEnabled())
        m_fileMenu->popup(event->globalPosition().toPoint());
    QMainWindow::mouseReleaseEvent(event);
}

chart::ChartFields MainWindow::chartFields() const
{
    return {m_person->name(), m_person->boxes(), m_preferences->preferences()};
}
