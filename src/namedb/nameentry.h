#pragma once

#include "calendar/checkmessages.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// One entry of the name database is a single text: the name as typed, a space and the
// birthdate as MM-DD-YYYY. These functions check what is typed for a new entry, build the
// entry text, split it again for use, and order the entries as the list shows them.
namespace namedb {

// The list box that holds the entries counts its items with 16-bit indices.
inline constexpr qsizetype MaxEntries = 32767;

struct EntryParts
{
    QString name;
    QString birthdate;
    bool operator==(const EntryParts &) const = default;
};

// The checks of "Add This Entry" on the typed name and the eight-digit birthdate MMDDYYYY,
// in order; returns the first failure. The birthdate's fields are compared as text. A double
// quote or a line break cannot be stored in the file's one-line quoted entries, so a name
// holding one is refused, and so is a name with any other control character, which no command
// would chart; last, a birthdate that is not exactly eight digits 0-9 is refused.
[[nodiscard]] std::optional<calendar::Message> CheckNewEntry(QStringView name, QStringView birth);

// The name, a space, characters 1-2 and 3-4 of the birthdate and its last four characters,
// joined by hyphens: for a birthdate that passed the checks, MM-DD-YYYY.
[[nodiscard]] QString ComposeEntry(QStringView name, QStringView birth);

// The name is all but the last 11 characters (the space and the date), the birthdate the
// last 10. A text shorter than that gives what there is.
[[nodiscard]] EntryParts SplitEntry(QStringView entry);

// The entries in the list's order: the whole entry text as people read it, in the collation
// of the en_US locale whatever the machine's locale is, letter case ignored and accents
// counted ("Émile" comes before "Zoe"). Entries that collate alike are ordered by their exact
// text, so that the order is the same every time.
[[nodiscard]] QStringList SortedEntries(QStringList entries);

} // namespace namedb
