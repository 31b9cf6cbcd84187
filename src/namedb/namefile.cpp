#include "namedb/namefile.h"

#include "settings/preferences.h"
#include "settings/textfile.h"

#include <QDir>
#include <QFileInfo>

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

Message saveFailure(const QString &error)
{
    return {ErrorTitle, error + KeepsContents};
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

std::optional<QByteArray> WithoutEntry(QByteArray bytes, const QString &entry)
{
    for (const NameLine &line : ReadNameLines(bytes)) {
        if (line.entry == entry)
            return bytes.remove(line.begin, line.end - line.begin);
    }
    return std::nullopt;
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
    settings::BytesRead read;
    if (QFileInfo::exists(path)) {
        read = settings::ReadFileBytes(path);
        if (!read.ok)
            return Message{ErrorTitle, read.error + QStringLiteral(" The new entry was not added.")};
    }
    if (ReadNameLines(read.bytes).size() >= MaxEntries)
        return Message{QStringLiteral("NAME DATABASE FULL"),
                       QStringLiteral("The name database already holds 32,767 entries, the most it can hold. "
                                      "Delete a name before adding another.")};
    const QString error = settings::SaveFileBytes(path, WithEntryAdded(std::move(read.bytes), entry));
    if (!error.isEmpty())
        return saveFailure(error);
    return std::nullopt;
}

std::optional<Message> DeleteEntry(const QString &path, const QString &entry)
{
    settings::BytesRead read = settings::ReadFileBytes(path);
    if (!read.ok)
        return saveFailure(read.error);
    const std::optional<QByteArray> rest = WithoutEntry(std::move(read.bytes), entry);
    if (!rest)
        return std::nullopt;
    const QString error = settings::SaveFileBytes(path, *rest);
    if (!error.isEmpty())
        return saveFailure(error);
    return std::nullopt;
}

} // namespace namedb
