#include "mainwindow/personcolumn.h"

#include "platform/alerts.h"
#include "platform/clock.h"
#include "platform/namedlineedit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A box the program fills: read-only, yet Tab reaches it, so that the keyboard and screen readers
// can read and copy it.
QLineEdit *filledBox(const char *name, QWidget *parent)
{
    QLineEdit *box = NamedLineEdit(name, parent);
    box->setReadOnly(true);
    return box;
}

} // namespace

PersonColumn::PersonColumn(QWidget *form, Alerts &alerts, const Clock &clock, const layout::AddControl &place)
    : m_alerts(alerts)
    , m_clock(clock)
    , m_nameEdit(NamedLineEdit("Text3", form))
    , m_birthdateEdit(NamedLineEdit("Text4", form))
    , m_signField(filledBox("Text6", form))
    , m_weekdayField(filledBox("Text7", form))
    , m_ageDaysField(filledBox("Text8", form))
    , m_ageYearsField(filledBox("Text9", form))
    , m_startDateEdit(NamedLineEdit("Text10", form))
    , m_lengthEdit(NamedLineEdit("Text11", form))
    , m_endDateField(filledBox("Text12", form))
    , m_resetStartButton(new QPushButton(QStringLiteral("<< Reset"), form))
{
    using layout::Item;
    m_nameEdit->setToolTip(QStringLiteral("Enter name or retrieve from database"));
    m_birthdateEdit->setToolTip(QStringLiteral("Enter date as MM-DD-YYYY"));
    m_resetStartButton->setObjectName(QStringLiteral("Command8"));
    m_resetStartButton->setToolTip(QStringLiteral("Reset to current date!"));
    m_resetStartButton->setAccessibleName(tr("Reset start date"));
    m_resetStartButton->setAutoDefault(true);
    place(Item::Reset, m_resetStartButton);

    // Each label stands directly above its box.
    auto row = [form, &place](Item item, const char *labelName, const QString &caption, QLineEdit *box) {
        auto *label = new QLabel(caption, form);
        label->setObjectName(QLatin1String(labelName));
        label->setBuddy(box);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        place(item, label);
        place(Item(int(item) + 1), box);
        return label;
    };
    row(Item::NameLabel, "Label10", QStringLiteral("Name:"), m_nameEdit);
    row(Item::BirthdateLabel, "Label11", QStringLiteral("Birthdate (MM-DD-YYYY):"), m_birthdateEdit);
    m_factCaptions = {row(Item::SignLabel, "Label12", QStringLiteral("Astrological Sign:"), m_signField),
                      row(Item::WeekdayLabel, "Label13", QStringLiteral("Day of Week Born:"), m_weekdayField),
                      row(Item::AgeDaysLabel, "Label14", QStringLiteral("Age In Days:"), m_ageDaysField),
                      row(Item::AgeYearsLabel, "Label15", QStringLiteral("Age in Years:"), m_ageYearsField)};
    row(Item::StartLabel, "Label16", QStringLiteral("Chart Starts (MM-DD-YYYY):"), m_startDateEdit);
    row(Item::LengthLabel, "Label17", QStringLiteral("Length of Chart in Days:"), m_lengthEdit);
    row(Item::EndLabel, "Label18", QStringLiteral("Ending Date of Chart:"), m_endDateField);

    connect(m_birthdateEdit, &QLineEdit::textChanged, this, &PersonColumn::updatePersonFacts);
    connect(m_startDateEdit, &QLineEdit::textChanged, this, &PersonColumn::refreshForStartDate);
    connect(m_lengthEdit, &QLineEdit::textChanged, this, &PersonColumn::updateEndDate);
    connect(m_resetStartButton, &QPushButton::clicked, this, &PersonColumn::resetStartDate);
}

QString PersonColumn::name() const
{
    return m_nameEdit->text();
}

calendar::PersonBoxes PersonColumn::boxes() const
{
    return {m_birthdateEdit->text(), m_signField->text(),     m_weekdayField->text(), m_ageDaysField->text(),
            m_ageYearsField->text(), m_startDateEdit->text(), m_lengthEdit->text(),   m_endDateField->text()};
}

void PersonColumn::showBoxes(const calendar::PersonBoxes &boxes)
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

void PersonColumn::showUpdate(const calendar::BoxUpdate &update, const QLineEdit *filledByDate)
{
    const QString before = factsText();
    showBoxes(update.boxes);
    if (update.message)
        m_alerts.critical(update.message->title, update.message->text);
    else if (!filledByDate->text().isEmpty() && factsText() != before)
        Q_EMIT factsChanged(factsText());
}

QString PersonColumn::factsText() const
{
    const std::array boxes{m_signField, m_weekdayField, m_ageDaysField, m_ageYearsField};
    QStringList facts;
    for (std::size_t fact = 0; fact < boxes.size(); ++fact) {
        if (!boxes[fact]->text().isEmpty())
            facts << m_factCaptions[fact]->text() + QLatin1Char(' ') + boxes[fact]->text();
    }
    return facts.join(QStringLiteral(", "));
}

void PersonColumn::updatePersonFacts()
{
    showUpdate(calendar::BirthdateChanged(boxes()), m_weekdayField);
}

void PersonColumn::refreshForStartDate()
{
    showUpdate(calendar::StartDateChanged(boxes()), m_ageDaysField);
}

void PersonColumn::updateEndDate()
{
    const calendar::PersonBoxes changed = calendar::LengthChanged(boxes());
    m_endDateField->setText(changed.end);
    // Only an undone keystroke changes the length; leave the box (and its cursor) alone otherwise.
    if (m_lengthEdit->text() != changed.length)
        m_lengthEdit->setText(changed.length);
}

void PersonColumn::resetStartDate()
{
    // The cursor goes to the length before the length is emptied, so that a screen reader hears it
    // arrive (it takes a cursor move in a box that has the focus by then for the focus, silently).
    m_lengthEdit->setFocus();
    const QString today = m_clock.today();
    // Setting the text it already holds raises no change, yet Reset always starts the period over.
    if (m_startDateEdit->text() == today)
        refreshForStartDate();
    else
        m_startDateEdit->setText(today);
}

void PersonColumn::use(const QString &name, const QString &birthdate)
{
    m_nameEdit->setText(name);
    m_birthdateEdit->setText(birthdate);
    m_lengthEdit->setFocus();
}

void PersonColumn::clear()
{
    // The focus before the emptying, as in resetStartDate.
    m_nameEdit->setFocus();
    m_nameEdit->clear();
    for (QLineEdit *box : {m_birthdateEdit, m_signField, m_weekdayField, m_ageDaysField, m_ageYearsField,
                           m_startDateEdit, m_lengthEdit, m_endDateField})
        box->clear();
}

void PersonColumn::startToday()
{
    m_startDateEdit->setText(m_clock.today());
}

QWidget *PersonColumn::home() const
{
    return m_nameEdit;
}

QList<QWidget *> PersonColumn::tabOrder() const
{
    return {m_nameEdit,      m_birthdateEdit, m_signField,  m_weekdayField, m_ageDaysField,
            m_ageYearsField, m_startDateEdit, m_lengthEdit, m_endDateField, m_resetStartButton};
}
