#pragma once

#include "platform/wording.h"

#include <QString>

class QDateTime;
class QFile;

// The per-user folder that holds the settings files and the name database: ~/.local/share/Tidemark.
[[nodiscard]] QString DefaultDataFolder();

// Where versions before this one kept the files: the folder Tidemark inside DefaultDataFolder().
[[nodiscard]] QString OldDataFolder();

// Renames each of `names` that `folder` lacks (or holds only as an empty file) and `oldFolder`
// holds into `folder`, never over a file with content, so that a move cut off halfway finishes on
// the next start; removes `oldFolder` once it is empty. Returns an empty string on success, otherwise a
// sentence in `words` that says what failed.
[[nodiscard]] QString MoveDataFiles(const QString &oldFolder, const QString &folder, const QStringList &names,
                                    Wording words = KeepEnglish);

// Creates the folder when missing, for its owner only (0700), narrows an existing folder that
// others may use to its owner, and checks that a file can be written in it.
// Returns an empty string on success, otherwise a sentence in `words` that says what failed.
[[nodiscard]] QString PrepareDataFolder(const QString &folder, Wording words = KeepEnglish);

// Removes the temporary files that saves cut off by a kill or a crash left in `folder`: a regular
// file named after one of `names`, a dot and six letters or digits (the save file's random name,
// whose last five mix upper and lower case) that was last changed more than ten minutes before
// `now`. A newer one may be a save that another copy of the program is making. Files of other
// names (a user's bioname.dat.backup or .Backup, the lock file) are never touched.
void RemoveStaleSaveFiles(const QString &folder, const QStringList &names, const QDateTime &now);

// Opens `file`, whose name is set, for writing as an empty regular file for its owner only (0600):
// a file the program writes for itself and removes again. It never follows a symbolic link of
// that name and never opens anything but a regular file (a named pipe would block, a device may
// never end). Returns false, with nothing opened and nothing changed, when it cannot. The file
// opened keeps no name: remove it by its path.
[[nodiscard]] bool OpenOwnFile(QFile &file);
