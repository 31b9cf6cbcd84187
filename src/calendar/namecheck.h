#pragma once

#include "calendar/checkmessages.h"

#include <QStringView>

#include <optional>

namespace calendar {

// The name's own check, made by every command that uses the name and by "Add This Entry": a
// control character (U+0000 to U+001F, U+007F to U+009F, Tab included) would reach a terminal
// as an escape sequence, a calendar file as a byte its format forbids, and a printer as a
// command. The message, or nullopt for a name without one.
[[nodiscard]] std::optional<Message> CheckNameCharacters(QStringView name);

} // namespace calendar
