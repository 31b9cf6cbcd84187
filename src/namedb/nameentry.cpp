#include "namedb/nameentry.h"

#include "calendar/datecheck.h"
#include "calendar/namecheck.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace namedb {

std::optional<calendar::Message> CheckNewEntry(QStringView name, QStringView birth)
{
    using calendar::Check;
    using calendar::MessageOf;
    if (name.isEmpty() && birth.isEmpty())
        return MessageOf(Check::EntryNoNameOrDate);
    if (name.isEmpty())
        return MessageOf(Check::EntryNoName);
    if (birth.isEmpty())
        return MessageOf(Check::EntryNoDate);
    if (auto failure = calendar::CheckDateFields(birth, calendar::EntryFields, calendar::DateForm::Packed))
        return failure;
    if (name.contains(QLatin1Char('"')))
        return MessageOf(Check::EntryQuote);
    // Each entry is one line of the file; a line break pasted into the name would split it.
    if (name.contains(u'\r') || name.contains(u'\n'))
        return MessageOf(Check::EntryLineBreak);
    if (auto failure = calendar::CheckNameCharacters(name))
        return failure;
    // The checks above compare text and look at characters 1 to 8 only, so a short, long or
    // lettered date could pass them and be stored as a birthdate the Birthdate box refuses.
    const bool eightDigits = birth.size() == 8 && std::all_of(birth.begin(), birth.end(),
                                                              [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!eightDigits)
        return MessageOf(Check::EntryNotEightDigits);
    return std::nullopt;
}

QString ComposeEntry(QStringView name, QStringView birth)
{
    QString entry;
    entry.reserve(name.size() + 11);
    entry.append(name).append(QLatin1Char(' ')).append(birth.mid(0, 2)).append(QLatin1Char('-'));
    entry.append(birth.mid(2, 2)).append(QLatin1Char('-')).append(birth.right(4));
    return entry;
}

EntryParts SplitEntry(QStringView entry)
{
    return {entry.left(std::max<qsizetype>(0, entry.size() - 11)).toString(), entry.right(10).toString()};
}

QStringList SortedEntries(QStringList entries)
{
    // One fixed locale, so that the list reads in the same order on every machine.
    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(entries.begin(), entries.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return entries;
}

} // namespace namedb
