#pragma once

#include "calendar/datecheck.h"

#include <QString>
#include <QStringView>

#include <optional>

// What the main window derives from the birthdate, the start date and the length. The change
// handlers of those three boxes call these functions with the boxes' current texts and write
// the returned texts back.
namespace calendar {

struct PersonBoxes
{
    QString birth;    // Text4
    QString sign;     // Text6
    QString weekday;  // Text7, day of week born
    QString ageDays;  // Text8
    QString ageYears; // Text9
    QString start;    // Text10
    QString length;   // Text11
    QString end;      // Text12
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

[[nodiscard]] BoxUpdate BirthdateChanged(PersonBoxes boxes); // Text4_Change
[[nodiscard]] BoxUpdate StartDateChanged(PersonBoxes boxes); // Text10_Change
[[nodiscard]] PersonBoxes LengthChanged(PersonBoxes boxes);  // Text11_Change

} // namespace calendar
