#pragma once

#include "namedb/nameentry.h"

#include <QString>
#include <QStringList>

#include <optional>

// The file bioname.dat: one entry per line, each as a quoted field. It is read or written whole
// within one step; every write goes through a save file, so a failure leaves the old content.
namespace namedb {

[[nodiscard]] QString NameFilePath(const QString &dataFolder);

struct LoadResult
{
    QStringList entries; // in list order
    std::optional<Message> failure;
    bool operator==(const LoadResult &) const = default;
};

// The entries for the list, sorted. A file that is missing or cannot be read gives a message
// and no entries.
[[nodiscard]] LoadResult LoadEntries(const QString &path);

// Adds an entry after the ones already in the file (none when the file is missing) and writes
// the file anew. On any failure nothing is written and the message says why.
[[nodiscard]] std::optional<Message> AppendEntry(const QString &path, const QString &entry);

// Replaces the file's content by these entries, in this order.
[[nodiscard]] std::optional<Message> WriteEntries(const QString &path, const QStringList &entries);

} // namespace namedb
