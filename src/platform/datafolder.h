#pragma once

#include <QString>

// The per-user folder that holds the settings files and the name database.
[[nodiscard]] QString DefaultDataFolder();

// Creates the folder when missing, for its owner only (0700), narrows an existing folder that
// others may use to its owner, and checks that a file can be written in it.
// Returns an empty string on success, otherwise a sentence that says what failed.
[[nodiscard]] QString PrepareDataFolder(const QString &folder);
