#pragma once

#include <QStringView>

#include <optional>

namespace calendar {

// Reads a number the way the boxes are read: leading blanks skipped, then the longest leading
// number (sign, digits, a decimal point and an exponent), and 0 when there is none.
[[nodiscard]] double LeadingNumber(QStringView text);

// The whole-number part of LeadingNumber, or nullopt when it does not fit in a 64-bit
// integer or is not finite.
[[nodiscard]] std::optional<qint64> LeadingWholeNumber(QStringView text);

} // namespace calendar
