#include "mainwindow/preferencesform.h"

#include "platform/namedlineedit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using layout::Item;

const QStringList LeadInLines = {
    QStringLiteral("This Chart Has Been Prepared Especially For You By:"),
    QStringLiteral("This Chart Has Been Prepared For You By:"),
    QStringLiteral("This Chart Has Been Prepared By:"),
    QStringLiteral("This Chart Was Prepared By:"),
    QStringLiteral("This Chart Has Been Created By:"),
    QStringLiteral("This Chart Created By:"),
    QStringLiteral("This Biorhythm Chart Was Prepared By:"),
};

const QStringList FontNames = {QStringLiteral("Arial"), QStringLiteral("Courier"), QStringLiteral("Times")};

// The "<< Clear" buttons of the lead-in and the four heading lines, top to bottom.
struct ClearButtonText
{
    const char *name;
    const char *tip;
    const char *spokenName;
};
constexpr std::array<ClearButtonText, 5> ClearButtons = {{
    {"Command2", QT_TRANSLATE_NOOP("PreferencesForm", "Erase lead-in line"),
     QT_TRANSLATE_NOOP("PreferencesForm", "Clear lead-in")},
    {"Command4", QT_TRANSLATE_NOOP("PreferencesForm", "Erase line-1"),
     QT_TRANSLATE_NOOP("PreferencesForm", "Clear line 1")},
    {"Command5", QT_TRANSLATE_NOOP("PreferencesForm", "Erase line-2"),
     QT_TRANSLATE_NOOP("PreferencesForm", "Clear line 2")},
    {"Command6", QT_TRANSLATE_NOOP("PreferencesForm", "Erase line-3"),
     QT_TRANSLATE_NOOP("PreferencesForm", "Clear line 3")},
    {"Command7", QT_TRANSLATE_NOOP("PreferencesForm", "Erase line-4"),
     QT_TRANSLATE_NOOP("PreferencesForm", "Clear line 4")},
}};

// The caption is a symbol; screen readers hear which line the button clears.
QPushButton *clearButton(const ClearButtonText &text, QWidget *parent)
{
    //: A narrow button beside a heading line: empty that line.
    auto *button = new QPushButton(QCoreApplication::translate("PreferencesForm", "<< Clear"), parent);
    button->setObjectName(QLatin1String(text.name));
    button->setToolTip(QCoreApplication::translate("PreferencesForm", text.tip));
    button->setAccessibleName(QCoreApplication::translate("PreferencesForm", text.spokenName));
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

// Checks one option of a group, or none: an exclusive group refuses to uncheck its last option.
void selectOption(QButtonGroup *group, QAbstractButton *option)
{
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(option && button == option);
    group->setExclusive(true);
}

} // namespace

PreferencesForm::PreferencesForm(QWidget *form, const layout::AddControl &place)
{
    buildHeading(form, place);
    buildPrinter(form, place);
    buildChartPreferences(form, place);
    m_leadInCombo->addItems(LeadInLines);
    m_fontCombo->addItems(FontNames);
}

// Each line with its caption before it and its "<< Clear" after it.
void PreferencesForm::buildHeading(QWidget *form, const layout::AddControl &place)
{
    QGroupBox *headingFrame =
        titledFrame("Frame1", QCoreApplication::translate("PreferencesForm", "Cover Sheet Heading"), form);
    place(Item::HeadingFrame, headingFrame);
    m_leadInCombo = new QComboBox(headingFrame);
    m_leadInCombo->setObjectName(QStringLiteral("Combo1"));
    m_leadInCombo->setEditable(true);
    m_leadInCombo->setInsertPolicy(QComboBox::NoInsert);
    // The long lead-in lines scroll in the box instead of widening the window.
    m_leadInCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_leadInCombo->setMinimumContentsLength(12);
    m_headingEdits[0] = NamedLineEdit("Text13", headingFrame);
    m_headingEdits[1] = NamedLineEdit("Text14", headingFrame);
    m_headingEdits[2] = NamedLineEdit("Text15", headingFrame);
    m_headingEdits[3] = NamedLineEdit("Text16", headingFrame);
    m_leadInClearButton = clearButton(ClearButtons[0], headingFrame);
    for (std::size_t i = 0; i < m_headingClearButtons.size(); ++i)
        m_headingClearButtons[i] = clearButton(ClearButtons[i + 1], headingFrame);
    const QList<std::tuple<QString, QWidget *, QPushButton *>> headingRows = {
        {QCoreApplication::translate("PreferencesForm", "Lead-in:"), m_leadInCombo, m_leadInClearButton},
        {QCoreApplication::translate("PreferencesForm", "Line 1:"), m_headingEdits[0],
         m_headingClearButtons[0]},
        {QCoreApplication::translate("PreferencesForm", "Line 2:"), m_headingEdits[1],
         m_headingClearButtons[1]},
        {QCoreApplication::translate("PreferencesForm", "Line 3:"), m_headingEdits[2],
         m_headingClearButtons[2]},
        {QCoreApplication::translate("PreferencesForm", "Line 4:"), m_headingEdits[3],
         m_headingClearButtons[3]}};
    Item item = Item::LeadInLabel;
    for (const auto &[caption, field, button] : headingRows) {
        auto *label = new QLabel(caption, headingFrame);
        label->setBuddy(field);
        for (QWidget *widget : std::initializer_list<QWidget *>{label, field, button}) {
            place(item, widget);
            item = Item(int(item) + 1);
        }
    }

    // Each "<< Clear" button puts the cursor in its line and empties it, in that order: a screen
    // reader takes the cursor move of a line emptied first for the focus arriving, and is silent.
    QObject::connect(m_leadInClearButton, &QPushButton::clicked, m_leadInCombo, [combo = m_leadInCombo] {
        combo->setFocus();
        combo->setEditText(QString());
    });
    for (std::size_t line = 0; line < m_headingEdits.size(); ++line) {
        QObject::connect(m_headingClearButtons[line], &QPushButton::clicked, m_headingEdits[line],
                         [edit = m_headingEdits[line]] {
                             edit->setFocus();
                             edit->clear();
                         });
    }
    // The lead-in lines are longer than their box on most screens: its tip holds the whole line.
    QObject::connect(m_leadInCombo, &QComboBox::editTextChanged, m_leadInCombo,
                     [combo = m_leadInCombo](const QString &text) { combo->setToolTip(text); });
    // A line longer than its box shows its beginning again once the cursor leaves it.
    for (QLineEdit *edit : {m_leadInCombo->lineEdit(), m_headingEdits[0], m_headingEdits[1],
                            m_headingEdits[2], m_headingEdits[3]})
        QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit] { edit->setCursorPosition(0); });
}

