#pragma once

#include "namedb/nameentry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The file bioname.dat: one entry per line, which this program writes as the entry in double
// quotes and CR LF, in UTF-8. Files from older versions may hold other lines: unquoted ones,
// quotes inside a name, Windows-1252 text, damage. None of them is ever rewritten: adding puts
// one line after the old bytes, deleting takes one line out, and every other byte stays as it
// was. Each change goes through a save file, so a failure leaves the old content, and is made
// under the lock file bioname.dat.lock to the bytes as they are at that moment, so that two
// copies of the program changing the file at once keep each other's changes.
namespace namedb {

[[nodiscard]] QString NameFilePath(const QString &dataFolder);

// One entry of the file: its text as listed, and the bytes of its line from its first byte to
// the end of its line end.
struct NameLine
{
    QString entry;
    qsizetype begin = 0;
    qsizetype end = 0;
    bool operator==(const NameLine &) const = default;
};

// Each line decoded on its own (UTF-8 where valid, else Windows-1252) and listed without its
// line end and without one enclosing pair of double quotes. A line that lists as nothing but
// blanks is not an entry.
[[nodiscard]] QList<NameLine> ReadNameLines(QByteArrayView bytes);

// The old bytes as they are, then the entry's line; a line end goes first when the old bytes
// lack a final one.
[[nodiscard]] QByteArray WithEntryAdded(QByteArray bytes, const QString &entry);

// A line taken out of the file: where it began, and its bytes, line end included.
struct RemovedLine
{
    qsizetype begin = 0;
    QByteArray bytes;
    bool operator==(const RemovedLine &) const = default;
};

// The line of the first entry whose text is `entry`; nothing when no line lists it.
[[nodiscard]] std::optional<RemovedLine> FindEntryLine(QByteArrayView bytes, const QString &entry);

// The bytes without the line of the first entry whose text is `entry`; nothing when no line
// lists it.
[[nodiscard]] std::optional<QByteArray> WithoutEntry(QByteArray bytes, const QString &entry);

// The bytes with a removed line put back: where it began when a line could still begin there
// (the byte before it ends a line), which gives back the very bytes it was taken from; otherwise
// after the last line. A line without a line end gets one when other bytes follow it.
[[nodiscard]] QByteArray WithLineRestored(QByteArray bytes, const RemovedLine &line);

struct LoadResult
{
    QStringList entries; // in list order
    std::optional<calendar::Message> failure;
    bool operator==(const LoadResult &) const = default;
};

// The entries for the list, sorted. A file that is missing or cannot be read gives a message
// and no entries.
[[nodiscard]] LoadResult LoadEntries(const QString &path);

// Adds the entry's line to the file (creating it when missing). On any failure the file is
// left as it was and the message says why.
[[nodiscard]] std::optional<calendar::Message> AddEntry(const QString &path, const QString &entry);

struct Deletion
{
    std::optional<calendar::Message> failure;
    std::optional<RemovedLine> removed; // none when the file no longer listed the entry
    bool operator==(const Deletion &) const = default;
};

// Removes the line of the first entry whose text is `entry`. When the file no longer lists it
// there is nothing to remove. On any failure the file is left as it was and the message says why.
[[nodiscard]] Deletion DeleteEntry(const QString &path, const QString &entry);

// Puts a line that DeleteEntry removed back into the file, as WithLineRestored does. On any
// failure the file is left as it was and the message says why.
[[nodiscard]] std::optional<calendar::Message> RestoreLine(const QString &path, const RemovedLine &line);

} // namespace namedb
