#include "namedb/namefile.h"

#include "settings/preferences.h"
#include "settings/textfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QThread>

namespace namedb {

using calendar::Message;

namespace {

const QString ErrorTitle = QStringLiteral("NAME DATABASE ERROR");
const QString KeepsContents = QStringLiteral(" It keeps its previous contents.");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString listedText(QString line)
{
    if (line.size() >= 2 && line.startsWith(u'"') && line.endsWith(u'"'))
        return line.sliced(1, line.size() - 2);
    return line;
}

QString Tr(const char *text)
{
    return QCoreApplication::translate("namedb", text);
}

Message saveFailure(const QString &error)
{
    return {ErrorTitle, error + KeepsContents};
}

// How long a change waits for another copy of the program that holds the lock. Each change
// takes a moment; one lock held this long belongs to a copy that has stopped in the middle. A
// copy that makes one change after another takes a new lock for each, and is waited for.
constexpr int LockWaitMs = 10'000;
constexpr int LockPollMs = 20;

// Takes the lock file beside the name file. A lock whose copy of the program has died is taken
// over at once (no process of that number runs any more), and never for its age alone: a large
// file on a slow disk may take long to save. Says why when the lock cannot be taken, followed
// by `notDone`.
std::optional<Message> takeLock(QLockFile &lock, const QString &path, const QString &notDone)
{
    lock.setStaleLockTime(0);
    QDeadlineTimer deadline(LockWaitMs);
    QDateTime heldSince;
    while (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
        if (const QDateTime made = QFileInfo(lock.fileName()).lastModified(); made != heldSince) {
            heldSince = made;
            deadline.setRemainingTime(LockWaitMs);
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(LockPollMs);
    }
    if (lock.isLocked())
        return std::nullopt;
    QString reason;
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        reason = Tr("another copy of Tidemark is changing it");
        break;
    case QLockFile::PermissionError:
        reason = Tr("its folder cannot be written");
        break;
    default:
        reason = Tr("the lock file %1 could not be written").arg(shown(lock.fileName()));
        break;
    }
    return Message{ErrorTitle,
                   Tr("The name database %1 could not be locked (%2).").arg(shown(path), reason) + notDone};
}

QString LockPath(const QString &path)
{
    return path + QStringLiteral(".lock");
}

QString Thousands(qsizetype number)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(number));
}

constexpr QByteArrayView ByteOrderMark("\xef\xbb\xbf");

bool EndsLine(char byte)
{
    return byte == '\r' || byte == '\n';
}

} // namespace

QString NameFilePath(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(settings::NameDatabaseFileName());
}

QList<NameLine> ReadNameLines(QByteArrayView bytes)
{
    QList<NameLine> lines;
    for (const settings::LineSpan &span : settings::SplitLines(bytes)) {
        QString entry = listedText(settings::DecodeLine(bytes.sliced(span.begin, span.size)));
        if (!entry.trimmed().isEmpty())
            lines.append({std::move(entry), span.begin, span.end()});
    }
    return lines;
}

QByteArray WithEntryAdded(QByteArray bytes, const QString &entry)
{
    const QList<settings::LineSpan> lines = settings::SplitLines(bytes);
    if (!lines.isEmpty() && lines.last().endSize == 0)
        bytes += "\r\n";
    return bytes + '"' + entry.toUtf8() + "\"\r\n";
}

std::optional<RemovedLine> FindEntryLine(QByteArrayView bytes, const QString &entry)
{
    for (const NameLine &line : ReadNameLines(bytes)) {
        if (line.entry == entry)
            return RemovedLine{line.begin, bytes.sliced(line.begin, line.end - line.begin).toByteArray()};
    }
    return std::nullopt;
}

std::optional<QByteArray> WithoutEntry(QByteArray bytes, const QString &entry)
{
    const std::optional<RemovedLine> line = FindEntryLine(bytes, entry);
    if (!line)
        return std::nullopt;
    return bytes.remove(line->begin, line->bytes.size());
}

