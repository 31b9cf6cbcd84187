#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace calendar {

// A message for the user: the title of the box and its sentence.
struct DateMessage
{
    QString title;
    QString text;
    bool operator==(const DateMessage &) const = default;
};

enum class DateBox { Start, Birth };

// The checks made while a date is typed. Fewer than 10 characters is an incomplete date and
// passes. The fields are compared as text, character code by character code; the birthdate
// has no separator check while it is typed. Returns the first failure's message.
[[nodiscard]] std::optional<DateMessage> CheckDateText(QStringView text, DateBox box);

// The same message as above for a text of 11 or more characters.
[[nodiscard]] DateMessage TooMuchDataMessage(DateBox box);

// True when the text has a hyphen in positions 3 and 6.
[[nodiscard]] bool HasDateHyphens(QStringView text);

// Ordinal comparison of a field cut out of a text with its bounds; a field cut short by the
// end of the text is compared as what is there.
[[nodiscard]] bool FieldOutside(QStringView text, qsizetype from, qsizetype count, QStringView low,
                                QStringView high);

} // namespace calendar
