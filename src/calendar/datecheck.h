#pragma once

#include "calendar/checkmessages.h"

#include <QStringView>

#include <optional>

// The checks of a date text. The month, day and year fields are compared as text, character code
// by character code, with their bounds "01" to "12", "01" to "31" and "1500" to "2099"; for
// fields of digits that is the numeric comparison.
namespace calendar {

enum class DateBox { Start, Birth };

// Where the fields stand: MM-DD-YYYY in the date boxes, MMDDYYYY in a new name entry.
enum class DateForm { Dashed, Packed };

// Whether a field that sorts inside its bounds although it holds a non-digit (a month "0A")
// passes. The chart commands fail it, so that such a field never reaches the arithmetic.
enum class NonDigits { Pass, Fail };

// The first of the month, day and year fields that fails, as that field's message among
// `checks`. A field cut short by the end of the text is compared as what is there.
[[nodiscard]] std::optional<Message> CheckDateFields(QStringView text, const FieldChecks &checks,
                                                     DateForm form = DateForm::Dashed,
                                                     NonDigits nonDigits = NonDigits::Pass);

// True when the text has a hyphen in positions 3 and 6.
[[nodiscard]] bool HasDateHyphens(QStringView text);

// The checks made while a date is typed. Fewer than 10 characters is an incomplete date and
// passes; 11 or more is too much data. The start date's separators are checked, the birthdate's
// are not while it is typed. Returns the first failure's message.
[[nodiscard]] std::optional<Message> CheckDateText(QStringView text, DateBox box);

} // namespace calendar