void PreferencesForm::buildPrinter(QWidget *form, const layout::AddControl &place)
{
    QGroupBox *printerFrame =
        titledFrame("Frame2", QCoreApplication::translate("PreferencesForm", "Printer Settings"), form);
    m_dotMatrixRadio =
        new QRadioButton(QCoreApplication::translate("PreferencesForm", "Dot-Matrix Printer"), printerFrame);
    m_dotMatrixRadio->setObjectName(QStringLiteral("Option1"));
    m_dotMatrixRadio->setToolTip(
        QCoreApplication::translate("PreferencesForm", "Click-on for dot-matrix printer"));
    m_laserRadio = new QRadioButton(
        QCoreApplication::translate("PreferencesForm", "Laser, Inkjet, Bubblejet or similar"), printerFrame);
    m_laserRadio->setObjectName(QStringLiteral("Option2"));
    m_laserRadio->setToolTip(
        QCoreApplication::translate("PreferencesForm", "Click-on for laser or similar type printer"));
    m_printerGroup = new QButtonGroup(printerFrame);
    m_printerGroup->addButton(m_dotMatrixRadio);
    m_printerGroup->addButton(m_laserRadio);
    auto *rule = new QFrame(printerFrame);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    m_linesPerPageEdit = NamedLineEdit("Text17", printerFrame);
    m_linesPerPageEdit->setToolTip(
        QCoreApplication::translate("PreferencesForm", "Total lines to print on chart"));
    auto *linesLabel =
        new QLabel(QCoreApplication::translate("PreferencesForm", "Number Of Lines Per Page"), printerFrame);
    linesLabel->setBuddy(m_linesPerPageEdit);
    m_colorCheck =
        new QCheckBox(QCoreApplication::translate("PreferencesForm", "Print In Color"), printerFrame);
    m_colorCheck->setObjectName(QStringLiteral("Check3"));
    m_fontCombo = new QComboBox(printerFrame);
    m_fontCombo->setObjectName(QStringLiteral("Combo2"));
    m_fontCombo->setEditable(true);
    m_fontCombo->setInsertPolicy(QComboBox::NoInsert);
    m_fontCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fontCombo->setMinimumContentsLength(8);
    auto *fontLabel = new QLabel(QCoreApplication::translate("PreferencesForm", "Font:"), printerFrame);
    fontLabel->setBuddy(m_fontCombo);
    place(Item::PrinterFrame, printerFrame);
    place(Item::DotMatrix, m_dotMatrixRadio);
    place(Item::Laser, m_laserRadio);
    place(Item::PrinterRule, rule);
    place(Item::LinesPerPage, m_linesPerPageEdit);
    place(Item::LinesPerPageLabel, linesLabel);
    place(Item::Color, m_colorCheck);
    place(Item::FontLabel, fontLabel);
    place(Item::Font, m_fontCombo);
}

