// Builds the main window's form: the title, the person column and the three frames of the
// PreferencesForm, with their captions and tooltips. Where each stands is the layout's business
// (placement.cpp).

#include "mainwindow/mainwindow.h"

#include "mainwindow/formcontrols.h"
#include "mainwindow/preferencesform.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A box the program fills: it can be selected and copied, but the Tab key passes it by.
QLineEdit *filledBox(const char *name, QWidget *parent)
{
    QLineEdit *box = NamedLineEdit(name, parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
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
    m_nameEdit = NamedLineEdit("Text3", central);
    m_nameEdit->setToolTip(QStringLiteral("Enter name or retrieve from database"));
    m_birthdateEdit = NamedLineEdit("Text4", central);
    m_birthdateEdit->setToolTip(QStringLiteral("Enter date as MM-DD-YYYY"));
    m_signField = filledBox("Text6", central);
    m_weekdayField = filledBox("Text7", central);
    m_ageDaysField = filledBox("Text8", central);
    m_ageYearsField = filledBox("Text9", central);
    m_startDateEdit = NamedLineEdit("Text10", central);
    m_lengthEdit = NamedLineEdit("Text11", central);
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

    m_preferences = std::make_unique<PreferencesForm>(
        central, [this](Item item, QWidget *widget) { placed(item, widget); });
}
