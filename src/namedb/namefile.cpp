#include "namedb/namefile.h"

#include "settings/delimitedfile.h"

#include <QDir>
#include <QFileInfo>

namespace namedb {

namespace {

const QString ErrorTitle = QStringLiteral("NAME DATABASE ERROR");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A quoted field left open by a damaged file runs on to the end of the file and takes the line
// end with it, and a blank line reads as an empty field; neither is a name to list.
QStringList entriesOf(const QStringList &fields)
{
    QStringList entries;
    entries.reserve(fields.size());
    for (QString field : fields) {
        while (field.endsWith(QLatin1Char('\n')) || field.endsWith(QLatin1Char('\r')))
            field.chop(1);
        if (!field.isEmpty())
            entries.append(field);
    }
    return entries;
}

} // namespace

QString NameFilePath(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("bioname.dat"));
}

LoadResult LoadEntries(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {
            {},
            Message{ErrorTitle, QStringLiteral("The name database file %1 was not found. The list is empty; "
                                               "adding a name makes a new file.")
                                    .arg(shown(path))}};
    settings::FileRead read = settings::ReadDelimitedFile(path);
    if (!read.ok)
        return {
            {},
            Message{ErrorTitle, read.error + QStringLiteral(" The name list is empty, and the file is left "
                                                            "as it is.")}};
    return {SortedEntries(entriesOf(read.fields)), std::nullopt};
}

std::optional<Message> AppendEntry(const QString &path, const QString &entry)
{
    QStringList entries;
    if (QFileInfo::exists(path)) {
        settings::FileRead read = settings::ReadDelimitedFile(path);
        if (!read.ok)
            return Message{ErrorTitle, read.error + QStringLiteral(" The new entry was not added.")};
        entries = entriesOf(read.fields);
    }
    if (entries.size() >= MaxEntries)
        return Message{QStringLiteral("NAME DATABASE FULL"),
                       QStringLiteral("The name database already holds 32,767 entries, the most it can hold. "
                                      "Delete a name before adding another.")};
    entries.append(entry);
    return WriteEntries(path, entries);
}

std::optional<Message> WriteEntries(const QString &path, const QStringList &entries)
{
    const QString error = settings::WriteDelimitedFile(path, entries);
    if (error.isEmpty())
        return std::nullopt;
    return Message{ErrorTitle, error + QStringLiteral(" It keeps its previous contents.")};
}

} // namespace namedb
