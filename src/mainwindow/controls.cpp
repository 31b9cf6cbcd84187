// Builds the main window's form: the person column, the three frames and the title, with their
// captions and tooltips. Where each stands is the layout's business (placement.cpp).

#include "mainwindow/mainwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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

void MainWindow::placed(layout::Item item, QWidget *widget)
{
    m_placed[std::size_t(item)] = widget;
}

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
    auto *subtitle = new QLabel(QStringLiteral("Biorhythm Charts"), central);
    subtitle->setObjectName(QStringLiteral("Label25"));
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSize(9);
    subtitle->setFont(subtitleFont);
    subtitle->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *titleRule = new QFrame(central);
    titleRule->setObjectName(QStringLiteral("Line14"));
    titleRule->setFrameShape(QFrame::HLine);
    titleRule->setFrameShadow(QFrame::Sunken);
    placed(Item::Title, titleLabel);
    placed(Item::Subtitle, subtitle);
    placed(Item::TitleRule, titleRule);

    // Person column: each label stands directly above its box.
    auto row = [this, central](Item item, const char *labelName, const QString &caption, QLineEdit *box) {
        auto *label = new QLabel(caption, central);
        label->setObjectName(QLatin1String(labelName));
        label->setBuddy(box);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        placed(item, label);
        placed(layout::Item(int(item) + 1), box);
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
    placed(Item::Reset, m_resetStartButton);

    m_nameLabel = row(Item::NameLabel, "Label10", QStringLiteral("Name:"), m_nameEdit);
    row(Item::BirthdateLabel, "Label11", QStringLiteral("Birthdate (MM-DD-YYYY):"), m_birthdateEdit);
    row(Item::SignLabel, "Label12", QStringLiteral("Astrological Sign:"), m_signField);
    row(Item::WeekdayLabel, "Label13", QStringLiteral("Day of Week Born:"), m_weekdayField);
    row(Item::AgeDaysLabel, "Label14", QStringLiteral("Age In Days:"), m_ageDaysField);
    row(Item::AgeYearsLabel, "Label15", QStringLiteral("Age in Years:"), m_ageYearsField);
    row(Item::StartLabel, "Label16", QStringLiteral("Chart Starts (MM-DD-YYYY):"), m_startDateEdit);
    row(Item::LengthLabel, "Label17", QStringLiteral("Length of Chart in Days:"), m_lengthEdit);
    row(Item::EndLabel, "Label18", QStringLiteral("Ending Date of Chart:"), m_endDateField);

    // Cover Sheet Heading: each line with its caption before it and its "<< Clear" after it.
    QGroupBox *headingFrame = titledFrame("Frame1", QStringLiteral("Cover Sheet Heading"), central);
    placed(Item::HeadingFrame, headingFrame);
    m_leadInCombo = new QComboBox(headingFrame);
    m_leadInCombo->setObjectName(QStringLiteral("Combo1"));
    m_leadInCombo->setEditable(true);
    m_leadInCombo->setInsertPolicy(QComboBox::NoInsert);
    // The long lead-in lines scroll in the box instead of widening the window.
    m_leadInCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_leadInCombo->setMinimumContentsLength(12);
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
    Item item = Item::LeadInLabel;
    for (const auto &[caption, field, button] : headingRows) {
        auto *label = new QLabel(caption, headingFrame);
        label->setBuddy(field);
        for (QWidget *widget : std::initializer_list<QWidget *>{label, field, button}) {
            placed(item, widget);
            item = Item(int(item) + 1);
        }
    }

    // Printer Settings.
    QGroupBox *printerFrame = titledFrame("Frame2", QStringLiteral("Printer Settings"), central);
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
    m_fontCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fontCombo->setMinimumContentsLength(8);
    auto *fontLabel = new QLabel(QStringLiteral("Font:"), printerFrame);
    fontLabel->setBuddy(m_fontCombo);
    placed(Item::PrinterFrame, printerFrame);
    placed(Item::DotMatrix, m_dotMatrixRadio);
    placed(Item::Laser, m_laserRadio);
    placed(Item::PrinterRule, rule);
    placed(Item::LinesPerPage, m_linesPerPageEdit);
    placed(Item::LinesPerPageLabel, linesLabel);
    placed(Item::Color, m_colorCheck);
    placed(Item::FontLabel, fontLabel);
    placed(Item::Font, m_fontCombo);

    // Chart Preferences.
    QGroupBox *preferencesFrame = titledFrame("Frame3", QStringLiteral("Chart Preferences"), central);
    placed(Item::PreferencesFrame, preferencesFrame);
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
    item = Item::SingleSpace;
    for (QWidget *row :
         std::initializer_list<QWidget *>{m_singleSpaceRadio, m_doubleSpaceRadio, m_linedSpaceRadio,
                                          m_holidaysCheck, m_dateEachPageCheck, m_forecastCheck}) {
        placed(item, row);
        item = Item(int(item) + 1);
    }
}
