#pragma once

#include <QString>

// The texts a print statement makes of its items.
namespace print {

// A number as a print statement prints it: the place of the sign (a space, or "-") in front and
// one space behind, so 5 prints as " 5 " and -5 as "-5 ".
[[nodiscard]] QString NumberItem(qint64 value);

} // namespace print
