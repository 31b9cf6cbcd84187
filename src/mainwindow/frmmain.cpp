#include "mainwindow/frmmain.h"

#include "calendar/profile.h"
#include "platform/alerts.h"
#include "platform/clock.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>

// The icons are compiled into this static library, whose resources are not registered by themselves.
static void initResources()
{
    Q_INIT_RESOURCE(mainwindow);
}

frmMain::frmMain(MainWindowEnv env, QWidget *parent)
    : QMainWindow(parent)
    , m_env(std::move(env))
{
    initResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tidemark"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tidemark.svg")));
    // The right mouse button over the background pops up the File menu instead.
    setContextMenuPolicy(Qt::PreventContextMenu);
    buildMenus();
    buildToolbar();
    // There from the start, so the layout does not shift when the first message shows.
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    buildControls();
    buildPanels();
    connectHandlers();
    setTabOrder();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::connectHandlers()
{
    connect(Text4, &QLineEdit::textChanged, this, &frmMain::Text4_Change);
    connect(Text10, &QLineEdit::textChanged, this, &frmMain::Text10_Change);
    connect(Text11, &QLineEdit::textChanged, this, &frmMain::Text11_Change);
    connect(Command8, &QPushButton::clicked, this, &frmMain::Command8_Click);

    const QList<std::pair<QPushButton *, QWidget *>> clears = {
        {Command2, Combo1}, {Command4, Text13}, {Command5, Text14}, {Command6, Text15}, {Command7, Text16}};
    for (const auto &[button, field] : clears) {
        connect(button, &QPushButton::clicked, this, [field = field] {
            if (auto *combo = qobject_cast<QComboBox *>(field))
                combo->setEditText(QString());
            else
                static_cast<QLineEdit *>(field)->clear();
            field->setFocus();
        });
    }

    connect(mnuFileOpenDatabase, &QAction::triggered, this, &frmMain::mnuFileOpenDatabase_Click);
    connect(mnuFilePrintCoverSheet, &QAction::triggered, this, &frmMain::mnuFilePrintCoverSheet_Click);
    connect(mnuFilePrintChart, &QAction::triggered, this, &frmMain::mnuFilePrintChart_Click);
    connect(mnuFilePrintCoverSheetandChart, &QAction::triggered, this,
            &frmMain::mnuFilePrintCoverSheetandChart_Click);
    connect(mnuFilePrintCharttoFullScreen, &QAction::triggered, this,
            &frmMain::mnuFilePrintCharttoFullScreen_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuEditClearBoxes, &QAction::triggered, this, &frmMain::mnuEditClearBoxes_Click);
    connect(menuEditDefaultSettings, &QAction::triggered, this, &frmMain::menuEditDefaultSettings_Click);
    connect(mnuHelpGetHelpOn, &QAction::triggered, this, &frmMain::mnuHelpGetHelpOn_Click);
    connect(mnuHelpWhatIsABiorhythm, &QAction::triggered, this, &frmMain::mnuHelpWhatIsABiorhythm_Click);
    connect(mnuHelpPrintWhatIsABiorhythm, &QAction::triggered, this,
            &frmMain::mnuHelpPrintWhatIsABiorhythm_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);

    // Each picture button does nothing but run its command.
    connect(Command9, &QToolButton::clicked, this, &frmMain::mnuFileOpenDatabase_Click);
    connect(Command10, &QToolButton::clicked, this, &frmMain::mnuFilePrintCoverSheet_Click);
    connect(Command11, &QToolButton::clicked, this, &frmMain::mnuFilePrintChart_Click);
    connect(Command12, &QToolButton::clicked, this, &frmMain::mnuFilePrintCoverSheetandChart_Click);
    connect(Command13, &QToolButton::clicked, this, &frmMain::mnuEditClearBoxes_Click);
    connect(Command18, &QToolButton::clicked, this, &frmMain::DisplayChartToScreen);
    connect(Command17, &QToolButton::clicked, this, &frmMain::CloseChartDisplay);
    connect(Command24, &QPushButton::clicked, this, &frmMain::CloseChartDisplay);
}

void frmMain::setTabOrder()
{
    // Reading order down the person column, then the heading, printer settings and preferences.
    const QList<QWidget *> order = {Text3,    Text4,    Text10,  Text11,   Command8, Combo1,   Command2,
                                    Text13,   Command4, Text14,  Command5, Text15,   Command6, Text16,
                                    Command7, Option1,  Option2, Text17,   Check3,   Combo2,   Option3,
                                    Option4,  Option5,  Check1,  Check2,   Check4};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmMain::showCritical(const QString &title, const QString &text)
{
    m_env.alerts.critical(title, text);
}

calendar::PersonBoxes frmMain::personBoxes() const
{
    return {Text4->text(), Text6->text(),  Text7->text(),  Text8->text(),
            Text9->text(), Text10->text(), Text11->text(), Text12->text()};
}

void frmMain::writePersonBoxes(const calendar::PersonBoxes &boxes)
{
    // Setting a box's text runs its change handler, as typing does; the derived boxes have none
    // except the length, whose handler then finds nothing left to do.
    Text6->setText(boxes.sign);
    Text7->setText(boxes.weekday);
    Text8->setText(boxes.ageDays);
    Text9->setText(boxes.ageYears);
    Text11->setText(boxes.length);
    Text12->setText(boxes.end);
}

void frmMain::Text4_Change()
{
    const calendar::BoxUpdate update = calendar::BirthdateChanged(personBoxes());
    writePersonBoxes(update.boxes);
    if (update.message)
        showCritical(update.message->title, update.message->text);
}

void frmMain::Text10_Change()
{
    const calendar::BoxUpdate update = calendar::StartDateChanged(personBoxes());
    writePersonBoxes(update.boxes);
    if (update.message)
        showCritical(update.message->title, update.message->text);
}

void frmMain::Text11_Change()
{
    const calendar::PersonBoxes boxes = calendar::LengthChanged(personBoxes());
    Text12->setText(boxes.end);
    // Only an undone keystroke changes the length; leave the box (and its cursor) alone otherwise.
    if (Text11->text() != boxes.length)
        Text11->setText(boxes.length);
}

void frmMain::Command8_Click()
{
    const QString today = m_env.clock.today();
    // Setting the text it already holds raises no change, yet Reset always starts the period over.
    if (Text10->text() == today)
        Text10_Change();
    else
        Text10->setText(today);
    Text11->setFocus();
}

void frmMain::mnuEditClearBoxes_Click()
{
    Text3->clear();
    Text3->setFocus();
    for (QLineEdit *box : {Text4, Text6, Text7, Text8, Text9, Text10, Text11, Text12})
        box->clear();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::setMainCommandsEnabled(bool enabled)
{
    for (QMenu *menu : {mnuFile, mnuEdit, mnuHelp})
        menu->menuAction()->setEnabled(enabled);
    for (QToolButton *button : {Command9, Command10, Command11, Command12, Command13, Command17, Command18})
        button->setEnabled(enabled);
}

void frmMain::FrameSplash_Click()
{
    setMainCommandsEnabled(true);
    FrameSplash->hide();
    Text3->setFocus();
}

void frmMain::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && mnuFile->menuAction()->isEnabled())
        mnuFile->popup(event->globalPosition().toPoint());
    QMainWindow::mouseReleaseEvent(event);
}

chart::ChartFields frmMain::chartFields() const
{
    return {Text3->text(), personBoxes(), preferences()};
}
