#include "mainwindow/mainwindow.h"

#include "calendar/profile.h"
#include "graph/graphwidget.h"
#include "info/helppanel.h"
#include "mainwindow/charttextview.h"
#include "namedb/databasepanel.h"
#include "platform/alerts.h"
#include "platform/clock.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
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
{
    initResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tidemark"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tidemark.svg")));
    // The right mouse button over the background pops up the File menu instead.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // There from the start, so the layout does not shift when the first message shows.
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    buildControls();
    buildCommands();
    buildPanels();
    showScale(layout::DesignScale);
    connectHandlers();
    setTabOrder();
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers()
{
    connect(m_birthdateEdit, &QLineEdit::textChanged, this, &MainWindow::updatePersonFacts);
    connect(m_startDateEdit, &QLineEdit::textChanged, this, &MainWindow::refreshForStartDate);
    connect(m_lengthEdit, &QLineEdit::textChanged, this, &MainWindow::updateEndDate);
    connect(m_resetStartButton, &QPushButton::clicked, this, &MainWindow::resetStartDate);

    // Each "<< Clear" button empties its line of the cover-sheet heading and puts the cursor there.
    connect(m_leadInClearButton, &QPushButton::clicked, this, [this] {
        m_leadInCombo->setEditText(QString());
        m_leadInCombo->setFocus();
    });
    for (std::size_t line = 0; line < m_headingEdits.size(); ++line) {
        connect(m_headingClearButtons[line], &QPushButton::clicked, this, [edit = m_headingEdits[line]] {
            edit->clear();
            edit->setFocus();
        });
    }
    // A heading line longer than its box shows its beginning again once the cursor leaves it.
    for (QLineEdit *edit : {m_leadInCombo->lineEdit(), m_headingEdits[0], m_headingEdits[1],
                            m_headingEdits[2], m_headingEdits[3]})
        connect(edit, &QLineEdit::editingFinished, edit, [edit] { edit->setCursorPosition(0); });

    connect(m_closeChartButton, &QPushButton::clicked, this, &MainWindow::closeChart);

    // A session manager asks the program to save its work before it logs out; the session may
    // then end the program without closing its window. The settings are saved as at exit, and
    // the program runs on (failures are told at exit, should it come).
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { (void)saveSettings(); });
}

void MainWindow::setTabOrder()
{
    // The picture buttons, then reading order down the person column, then the heading, printer
    // settings and preferences.
    QList<QWidget *> order;
    for (QAction *action : m_toolBar->actions())
        order << m_toolBar->widgetForAction(action);
    order += {m_nameEdit,
              m_birthdateEdit,
              m_startDateEdit,
              m_lengthEdit,
              m_resetStartButton,
              m_leadInCombo,
              m_leadInClearButton,
              m_headingEdits[0],
              m_headingClearButtons[0],
              m_headingEdits[1],
              m_headingClearButtons[1],
              m_headingEdits[2],
              m_headingClearButtons[2],
              m_headingEdits[3],
              m_headingClearButtons[3],
              m_dotMatrixRadio,
              m_laserRadio,
              m_linesPerPageEdit,
              m_colorCheck,
              m_fontCombo,
              m_singleSpaceRadio,
              m_doubleSpaceRadio,
              m_linedSpaceRadio,
              m_holidaysCheck,
              m_dateEachPageCheck,
              m_forecastCheck};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::showCritical(const QString &title, const QString &text)
{
    m_env.alerts.critical(title, text);
}

calendar::PersonBoxes MainWindow::personBoxes() const
{
    return {m_birthdateEdit->text(), m_signField->text(),     m_weekdayField->text(), m_ageDaysField->text(),
            m_ageYearsField->text(), m_startDateEdit->text(), m_lengthEdit->text(),   m_endDateField->text()};
}

void MainWindow::showPersonBoxes(const calendar::PersonBoxes &boxes)
{
    // Setting a box's text runs its change handler, as typing does; the derived boxes have none
    // except the length, whose handler then finds nothing left to do.
    m_signField->setText(boxes.sign);
    m_weekdayField->setText(boxes.weekday);
    m_ageDaysField->setText(boxes.ageDays);
    m_ageYearsField->setText(boxes.ageYears);
    m_lengthEdit->setText(boxes.length);
    m_endDateField->setText(boxes.end);
}

void MainWindow::updatePersonFacts()
{
    const calendar::BoxUpdate update = calendar::BirthdateChanged(personBoxes());
    showPersonBoxes(update.boxes);
    if (update.message)
        showCritical(update.message->title, update.message->text);
}

void MainWindow::refreshForStartDate()
{
    const calendar::BoxUpdate update = calendar::StartDateChanged(personBoxes());
    showPersonBoxes(update.boxes);
    if (update.message)
        showCritical(update.message->title, update.message->text);
}

void MainWindow::updateEndDate()
{
    const calendar::PersonBoxes boxes = calendar::LengthChanged(personBoxes());
    m_endDateField->setText(boxes.end);
    // Only an undone keystroke changes the length; leave the box (and its cursor) alone otherwise.
    if (m_lengthEdit->text() != boxes.length)
        m_lengthEdit->setText(boxes.length);
}

void MainWindow::resetStartDate()
{
    const QString today = m_env.clock.today();
    // Setting the text it already holds raises no change, yet Reset always starts the period over.
    if (m_startDateEdit->text() == today)
        refreshForStartDate();
    else
        m_startDateEdit->setText(today);
    m_lengthEdit->setFocus();
}

void MainWindow::clearPersonBoxes()
{
    m_nameEdit->clear();
    m_nameEdit->setFocus();
    for (QLineEdit *box : {m_birthdateEdit, m_signField, m_weekdayField, m_ageDaysField, m_ageYearsField,
                           m_startDateEdit, m_lengthEdit, m_endDateField})
        box->clear();
}

// Which commands are on follows from what shows over the form: the start-up notice, the help
// panel, the chart and the graph take every menu and picture button away (the chart leaves its
// own close button), the name database only its menu item.
void MainWindow::updateCommands()
{
    const bool notice = !m_startupNotice->isHidden();
    const bool chart = !m_chartView->isHidden();
    const bool help = !m_helpPanel->isHidden();
    const bool graph = !m_graphPanel->isHidden();
    const bool main = !(notice || chart || help || graph);
    for (QMenu *menu : {m_fileMenu, m_editMenu, m_helpMenu}) {
        menu->menuAction()->setEnabled(main);
        // A shortcut works whenever its action is on, whatever its menu: both go off together.
        for (QAction *action : menu->actions())
            action->setEnabled(main);
    }
    for (QAction *action : m_toolBar->actions())
        action->setEnabled(main);
    m_openDatabaseAction->setEnabled(main && m_databasePanel->isHidden());
    m_closeChartAction->setEnabled(!notice && !help && !graph);
    const bool covered = shownOverlay() != nullptr;
    setFormEnabled(!covered);
    m_escapeShortcut->setEnabled(covered);
}

void MainWindow::dismissStartupNotice()
{
    m_startupNotice->hide();
    updateCommands();
    m_nameEdit->setFocus();
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && m_fileMenu->menuAction()->isEnabled())
        m_fileMenu->popup(event->globalPosition().toPoint());
    QMainWindow::mouseReleaseEvent(event);
}

chart::ChartFields MainWindow::chartFields() const
{
    return {m_nameEdit->text(), personBoxes(), preferences()};
}
