#pragma once

// Owns the person column of the main window: the name, the birthdate and what follows from it
// (sign, weekday of birth, age in days and in years), and the chart period (its start with
// "<< Reset", its length and its end). A typed date fills the boxes that follow from it at once,
// or the user is told what is wrong with it; once a complete date changes the facts, factsChanged()
// tells them in words for screen readers. The boxes the program fills are read-only, and Tab
// reaches them as it reaches the others.
//
// Controls by object name and member:
//
//   Label10  the Name caption      Text8    m_ageDaysField
//   Text3    m_nameEdit            Text9    m_ageYearsField
//   Text4    m_birthdateEdit       Text10   m_startDateEdit
//   Text6    m_signField           Command8 m_resetStartButton
//   Text7    m_weekdayField        Text11   m_lengthEdit
//                                  Text12   m_endDateField
// Each box has its caption (Label11 to Label18) directly above it.

#include "calendar/profile.h"
#include "mainwindow/formlayout.h"

#include <QList>
#include <QObject>

#include <array>

class Alerts;
class Clock;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class PersonColumn : public QObject
{
    Q_OBJECT

public:
    // Builds the column on `form`, handing each control to `place`.
    PersonColumn(QWidget *form, Alerts &alerts, const Clock &clock, const layout::AddControl &place);

    [[nodiscard]] QString name() const;
    [[nodiscard]] calendar::PersonBoxes boxes() const;

    // A name and birthdate taken from the name database; the cursor goes on to the length.
    void use(const QString &name, const QString &birthdate);
    // Empties every box and puts the cursor in the name.
    void clear();
    // The chart period starts today.
    void startToday();

    // The name box, where the cursor goes when nothing else claims it.
    [[nodiscard]] QWidget *home() const;
    // The controls Tab reaches, in reading order.
    [[nodiscard]] QList<QWidget *> tabOrder() const;

Q_SIGNALS:
    // The sign, the weekday of birth and the ages, each after its caption ("Astrological Sign:
    // Taurus, Day of Week Born: Sunday, ..."), once a complete date has changed them.
    void factsChanged(const QString &facts);

private:
    void showBoxes(const calendar::PersonBoxes &boxes);
    // Shows what a date change gives, and its message, or the facts when they changed and the
    // date is complete: when `filledByDate` (the box only a complete date fills) is filled.
    void showUpdate(const calendar::BoxUpdate &update, const QLineEdit *filledByDate);
    [[nodiscard]] QString factsText() const;
    void updatePersonFacts();
    void refreshForStartDate();
    void updateEndDate();
    void resetStartDate();

    Alerts &m_alerts;
    const Clock &m_clock;
    QLineEdit *m_nameEdit;
    QLineEdit *m_birthdateEdit;
    QLineEdit *m_signField;
    QLineEdit *m_weekdayField;
    QLineEdit *m_ageDaysField;
    QLineEdit *m_ageYearsField;
    QLineEdit *m_startDateEdit;
    QLineEdit *m_lengthEdit;
    QLineEdit *m_endDateField;
    QPushButton *m_resetStartButton;
    // The sign and the weekday of birth in English, as derived from the birthdate; the boxes show
    // them in the user's language.
    QString m_sign;
    QString m_weekday;
    // The captions of the sign, the weekday of birth and the two ages.
    std::array<QLabel *, 4> m_factCaptions{};
};