QByteArray WithLineRestored(QByteArray bytes, const RemovedLine &line)
{
    const qsizetype at = line.begin;
    // A line may begin at the start, after a byte-order mark, or after a line end.
    const bool lineMayBegin = at >= 0 && at <= bytes.size() &&
                              (at == 0 || EndsLine(bytes[at - 1]) ||
                               (at == ByteOrderMark.size() && bytes.startsWith(ByteOrderMark)));
    if (lineMayBegin) {
        const bool needsEnd = at < bytes.size() && (line.bytes.isEmpty() || !EndsLine(line.bytes.back()));
        return bytes.insert(at, needsEnd ? line.bytes + "\r\n" : line.bytes);
    }
    const QList<settings::LineSpan> lines = settings::SplitLines(bytes);
    if (!lines.isEmpty() && lines.last().endSize == 0)
        bytes += "\r\n";
    return bytes + line.bytes;
}

LoadResult LoadEntries(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {
            {},
            Message{ErrorTitle, QStringLiteral("The name database file %1 was not found. The list is empty; "
                                               "adding a name makes a new file.")
                                    .arg(shown(path))}};
    const settings::BytesRead read = settings::ReadFileBytes(path);
    if (!read.ok)
        return {
            {},
            Message{ErrorTitle, read.error + QStringLiteral(" The name list is empty, and the file is left "
                                                            "as it is.")}};
    QStringList entries;
    for (const NameLine &line : ReadNameLines(read.bytes))
        entries.append(line.entry);
    return {SortedEntries(std::move(entries)), std::nullopt};
}

std::optional<Message> AddEntry(const QString &path, const QString &entry)
{
    const QString notAdded = QStringLiteral(" The new entry was not added.");
    QLockFile lock(LockPath(path));
    if (auto failure = takeLock(lock, path, notAdded))
        return failure;
    settings::BytesRead read;
    if (QFileInfo::exists(path)) {
        read = settings::ReadFileBytes(path);
        if (!read.ok)
            return Message{ErrorTitle, read.error + notAdded};
    }
    if (const qsizetype held = ReadNameLines(read.bytes).size(); held >= MaxEntries) {
        const QString full = QStringLiteral("NAME DATABASE FULL");
        if (held == MaxEntries)
            return Message{full,
                           QStringLiteral("The name database already holds 32,767 entries, the most it can "
                                          "hold. Delete a name before adding another.")};
        return Message{full,
                       Tr("The name database already holds %1 entries, more than the 32,767 it can hold. "
                          "Delete %2 names before adding another.")
                           .arg(Thousands(held), Thousands(held - MaxEntries + 1))};
    }
    const QString error = settings::SaveFileBytes(path, WithEntryAdded(std::move(read.bytes), entry));
    if (!error.isEmpty())
        return saveFailure(error);
    return std::nullopt;
}

Deletion DeleteEntry(const QString &path, const QString &entry)
{
    QLockFile lock(LockPath(path));
    if (auto failure = takeLock(lock, path, KeepsContents))
        return {failure, std::nullopt};
    settings::BytesRead read = settings::ReadFileBytes(path);
    if (!read.ok)
        return {saveFailure(read.error), std::nullopt};
    std::optional<RemovedLine> line = FindEntryLine(read.bytes, entry);
    if (!line)
        return {};
    const QString error = settings::SaveFileBytes(path, read.bytes.remove(line->begin, line->bytes.size()));
    if (!error.isEmpty())
        return {saveFailure(error), std::nullopt};
    return {std::nullopt, std::move(line)};
}

std::optional<Message> RestoreLine(const QString &path, const RemovedLine &line)
{
    const QString notRestored = Tr(" The deleted name was not put back.");
    QLockFile lock(LockPath(path));
    if (auto failure = takeLock(lock, path, notRestored))
        return failure;
    settings::BytesRead read;
    if (QFileInfo::exists(path)) {
        read = settings::ReadFileBytes(path);
        if (!read.ok)
            return Message{ErrorTitle, read.error + notRestored};
    }
    const QString error = settings::SaveFileBytes(path, WithLineRestored(std::move(read.bytes), line));
    if (!error.isEmpty())
        return saveFailure(error);
    return std::nullopt;
}

} // namespace namedb
