// The name file and the checks of a new entry. The input is an old bioname.dat's bytes, a name
// and a birthdate, separated by the part separator. Delete of any listed entry takes out exactly
// the first line that lists it and keeps every other byte, and putting the line back gives the
// old bytes again. A name and birthdate that pass CheckNewEntry hold eight digits in range; Add
// then keeps every old byte as a prefix, followed by at most a line end and the new entry's
// line, and lists the old entries and the new one.
#include "fuzzcheck.h"
#include "namedb/namefile.h"
#include "settings/textfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

QStringList entriesOf(const QByteArray &bytes)
{
    QStringList entries;
    for (const namedb::NameLine &line : namedb::ReadNameLines(bytes))
        entries.append(line.entry);
    return entries;
}

// Deletes each entry of a small file; of a large one, 32 spread over it and the last, since each
// delete reads the whole file again.
void checkDeletes(const QByteArray &bytes)
{
    const QList<settings::LineSpan> spans = settings::SplitLines(bytes);
    const QList<namedb::NameLine> lines = namedb::ReadNameLines(bytes);
    const qsizetype step = std::max<qsizetype>(1, lines.size() / 32), last = lines.size() - 1;
    for (qsizetype k = 0; k <= last; k = k == last ? last + 1 : std::min(k + step, last)) {
        const QString &entry = lines[k].entry;
        const auto first = std::find_if(lines.begin(), lines.end(),
                                        [&entry](const namedb::NameLine &l) { return l.entry == entry; });
        FUZZ_CHECK(std::any_of(spans.begin(), spans.end(), [&first](const settings::LineSpan &s) {
            return s.begin == first->begin && s.end() == first->end;
        }));
        const std::optional<QByteArray> rest = namedb::WithoutEntry(bytes, entry);
        FUZZ_CHECK(rest && *rest == bytes.first(first->begin) + bytes.sliced(first->end));
        const std::optional<namedb::RemovedLine> line = namedb::FindEntryLine(bytes, entry);
        FUZZ_CHECK(line && namedb::WithLineRestored(*rest, *line) == bytes);
    }
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    const QList<QByteArray> parts = fuzz::InputParts(data, size);
    const QByteArray old = parts[0];
    const QString name = QString::fromUtf8(parts.value(1));
    const QString birth = QString::fromUtf8(parts.value(2));

    checkDeletes(old);
    if (namedb::CheckNewEntry(name, birth))
        return 0;
    FUZZ_CHECK(!name.isEmpty() && !name.contains(u'"') && !name.contains(u'\r') && !name.contains(u'\n'));
    FUZZ_CHECK(birth.size() == 8 &&
               std::all_of(birth.begin(), birth.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }));
    const int month = birth.first(2).toInt(), day = birth.sliced(2, 2).toInt(), year = birth.last(4).toInt();
    FUZZ_CHECK(month >= 1 && month <= 12 && day >= 1 && day <= 31 && year >= 1500 && year <= 2099);

    const QString path = namedb::NameFilePath(folder.path());
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(old) == old.size());
    file.close();
    const QString entry = namedb::ComposeEntry(name, birth);
    FUZZ_CHECK(!namedb::AddEntry(path, entry));
    const QByteArray added = fileBytes(path);
    const QByteArray line = '"' + entry.toUtf8() + "\"\r\n";
    FUZZ_CHECK(added == old + line || added == old + "\r\n" + line);
    FUZZ_CHECK(entriesOf(added) == entriesOf(old) + QStringList{entry});

    checkDeletes(added);
    const namedb::Deletion deletion = namedb::DeleteEntry(path, entry);
    FUZZ_CHECK(!deletion.failure && deletion.removed);
    FUZZ_CHECK(fileBytes(path) == *namedb::WithoutEntry(added, entry));
    FUZZ_CHECK(!namedb::RestoreLine(path, *deletion.removed) && fileBytes(path) == added);
    return 0;
}
