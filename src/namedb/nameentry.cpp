#include "namedb/nameentry.h"

#include "calendar/datecheck.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace namedb {

std::optional<Message> CheckNewEntry(QStringView name, QStringView birth)
{
    if (name.isEmpty() && birth.isEmpty())
        return Message{QStringLiteral("NAME & DATE INPUT ERROR"),
                       QStringLiteral("No name or date has been entered")};
    if (name.isEmpty())
        return Message{QStringLiteral("NAME INPUT ERROR"), QStringLiteral("No name has been entered")};
    if (birth.isEmpty())
        return Message{QStringLiteral("DATE INPUT ERROR"), QStringLiteral("No date has been entered")};
    if (calendar::FieldOutside(birth, 0, 2, u"01", u"12"))
        return Message{QStringLiteral("MONTH DATE INPUT ERROR"),
                       QStringLiteral("Input error in Month! The Month must be a number from 01 to 12")};
    if (calendar::FieldOutside(birth, 2, 2, u"01", u"31"))
        return Message{QStringLiteral("DAY DATE INPUT ERROR"),
                       QStringLiteral("Input error in Day! The Day must be a number from 01 to 31")};
    if (calendar::FieldOutside(birth, 4, 4, u"1500", u"2099"))
        return Message{QStringLiteral("YEAR DATE INPUT ERROR"),
                       QStringLiteral("Input error in Year! The Year must be a number from 1500 to 2099")};
    if (name.contains(QLatin1Char('"')))
        return Message{QStringLiteral("NAME INPUT ERROR"),
                       QStringLiteral("A name cannot contain the double quote character (\"). Please remove "
                                      "it or use a single quote instead.")};
    // Each entry is one line of the file; a line break pasted into the name would split it.
    if (name.contains(u'\r') || name.contains(u'\n'))
        return Message{QStringLiteral("NAME INPUT ERROR"),
                       QStringLiteral("A name cannot contain a line break. Please type it on one line.")};
    // The checks above compare text and look at characters 1 to 8 only, so a short, long or
    // lettered date could pass them and be stored as a birthdate the Birthdate box refuses.
    const bool eightDigits = birth.size() == 8 && std::all_of(birth.begin(), birth.end(),
                                                              [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!eightDigits)
        return Message{QStringLiteral("DATE INPUT ERROR"),
                       QStringLiteral("The birthdate must be eight digits, MMDDYYYY")};
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
