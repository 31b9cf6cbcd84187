// Builds the main window's controls, menus and picture buttons, with their captions and tooltips.

#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLineEdit *lineEdit(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// A box the program fills: it can be selected and copied, but the Tab key passes it by.
QLineEdit *filledBox(const char *name, QWidget *parent)
{
    QLineEdit *box = lineEdit(name, parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QPushButton *clearButton(const char *name, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("<< Clear"), parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    // Enter presses a focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

QGroupBox *titledFrame(const char *name, const QString &title, QWidget *parent)
{
    auto *frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

} // namespace

void MainWindow::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);

    // Person column: each label stands directly above its box.
    auto *person = new QVBoxLayout;
    person->setSpacing(2);
    auto addRow = [&](const char *labelName, const QString &caption, QLineEdit *box) {
        auto *label = new QLabel(caption, central);
        label->setObjectName(QLatin1String(labelName));
        label->setBuddy(box);
        person->addWidget(label);
        person->addWidget(box);
        return label;
    };
    m_nameEdit = lineEdit("Text3", central);
    m_nameEdit->setToolTip(QStringLiteral("Enter name or retrieve from database"));
    m_birthdateEdit = lineEdit("Text4", central);
    m_birthdateEdit->setToolTip(QStringLiteral("Enter date as MM-DD-YYYY"));
    m_signField = filledBox("Text6", central);
    m_weekdayField = filledBox("Text7", central);
    m_ageDaysField = filledBox("Text8", central);
    m_ageYearsField = filledBox("Text9", central);
    m_startDateEdit = lineEdit("Text10", central);
    m_lengthEdit = lineEdit("Text11", central);
    m_endDateField = filledBox("Text12", central);
    m_resetStartButton = new QPushButton(QStringLiteral("<< Reset"), central);
    m_resetStartButton->setObjectName(QStringLiteral("Command8"));
    m_resetStartButton->setToolTip(QStringLiteral("Reset to current date!"));
    m_resetStartButton->setAutoDefault(true);

    m_nameLabel = addRow("Label10", QStringLiteral("Name:"), m_nameEdit);
    addRow("Label11", QStringLiteral("Birthdate (MM-DD-YYYY):"), m_birthdateEdit);
    addRow("Label12", QStringLiteral("Astrological Sign:"), m_signField);
    addRow("Label13", QStringLiteral("Day of Week Born:"), m_weekdayField);
    addRow("Label14", QStringLiteral("Age In Days:"), m_ageDaysField);
    addRow("Label15", QStringLiteral("Age in Years:"), m_ageYearsField);
    auto *startLabel = new QLabel(QStringLiteral("Chart Starts (MM-DD-YYYY):"), central);
    startLabel->setObjectName(QStringLiteral("Label16"));
    startLabel->setBuddy(m_startDateEdit);
    person->addWidget(startLabel);
    auto *startRow = new QHBoxLayout;
    startRow->addWidget(m_startDateEdit, 1);
    startRow->addWidget(m_resetStartButton);
    person->addLayout(startRow);
    addRow("Label17", QStringLiteral("Length of Chart in Days:"), m_lengthEdit);
    addRow("Label18", QStringLiteral("Ending Date of Chart:"), m_endDateField);
    person->addStretch(1);

    // Cover Sheet Heading.
    QGroupBox *headingFrame = titledFrame("Frame1", QStringLiteral("Cover Sheet Heading"), central);
    auto *heading = new QGridLayout(headingFrame);
    m_leadInCombo = new QComboBox(headingFrame);
    m_leadInCombo->setObjectName(QStringLiteral("Combo1"));
    m_leadInCombo->setEditable(true);
    m_leadInCombo->setInsertPolicy(QComboBox::NoInsert);
    m_headingEdits[0] = lineEdit("Text13", headingFrame);
    m_headingEdits[1] = lineEdit("Text14", headingFrame);
    m_headingEdits[2] = lineEdit("Text15", headingFrame);
    m_headingEdits[3] = lineEdit("Text16", headingFrame);
    m_leadInClearButton = clearButton("Command2", QStringLiteral("Erase lead-in line"), headingFrame);
    m_headingClearButtons[0] = clearButton("Command4", QStringLiteral("Erase line-1"), headingFrame);
    m_headingClearButtons[1] = clearButton("Command5", QStringLiteral("Erase line-2"), headingFrame);
    m_headingClearButtons[2] = clearButton("Command6", QStringLiteral("Erase line-3"), headingFrame);
    m_headingClearButtons[3] = clearButton("Command7", QStringLiteral("Erase line-4"), headingFrame);
    const QList<std::tuple<QString, QWidget *, QPushButton *>> headingRows = {
        {QStringLiteral("Lead-in:"), m_leadInCombo, m_leadInClearButton},
        {QStringLiteral("Line 1:"), m_headingEdits[0], m_headingClearButtons[0]},
        {QStringLiteral("Line 2:"), m_headingEdits[1], m_headingClearButtons[1]},
        {QStringLiteral("Line 3:"), m_headingEdits[2], m_headingClearButtons[2]},
        {QStringLiteral("Line 4:"), m_headingEdits[3], m_headingClearButtons[3]}};
    for (int row = 0; row < headingRows.size(); ++row) {
        const auto &[caption, field, button] = headingRows[row];
        auto *label = new QLabel(caption, headingFrame);
        label->setBuddy(field);
        heading->addWidget(label, row, 0);
        heading->addWidget(field, row, 1);
        heading->addWidget(button, row, 2);
    }
    heading->setColumnStretch(1, 1);

    // Printer Settings.
    QGroupBox *printerFrame = titledFrame("Frame2", QStringLiteral("Printer Settings"), central);
    auto *printer = new QVBoxLayout(printerFrame);
    m_dotMatrixRadio = new QRadioButton(QStringLiteral("Dot-Matrix Printer"), printerFrame);
    m_dotMatrixRadio->setObjectName(QStringLiteral("Option1"));
    m_dotMatrixRadio->setToolTip(QStringLiteral("Click-on for dot-matrix printer"));
    m_laserRadio = new QRadioButton(QStringLiteral("Laser, Inkjet, Bubblejet or similar"), printerFrame);
    m_laserRadio->setObjectName(QStringLiteral("Option2"));
    m_laserRadio->setToolTip(QStringLiteral("Click-on for laser or similar type printer"));
    m_printerGroup = new QButtonGroup(this);
    m_printerGroup->addButton(m_dotMatrixRadio);
    m_printerGroup->addButton(m_laserRadio);
    auto *rule = new QFrame(printerFrame);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    m_linesPerPageEdit = lineEdit("Text17", printerFrame);
    m_linesPerPageEdit->setToolTip(QStringLiteral("Total lines to print on chart"));
    auto *linesLabel = new QLabel(QStringLiteral("Number Of Lines Per Page"), printerFrame);
    linesLabel->setBuddy(m_linesPerPageEdit);
    m_colorCheck = new QCheckBox(QStringLiteral("Print In Color"), printerFrame);
    m_colorCheck->setObjectName(QStringLiteral("Check3"));
    m_fontCombo = new QComboBox(printerFrame);
    m_fontCombo->setObjectName(QStringLiteral("Combo2"));
    m_fontCombo->setEditable(true);
    m_fontCombo->setInsertPolicy(QComboBox::NoInsert);
    auto *fontLabel = new QLabel(QStringLiteral("Font:"), printerFrame);
    fontLabel->setBuddy(m_fontCombo);
    auto *linesRow = new QHBoxLayout;
    linesRow->addWidget(m_linesPerPageEdit);
    linesRow->addWidget(linesLabel, 1);
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(m_fontCombo, 1);
    printer->addWidget(m_dotMatrixRadio);
    printer->addWidget(m_laserRadio);
    printer->addWidget(rule);
    printer->addLayout(linesRow);
    printer->addWidget(m_colorCheck);
    printer->addLayout(fontRow);
    printer->addStretch(1);
    m_linesPerPageEdit->setMaximumWidth(
        m_linesPerPageEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);

    // Chart Preferences.
    QGroupBox *preferencesFrame = titledFrame("Frame3", QStringLiteral("Chart Preferences"), central);
    auto *prefs = new QVBoxLayout(preferencesFrame);
    m_singleSpaceRadio = new QRadioButton(QStringLiteral("Single Space"), preferencesFrame);
    m_singleSpaceRadio->setObjectName(QStringLiteral("Option3"));
    m_doubleSpaceRadio = new QRadioButton(QStringLiteral("Double Space"), preferencesFrame);
    m_doubleSpaceRadio->setObjectName(QStringLiteral("Option4"));
    m_linedSpaceRadio = new QRadioButton(QStringLiteral("Double Space with Lines"), preferencesFrame);
    m_linedSpaceRadio->setObjectName(QStringLiteral("Option5"));
    m_spacingGroup = new QButtonGroup(this);
    for (QRadioButton *option : {m_singleSpaceRadio, m_doubleSpaceRadio, m_linedSpaceRadio})
        m_spacingGroup->addButton(option);
    m_holidaysCheck = new QCheckBox(QStringLiteral("Holiday Messages"), preferencesFrame);
    m_holidaysCheck->setObjectName(QStringLiteral("Check1"));
    m_dateEachPageCheck = new QCheckBox(QStringLiteral("Current Date  Each Page"), preferencesFrame);
    m_dateEachPageCheck->setObjectName(QStringLiteral("Check2"));
    m_forecastCheck = new QCheckBox(QStringLiteral("Daily Forecast"), preferencesFrame);
    m_forecastCheck->setObjectName(QStringLiteral("Check4"));
    for (QWidget *row :
         std::initializer_list<QWidget *>{m_singleSpaceRadio, m_doubleSpaceRadio, m_linedSpaceRadio,
                                          m_holidaysCheck, m_dateEachPageCheck, m_forecastCheck})
        prefs->addWidget(row);
    prefs->addStretch(1);

    // Title at the top right, a rule under it, then the person column and the three frames.
    auto *titleLabel = new QLabel(QStringLiteral("Tidemark"), central);
    titleLabel->setObjectName(QStringLiteral("Label26"));
    QFont titleFont = titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    auto *subtitle = new QLabel(QStringLiteral("Biorhythm Charts"), central);
    subtitle->setObjectName(QStringLiteral("Label25"));
    auto *titleBox = new QVBoxLayout;
    titleBox->setSpacing(0);
    titleBox->addWidget(titleLabel, 0, Qt::AlignRight);
    titleBox->addWidget(subtitle, 0, Qt::AlignRight);
    auto *titleRule = new QFrame(central);
    titleRule->setObjectName(QStringLiteral("Line14"));
    titleRule->setFrameShape(QFrame::HLine);
    titleRule->setFrameShadow(QFrame::Sunken);

    auto *lowerFrames = new QHBoxLayout;
    lowerFrames->addWidget(printerFrame, 1);
    lowerFrames->addWidget(preferencesFrame, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(headingFrame);
    right->addLayout(lowerFrames);
    right->addStretch(1);

    auto *body = new QHBoxLayout;
    body->addLayout(person, 26);
    body->addSpacing(12);
    body->addLayout(right, 72);

    auto *top = new QHBoxLayout;
    top->addStretch(1);
    top->addLayout(titleBox);

    auto *page = new QVBoxLayout(central);
    page->addLayout(top);
    page->addWidget(titleRule);
    page->addLayout(body, 1);
}

void MainWindow::buildMenus()
{
    auto action = [this](QMenu *menu, const char *name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    m_openDatabaseAction = action(m_fileMenu, "mnuFileOpenDatabase", QStringLiteral("&Open Database"));
    m_openDatabaseAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    separator(m_fileMenu, "mnuFileBar0");
    m_printCoverSheetAction =
        action(m_fileMenu, "mnuFilePrintCoverSheet", QStringLiteral("&Print Cover Sheet (only)"));
    m_printChartAction = action(m_fileMenu, "mnuFilePrintChart", QStringLiteral("Print &Chart (only)"));
    m_printBothAction =
        action(m_fileMenu, "mnuFilePrintCoverSheetandChart", QStringLiteral("Print Cover Sheet and Chart"));
    separator(m_fileMenu, "mnuFileBar2");
    m_showChartAction =
        action(m_fileMenu, "mnuFilePrintCharttoFullScreen", QStringLiteral("&Display Chart to Screen"));
    separator(m_fileMenu, "mnuFileBar4");
    m_exitAction = action(m_fileMenu, "mnuFileExit", QStringLiteral("E&xit"));

    m_editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("mnuEdit"));
    m_clearPersonAction =
        action(m_editMenu, "mnuEditClearBoxes", QStringLiteral("&Clear All Text Boxes Below"));
    m_defaultSettingsAction =
        action(m_editMenu, "menuEditDefaultSettings", QStringLiteral("&Default Settings"));

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    m_showHelpAction = action(m_helpMenu, "mnuHelpGetHelpOn", QStringLiteral("&Get Help On...?"));
    separator(m_helpMenu, "mnuHelpBar0");
    m_showWhatIsAction =
        action(m_helpMenu, "mnuHelpWhatIsABiorhythm", QStringLiteral("&What Is A Biorhythm?"));
    m_printWhatIsAction =
        action(m_helpMenu, "mnuHelpPrintWhatIsABiorhythm", QStringLiteral("&Print What Is A Biorhythm?"));
    m_aboutAction = action(m_helpMenu, "mnuHelpAbout", QStringLiteral("&About Tidemark"));
}

void MainWindow::buildToolbar()
{
    auto *bar = addToolBar(QStringLiteral("Commands"));
    bar->setObjectName(QStringLiteral("PictureButtons"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    bar->setIconSize(QSize(28, 28));
    auto button = [bar](const char *name, const char *icon, const QString &tip) {
        auto *b = new QToolButton(bar);
        b->setObjectName(QLatin1String(name));
        b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        bar->addWidget(b);
        return b;
    };
    m_openDatabaseToolButton = button("Command9", "opendatabase", QStringLiteral("Open Database"));
    m_printCoverSheetToolButton = button("Command10", "printcover", QStringLiteral("Print Cover Sheet"));
    m_printChartToolButton = button("Command11", "printchart", QStringLiteral("Print Chart"));
    m_printBothToolButton = button("Command12", "printboth", QStringLiteral("Print Cover & Chart"));
    m_clearPersonToolButton = button("Command13", "clearboxes", QStringLiteral("Clear All Text Boxes Below"));
    m_showChartToolButton = button("Command18", "displaychart", QStringLiteral("Display Chart to Screen"));
    m_closeChartToolButton =
        button("Command17", "closedisplay", QStringLiteral("Close Display To Screen Window"));
}
