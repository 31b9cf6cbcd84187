#include "namedb/namefile.h"

#include "platform/translation.h"
#include "settings/preferences.h"
#include "settings/textfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <climits>

namespace namedb {

using calendar::Message;

namespace {

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

QString ErrorTitle()
{
    //: The title of a message about the name database file.
    return QCoreApplication::translate("NameFile", "NAME DATABASE ERROR");
}

// Follows a message that says why the file could not be changed.
QString KeepsContents()
{
    //: Follows the sentence that says why the name database could not be changed: keep the blank in front.
    return QCoreApplication::translate("NameFile", " It keeps its previous contents.");
}

Message saveFailure(const QString &error)
{
    return {ErrorTitle(), error + KeepsContents()};
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
    //: Why the name database could not be locked; it stands in "(%2)" of the message that follows.
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        reason = QCoreApplication::translate("NameFile", "another copy of Tidemark is changing it");
        break;
    case QLockFile::PermissionError:
        //: Why the name database could not be locked; it stands in "(%2)" of the message that follows.
        reason = QCoreApplication::translate("NameFile", "its folder cannot be written");
        break;
    default:
        //: Why the name database could not be locked: %1 is the lock file's path.
        reason = QCoreApplication::translate("NameFile", "the lock file %1 could not be written")
                     .arg(shown(lock.fileName()));
        break;
    }
    //: %1 is the name database file's path, %2 why it could not be locked.
    return Message{ErrorTitle(),
                   QCoreApplication::translate("NameFile", "The name database %1 could not be locked (%2).")
                           .arg(shown(path), reason) +
                       notDone};
}

QString LockPath(const QString &path)
{
    return path + QStringLiteral(".lock");
}

QString Thousands(qsizetype number)
{
    return TextLocale().toString(qlonglong(number));
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
        return {{},
                //: %1 is the name database file's path.
                Message{ErrorTitle(),
                        QCoreApplication::translate(
                            "NameFile", "The name database file %1 was not found. The list is empty; "
                                        "adding a name makes a new file.")
                            .arg(shown(path))}};
    const settings::BytesRead read = settings::ReadFileBytes(path, TranslatedText);
    if (!read.ok)
        return {
            {},
            //: Follows the sentence that says why the name database could not be read: keep the blank in
            //: front.
            Message{ErrorTitle(),
                    read.error + QCoreApplication::translate(
                                     "NameFile", " The name list is empty, and the file is left as it is.")}};
    QStringList entries;
    for (const NameLine &line : ReadNameLines(read.bytes))
        entries.append(line.entry);
    return {SortedEntries(std::move(entries)), std::nullopt};
}

std::optional<Message> AddEntry(const QString &path, const QString &entry)
{
    //: Follows the sentence that says why the name could not be added: keep the blank in front.
    const QString notAdded = QCoreApplication::translate("NameFile", " The new entry was not added.");
    QLockFile lock(LockPath(path));
    if (auto failure = takeLock(lock, path, notAdded))
        return failure;
    settings::BytesRead read;
    if (QFileInfo::exists(path)) {
        read = settings::ReadFileBytes(path, TranslatedText);
        if (!read.ok)
            return Message{ErrorTitle(), read.error + notAdded};
    }
    if (const qsizetype held = ReadNameLines(read.bytes).size(); held >= MaxEntries) {
        //: The title of a message: the name database holds as many names as it can.
        const QString full = QCoreApplication::translate("NameFile", "NAME DATABASE FULL");
        if (held == MaxEntries)
            return Message{full,
                           QCoreApplication::translate(
                               "NameFile", "The name database already holds 32,767 entries, the most it can "
                                           "hold. Delete a name before adding another.")};
        // The count to delete picks the translation's plural form; the text shows it through %2, with
        // its thousands separated as in the rest of the message.
        const qsizetype surplus = held - MaxEntries + 1;
        const int count = surplus > INT_MAX ? INT_MAX : int(surplus);
        //: %1 is the number of names the file holds, %2 how many must go (at least 2, so the
        //: plural form follows %2); both are written with a comma between thousands.
        return Message{full,
                       QCoreApplication::translate(
                           "NameFile",
                           "The name database already holds %1 entries, more than the 32,767 it can hold. "
                           "Delete %2 names before adding another.",
                           nullptr, count)
                           .arg(Thousands(held), Thousands(surplus))};
    }
    const QString error =
        settings::SaveFileBytes(path, WithEntryAdded(std::move(read.bytes), entry), TranslatedText);
    if (!error.isEmpty())
        return saveFailure(error);
    return std::nullopt;
}

Deletion DeleteEntry(const QString &path, const QString &entry)
{
    QLockFile lock(LockPath(path));
    if (auto failure = takeLock(lock, path, KeepsContents()))
        return {failure, std::nullopt};
    settings::BytesRead read = settings::ReadFileBytes(path, TranslatedText);
    if (!read.ok)
        return {saveFailure(read.error), std::nullopt};
    std::optional<RemovedLine> line = FindEntryLine(read.bytes, entry);
    if (!line)
        return {};
    const QString error =
        settings::SaveFileBytes(path, read.bytes.remove(line->begin, line->bytes.size()), TranslatedText);
    if (!error.isEmpty())
        return {saveFailure(error), std::nullopt};
    return {std::nullopt, std::move(line)};
}

std::optional<Message> RestoreLine(const QString &path, const RemovedLine &line)
{
    //: Follows the sentence that says why the deleted name could not be put back: keep the blank in front.
    const QString notRestored =
        QCoreApplication::translate("NameFile", " The deleted name was not put back.");
    QLockFile lock(LockPath(path));
    if (auto failure = takeLock(lock, path, notRestored))
        return failure;
    settings::BytesRead read;
    if (QFileInfo::exists(path)) {
        read = settings::ReadFileBytes(path, TranslatedText);
        if (!read.ok)
            return Message{ErrorTitle(), read.error + notRestored};
    }
    const QString error =
        settings::SaveFileBytes(path, WithLineRestored(std::move(read.bytes), line), TranslatedText);
    if (!error.isEmpty())
        return saveFailure(error);
    return std::nullopt;
}

} // namespace namedb
