#include "mainwindow/personcolumn.h"

#include "platform/alerts.h"
#include "platform/clock.h"
#include "platform/namedlineedit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <iterator>

namespace {

// The weekdays and signs the person's facts are shown in; the chart, the cover sheet and the
// engine keep them in English.
constexpr const char *FactWords[] = {
    QT_TRANSLATE_NOOP("PersonFacts", "Sunday"),    QT_TRANSLATE_NOOP("PersonFacts", "Monday"),
    QT_TRANSLATE_NOOP("PersonFacts", "Tuesday"),   QT_TRANSLATE_NOOP("PersonFacts", "Wednesday"),
    QT_TRANSLATE_NOOP("PersonFacts", "Thursday"),  QT_TRANSLATE_NOOP("PersonFacts", "Friday"),
    QT_TRANSLATE_NOOP("PersonFacts", "Saturday"),  QT_TRANSLATE_NOOP("PersonFacts", "Aries"),
    QT_TRANSLATE_NOOP("PersonFacts", "Taurus"),    QT_TRANSLATE_NOOP("PersonFacts", "Gemini"),
    QT_TRANSLATE_NOOP("PersonFacts", "Cancer"),    QT_TRANSLATE_NOOP("PersonFacts", "Leo"),
    QT_TRANSLATE_NOOP("PersonFacts", "Virgo"),     QT_TRANSLATE_NOOP("PersonFacts", "Libra"),
    QT_TRANSLATE_NOOP("PersonFacts", "Scorpio"),   QT_TRANSLATE_NOOP("PersonFacts", "Sagittarius"),
    QT_TRANSLATE_NOOP("PersonFacts", "Capricorn"), QT_TRANSLATE_NOOP("PersonFacts", "Aquarius"),
    QT_TRANSLATE_NOOP("PersonFacts", "Pisces"),
};

// A weekday or sign in the user's language; anything else as it is.
QString ShownFact(const QString &english)
{
    for (const char *word : FactWords) {
        if (english == QLatin1String(word))
            return QCoreApplication::translate("PersonFacts", word);
    }
    return english;
}

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
    //: A narrow button beside the chart's start date: put today back in it.
    , m_resetStartButton(new QPushButton(tr("<< Reset"), form))
{
    using layout::Item;
    m_nameEdit->setToolTip(tr("Enter name or retrieve from database"));
    m_birthdateEdit->setToolTip(tr("Enter date as MM-DD-YYYY"));
    m_resetStartButton->setObjectName(QStringLiteral("Command8"));
    m_resetStartButton->setToolTip(tr("Reset to current date!"));
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
    row(Item::NameLabel, "Label10", tr("Name:"), m_nameEdit);
    row(Item::BirthdateLabel, "Label11", tr("Birthdate (MM-DD-YYYY):"), m_birthdateEdit);
    m_factCaptions = {row(Item::SignLabel, "Label12", tr("Astrological Sign:"), m_signField),
                      row(Item::WeekdayLabel, "Label13", tr("Day of Week Born:"), m_weekdayField),
                      row(Item::AgeDaysLabel, "Label14", tr("Age In Days:"), m_ageDaysField),
                      row(Item::AgeYearsLabel, "Label15", tr("Age in Years:"), m_ageYearsField)};
    row(Item::StartLabel, "Label16", tr("Chart Starts (MM-DD-YYYY):"), m_startDateEdit);
    row(Item::LengthLabel, "Label17", tr("Length of Chart in Days:"), m_lengthEdit);
    row(Item::EndLabel, "Label18", tr("Ending Date of Chart:"), m_endDateField);

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
    // The sign and weekday as they were derived, in English, not as the boxes show them: nothing
    // computed from the boxes may depend on the language they are shown in.
    return {m_birthdateEdit->text(),
            m_sign,
            m_weekday,
            m_ageDaysField->text(),
            m_ageYearsField->text(),
            m_startDateEdit->text(),
            m_lengthEdit->text(),
            m_endDateField->text()};
}

void PersonColumn::showBoxes(const calendar::PersonBoxes &boxes)
{
    // Setting a box's text runs its change handler, as typing does; the derived boxes have none
    // except the length, whose handler then finds nothing left to do.
    m_sign = boxes.sign;
    m_weekday = boxes.weekday;
    m_signField->setText(ShownFact(boxes.sign));
    m_weekdayField->setText(ShownFact(boxes.weekday));
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
    m_sign.clear();
    m_weekday.clear();
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