void PreferencesForm::buildChartPreferences(QWidget *form, const layout::AddControl &place)
{
    QGroupBox *preferencesFrame =
        titledFrame("Frame3", QCoreApplication::translate("PreferencesForm", "Chart Preferences"), form);
    place(Item::PreferencesFrame, preferencesFrame);
    m_singleSpaceRadio =
        new QRadioButton(QCoreApplication::translate("PreferencesForm", "Single Space"), preferencesFrame);
    m_singleSpaceRadio->setObjectName(QStringLiteral("Option3"));
    m_doubleSpaceRadio =
        new QRadioButton(QCoreApplication::translate("PreferencesForm", "Double Space"), preferencesFrame);
    m_doubleSpaceRadio->setObjectName(QStringLiteral("Option4"));
    m_linedSpaceRadio = new QRadioButton(
        QCoreApplication::translate("PreferencesForm", "Double Space with Lines"), preferencesFrame);
    m_linedSpaceRadio->setObjectName(QStringLiteral("Option5"));
    m_spacingGroup = new QButtonGroup(preferencesFrame);
    for (QRadioButton *option : {m_singleSpaceRadio, m_doubleSpaceRadio, m_linedSpaceRadio})
        m_spacingGroup->addButton(option);
    m_holidaysCheck =
        new QCheckBox(QCoreApplication::translate("PreferencesForm", "Holiday Messages"), preferencesFrame);
    m_holidaysCheck->setObjectName(QStringLiteral("Check1"));
    m_dateEachPageCheck = new QCheckBox(
        QCoreApplication::translate("PreferencesForm", "Current Date  Each Page"), preferencesFrame);
    m_dateEachPageCheck->setObjectName(QStringLiteral("Check2"));
    m_forecastCheck =
        new QCheckBox(QCoreApplication::translate("PreferencesForm", "Daily Forecast"), preferencesFrame);
    m_forecastCheck->setObjectName(QStringLiteral("Check4"));
    Item item = Item::SingleSpace;
    for (QWidget *row :
         std::initializer_list<QWidget *>{m_singleSpaceRadio, m_doubleSpaceRadio, m_linedSpaceRadio,
                                          m_holidaysCheck, m_dateEachPageCheck, m_forecastCheck}) {
        place(item, row);
        item = Item(int(item) + 1);
    }
}

settings::Preferences PreferencesForm::preferences() const
{
    settings::Preferences p;
    p.leadIn = m_leadInCombo->currentText();
    p.heading = {m_headingEdits[0]->text(), m_headingEdits[1]->text(), m_headingEdits[2]->text(),
                 m_headingEdits[3]->text()};
    p.font = m_fontCombo->currentText();
    p.linesPerPage = m_linesPerPageEdit->text();
    p.printer = m_dotMatrixRadio->isChecked() ? settings::PrinterType::Matrix
                : m_laserRadio->isChecked()   ? settings::PrinterType::Laser
                                              : settings::PrinterType::None;
    p.spacing = m_singleSpaceRadio->isChecked()   ? settings::Spacing::Single
                : m_doubleSpaceRadio->isChecked() ? settings::Spacing::Double
                : m_linedSpaceRadio->isChecked()  ? settings::Spacing::WithLines
                                                  : settings::Spacing::None;
    p.holidays = m_holidaysCheck->isChecked();
    p.dateEachPage = m_dateEachPageCheck->isChecked();
    p.color = m_colorCheck->isChecked();
    p.forecast = m_forecastCheck->isChecked();
    return p;
}

void PreferencesForm::showPreferences(const settings::Preferences &p)
{
    m_leadInCombo->setEditText(p.leadIn);
    // A lead-in longer than its box shows from its start.
    m_leadInCombo->lineEdit()->setCursorPosition(0);
    m_headingEdits[0]->setText(p.heading[0]);
    m_headingEdits[1]->setText(p.heading[1]);
    m_headingEdits[2]->setText(p.heading[2]);
    m_headingEdits[3]->setText(p.heading[3]);
    m_fontCombo->setEditText(p.font);
    m_linesPerPageEdit->setText(p.linesPerPage);
    using settings::PrinterType;
    using settings::Spacing;
    selectOption(m_printerGroup, p.printer == PrinterType::Matrix  ? m_dotMatrixRadio
                                 : p.printer == PrinterType::Laser ? m_laserRadio
                                                                   : nullptr);
    selectOption(m_spacingGroup, p.spacing == Spacing::Single      ? m_singleSpaceRadio
                                 : p.spacing == Spacing::Double    ? m_doubleSpaceRadio
                                 : p.spacing == Spacing::WithLines ? m_linedSpaceRadio
                                                                   : nullptr);
    m_holidaysCheck->setChecked(p.holidays);
    m_dateEachPageCheck->setChecked(p.dateEachPage);
    m_colorCheck->setChecked(p.color);
    m_forecastCheck->setChecked(p.forecast);
}

QList<QWidget *> PreferencesForm::tabOrder() const
{
    return {m_leadInCombo,      m_leadInClearButton,
            m_headingEdits[0],  m_headingClearButtons[0],
            m_headingEdits[1],  m_headingClearButtons[1],
            m_headingEdits[2],  m_headingClearButtons[2],
            m_headingEdits[3],  m_headingClearButtons[3],
            m_dotMatrixRadio,   m_laserRadio,
            m_linesPerPageEdit, m_colorCheck,
            m_fontCombo,        m_singleSpaceRadio,
            m_doubleSpaceRadio, m_linedSpaceRadio,
            m_holidaysCheck,    m_dateEachPageCheck,
            m_forecastCheck};
}
