#include "calendar/datecheck.h"

namespace calendar {

namespace {

QString boxWord(DateBox box)
{
    return box == DateBox::Start ? QStringLiteral("Start") : QStringLiteral("Birth");
}

DateMessage fieldMessage(DateBox box, const char *field, const char *range)
{
    const QString suffix = box == DateBox::Birth ? QStringLiteral(" IN BIRTH DATE") : QString();
    return {QStringLiteral("%1 DATE INPUT ERROR%2").arg(QString::fromLatin1(field).toUpper(), suffix),
            QStringLiteral("Input error in %1 date! The %2 must be a number from %3 and be in the format: "
                           "MM-DD-YYYY")
                .arg(boxWord(box), QString::fromLatin1(field), QString::fromLatin1(range))};
}

} // namespace

bool FieldOutside(QStringView text, qsizetype from, qsizetype count, QStringView low, QStringView high)
{
    const QStringView field = text.mid(from, count);
    return field.compare(low) < 0 || field.compare(high) > 0;
}

bool HasDateHyphens(QStringView text)
{
    return text.size() >= 6 && text[2] == QLatin1Char('-') && text[5] == QLatin1Char('-');
}

DateMessage TooMuchDataMessage(DateBox box)
{
    if (box == DateBox::Start)
        return {QStringLiteral("DATE ERROR!"),
                QStringLiteral("Input error in Starting Date! Too much data in Starting Date box.")};
    return {QStringLiteral("DATE ERROR!"),
            QStringLiteral("Input error in Birthdate! Too much data in Birthdate box.")};
}

std::optional<DateMessage> CheckDateText(QStringView text, DateBox box)
{
    if (text.size() < 10)
        return std::nullopt;
    if (text.size() >= 11)
        return TooMuchDataMessage(box);
    if (box == DateBox::Start && !HasDateHyphens(text))
        return DateMessage{
            QStringLiteral("DATE HYPHEN ERROR IN MM-DD-YYYY!"),
            QStringLiteral("Input error in Starting Date! The separators between the month and "
                           "day, and between the day and year must be hyphens, for example "
                           "MM-DD-YYYY.")};
    if (FieldOutside(text, 0, 2, u"01", u"12"))
        return fieldMessage(box, "Month", "01 to 12");
    if (FieldOutside(text, 3, 2, u"01", u"31"))
        return fieldMessage(box, "Day", "01 to 31");
    if (FieldOutside(text, 6, 4, u"1500", u"2099"))
        return fieldMessage(box, "Year", "1500 to 2099");
    return std::nullopt;
}

} // namespace calendar
