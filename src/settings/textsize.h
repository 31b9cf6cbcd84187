#pragma once

#include <optional>

class QSettings;

// The text size the user chose in the window's View menu, in percent, kept in the per-user
// settings store beside the window's placement: group "View", key "TextSize", a whole number.
namespace settings {

// None when the key is missing or does not hold a whole number.
[[nodiscard]] std::optional<int> LoadTextSize(const QSettings &store);

// The caller syncs the store.
void SaveTextSize(QSettings &store, int percent);

} // namespace settings
