// Builds frmMain's controls, menus and picture buttons, with their captions and tooltips.

#include "mainwindow/frmmain.h"

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

void frmMain::buildControls()
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
    Text3 = lineEdit("Text3", central);
    Text3->setToolTip(QStringLiteral("Enter name or retrieve from database"));
    Text4 = lineEdit("Text4", central);
    Text4->setToolTip(QStringLiteral("Enter date as MM-DD-YYYY"));
    Text6 = filledBox("Text6", central);
    Text7 = filledBox("Text7", central);
    Text8 = filledBox("Text8", central);
    Text9 = filledBox("Text9", central);
    Text10 = lineEdit("Text10", central);
    Text11 = lineEdit("Text11", central);
    Text12 = filledBox("Text12", central);
    Command8 = new QPushButton(QStringLiteral("<< Reset"), central);
    Command8->setObjectName(QStringLiteral("Command8"));
    Command8->setToolTip(QStringLiteral("Reset to current date!"));
    Command8->setAutoDefault(true);

    Label10 = addRow("Label10", QStringLiteral("Name:"), Text3);
    addRow("Label11", QStringLiteral("Birthdate (MM-DD-YYYY):"), Text4);
    addRow("Label12", QStringLiteral("Astrological Sign:"), Text6);
    addRow("Label13", QStringLiteral("Day of Week Born:"), Text7);
    addRow("Label14", QStringLiteral("Age In Days:"), Text8);
    addRow("Label15", QStringLiteral("Age in Years:"), Text9);
    auto *startLabel = new QLabel(QStringLiteral("Chart Starts (MM-DD-YYYY):"), central);
    startLabel->setObjectName(QStringLiteral("Label16"));
    startLabel->setBuddy(Text10);
    person->addWidget(startLabel);
    auto *startRow = new QHBoxLayout;
    startRow->addWidget(Text10, 1);
    startRow->addWidget(Command8);
    person->addLayout(startRow);
    addRow("Label17", QStringLiteral("Length of Chart in Days:"), Text11);
    addRow("Label18", QStringLiteral("Ending Date of Chart:"), Text12);
    person->addStretch(1);

    // Cover Sheet Heading.
    Frame1 = titledFrame("Frame1", QStringLiteral("Cover Sheet Heading"), central);
    auto *heading = new QGridLayout(Frame1);
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Text13 = lineEdit("Text13", Frame1);
    Text14 = lineEdit("Text14", Frame1);
    Text15 = lineEdit("Text15", Frame1);
    Text16 = lineEdit("Text16", Frame1);
    Command2 = clearButton("Command2", QStringLiteral("Erase lead-in line"), Frame1);
    Command4 = clearButton("Command4", QStringLiteral("Erase line-1"), Frame1);
    Command5 = clearButton("Command5", QStringLiteral("Erase line-2"), Frame1);
    Command6 = clearButton("Command6", QStringLiteral("Erase line-3"), Frame1);
    Command7 = clearButton("Command7", QStringLiteral("Erase line-4"), Frame1);
    const QList<std::tuple<QString, QWidget *, QPushButton *>> headingRows = {
        {QStringLiteral("Lead-in:"), Combo1, Command2},
        {QStringLiteral("Line 1:"), Text13, Command4},
        {QStringLiteral("Line 2:"), Text14, Command5},
        {QStringLiteral("Line 3:"), Text15, Command6},
        {QStringLiteral("Line 4:"), Text16, Command7}};
    for (int row = 0; row < headingRows.size(); ++row) {
        const auto &[caption, field, button] = headingRows[row];
        auto *label = new QLabel(caption, Frame1);
        label->setBuddy(field);
        heading->addWidget(label, row, 0);
        heading->addWidget(field, row, 1);
        heading->addWidget(button, row, 2);
    }
    heading->setColumnStretch(1, 1);

    // Printer Settings.
    Frame2 = titledFrame("Frame2", QStringLiteral("Printer Settings"), central);
    auto *printer = new QVBoxLayout(Frame2);
    Option1 = new QRadioButton(QStringLiteral("Dot-Matrix Printer"), Frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setToolTip(QStringLiteral("Click-on for dot-matrix printer"));
    Option2 = new QRadioButton(QStringLiteral("Laser, Inkjet, Bubblejet or similar"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setToolTip(QStringLiteral("Click-on for laser or similar type printer"));
    m_printerGroup = new QButtonGroup(this);
    m_printerGroup->addButton(Option1);
    m_printerGroup->addButton(Option2);
    auto *rule = new QFrame(Frame2);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    Text17 = lineEdit("Text17", Frame2);
    Text17->setToolTip(QStringLiteral("Total lines to print on chart"));
    auto *linesLabel = new QLabel(QStringLiteral("Number Of Lines Per Page"), Frame2);
    linesLabel->setBuddy(Text17);
    Check3 = new QCheckBox(QStringLiteral("Print In Color"), Frame2);
    Check3->setObjectName(QStringLiteral("Check3"));
    Combo2 = new QComboBox(Frame2);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    auto *fontLabel = new QLabel(QStringLiteral("Font:"), Frame2);
    fontLabel->setBuddy(Combo2);
    auto *linesRow = new QHBoxLayout;
    linesRow->addWidget(Text17);
    linesRow->addWidget(linesLabel, 1);
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(Combo2, 1);
    printer->addWidget(Option1);
    printer->addWidget(Option2);
    printer->addWidget(rule);
    printer->addLayout(linesRow);
    printer->addWidget(Check3);
    printer->addLayout(fontRow);
    printer->addStretch(1);
    Text17->setMaximumWidth(Text17->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);

    // Chart Preferences.
    Frame3 = titledFrame("Frame3", QStringLiteral("Chart Preferences"), central);
    auto *prefs = new QVBoxLayout(Frame3);
    Option3 = new QRadioButton(QStringLiteral("Single Space"), Frame3);
    Option3->setObjectName(QStringLiteral("Option3"));
    Option4 = new QRadioButton(QStringLiteral("Double Space"), Frame3);
    Option4->setObjectName(QStringLiteral("Option4"));
    Option5 = new QRadioButton(QStringLiteral("Double Space with Lines"), Frame3);
    Option5->setObjectName(QStringLiteral("Option5"));
    m_spacingGroup = new QButtonGroup(this);
    for (QRadioButton *option : {Option3, Option4, Option5})
        m_spacingGroup->addButton(option);
    Check1 = new QCheckBox(QStringLiteral("Holiday Messages"), Frame3);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("Current Date  Each Page"), Frame3);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check4 = new QCheckBox(QStringLiteral("Daily Forecast"), Frame3);
    Check4->setObjectName(QStringLiteral("Check4"));
    for (QWidget *row : std::initializer_list<QWidget *>{Option3, Option4, Option5, Check1, Check2, Check4})
        prefs->addWidget(row);
    prefs->addStretch(1);

    // Title at the top right, a rule under it, then the person column and the three frames.
    Label26 = new QLabel(QStringLiteral("Tidemark"), central);
    Label26->setObjectName(QStringLiteral("Label26"));
    QFont titleFont = Label26->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
    titleFont.setBold(true);
    Label26->setFont(titleFont);
    auto *subtitle = new QLabel(QStringLiteral("Biorhythm Charts"), central);
    subtitle->setObjectName(QStringLiteral("Label25"));
    auto *titleBox = new QVBoxLayout;
    titleBox->setSpacing(0);
    titleBox->addWidget(Label26, 0, Qt::AlignRight);
    titleBox->addWidget(subtitle, 0, Qt::AlignRight);
    auto *Line14 = new QFrame(central);
    Line14->setObjectName(QStringLiteral("Line14"));
    Line14->setFrameShape(QFrame::HLine);
    Line14->setFrameShadow(QFrame::Sunken);

    auto *lowerFrames = new QHBoxLayout;
    lowerFrames->addWidget(Frame2, 1);
    lowerFrames->addWidget(Frame3, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(Frame1);
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
    page->addWidget(Line14);
    page->addLayout(body, 1);
}

void frmMain::buildMenus()
{
    auto action = [this](QMenu *menu, const char *name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileOpenDatabase = action(mnuFile, "mnuFileOpenDatabase", QStringLiteral("&Open Database"));
    mnuFileOpenDatabase->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    separator(mnuFile, "mnuFileBar0");
    mnuFilePrintCoverSheet =
        action(mnuFile, "mnuFilePrintCoverSheet", QStringLiteral("&Print Cover Sheet (only)"));
    mnuFilePrintChart = action(mnuFile, "mnuFilePrintChart", QStringLiteral("Print &Chart (only)"));
    mnuFilePrintCoverSheetandChart =
        action(mnuFile, "mnuFilePrintCoverSheetandChart", QStringLiteral("Print Cover Sheet and Chart"));
    separator(mnuFile, "mnuFileBar2");
    mnuFilePrintCharttoFullScreen =
        action(mnuFile, "mnuFilePrintCharttoFullScreen", QStringLiteral("&Display Chart to Screen"));
    separator(mnuFile, "mnuFileBar4");
    mnuFileExit = action(mnuFile, "mnuFileExit", QStringLiteral("E&xit"));

    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditClearBoxes = action(mnuEdit, "mnuEditClearBoxes", QStringLiteral("&Clear All Text Boxes Below"));
    menuEditDefaultSettings = action(mnuEdit, "menuEditDefaultSettings", QStringLiteral("&Default Settings"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpGetHelpOn = action(mnuHelp, "mnuHelpGetHelpOn", QStringLiteral("&Get Help On...?"));
    separator(mnuHelp, "mnuHelpBar0");
    mnuHelpWhatIsABiorhythm =
        action(mnuHelp, "mnuHelpWhatIsABiorhythm", QStringLiteral("&What Is A Biorhythm?"));
    mnuHelpPrintWhatIsABiorhythm =
        action(mnuHelp, "mnuHelpPrintWhatIsABiorhythm", QStringLiteral("&Print What Is A Biorhythm?"));
    mnuHelpAbout = action(mnuHelp, "mnuHelpAbout", QStringLiteral("&About Tidemark"));
}

void frmMain::buildToolbar()
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
    Command9 = button("Command9", "opendatabase", QStringLiteral("Open Database"));
    Command10 = button("Command10", "printcover", QStringLiteral("Print Cover Sheet"));
    Command11 = button("Command11", "printchart", QStringLiteral("Print Chart"));
    Command12 = button("Command12", "printboth", QStringLiteral("Print Cover & Chart"));
    Command13 = button("Command13", "clearboxes", QStringLiteral("Clear All Text Boxes Below"));
    Command18 = button("Command18", "displaychart", QStringLiteral("Display Chart to Screen"));
    Command17 = button("Command17", "closedisplay", QStringLiteral("Close Display To Screen Window"));
}
