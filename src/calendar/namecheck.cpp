#include "calendar/namecheck.h"

#include <algorithm>

namespace calendar {

std::optional<Message> CheckNameCharacters(QStringView name)
{
    const bool control =
        std::any_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (control)
        return MessageOf(Check::NameControlCharacter);
    return std::nullopt;
}

} // namespace calendar
