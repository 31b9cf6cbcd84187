#pragma once

#include "calendar/datecheck.h"

#include <QString>
#include <QStringView>

#include <optional>

// What the main window derives from the birthdate, the start date and the length. When one of
// those three changes, the window calls the matching function below with the current texts of
// the person's boxes and shows the texts it returns.
namespace calendar {

struct PersonBoxes
{
    QString birth;    // the birthdate as typed, MM-DD-YYYY
    QString sign;     // the astrological sign
    QString weekday;  // the weekday of birth, "Monday" to "Sunday"
    QString ageDays;  // the age in days at the chart's start: the chart's first day count
    QString ageYears; // the age in whole years at the chart's start
    QString start;    // the chart's start date as typed
    QString length;   // the chart's length in days as typed
    QString end;      // the date of the chart's last day
    bool operator==(const PersonBoxes &) const = default;
};

struct BoxUpdate
{
    PersonBoxes boxes;
    std::optional<Message> message;
};

// The astrological sign for the month and day fields of a birthdate, by the 24 tests on the
// two-character fields; empty when the month field is not a month.
[[nodiscard]] QString SignOf(QStringView birth);

// Writes AgeInDays to ageDays when both dates are complete and valid; otherwise leaves it.
void ComputeAgeInDays(PersonBoxes &boxes);

// The birthdate changed: the sign, the weekday of birth and both ages follow it; a complete
// birthdate that fails its entry checks gives its message and leaves the facts as they were.
[[nodiscard]] BoxUpdate BirthdateChanged(PersonBoxes boxes);

// The start date changed: its entry checks, both ages measured again, and the length and end
// date emptied, since a new start asks for the length again.
[[nodiscard]] BoxUpdate StartDateChanged(PersonBoxes boxes);

// The length changed: the end date follows it. A length typed before the start date is complete
// is taken back.
[[nodiscard]] PersonBoxes LengthChanged(PersonBoxes boxes);

} // namespace calendar
