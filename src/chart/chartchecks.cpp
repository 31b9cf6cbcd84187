#include "chart/chartchecks.h"

#include <QString>

#include <algorithm>

namespace chart {

namespace {

ChartMessage message(const char *title, const char *text)
{
    return {QString::fromLatin1(title), QString::fromLatin1(text)};
}

bool allDigits(QStringView text, qsizetype from, qsizetype count)
{
    const QStringView field = text.mid(from, count);
    if (field.size() != count)
        return false;
    return std::all_of(field.begin(), field.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

// A field outside its bounds as text, or one that is not all digits (which would otherwise
// sort inside the bounds, such as a month "0A", and reach the arithmetic).
bool fieldBad(QStringView text, qsizetype from, qsizetype count, QStringView low, QStringView high)
{
    return calendar::FieldOutside(text, from, count, low, high) || !allDigits(text, from, count);
}

std::optional<ChartMessage> checkBirth(QStringView birth)
{
    if (birth.isEmpty())
        return message("NO BIRTHDATE ENTERED!", "There is no Birthdate selected to use on chart!");
    if (!calendar::HasDateHyphens(birth))
        return message("DATE ERROR!",
                       "Input error in Birthdate! The Date must include the dash (-) after the "
                       "month, and after the day! Format must be MM-DD-YYYY.");
    if (fieldBad(birth, 0, 2, u"01", u"12"))
        return message("DATE ERROR!", "Input error in Birthdate! The Month must be a number from 01 to 12");
    if (fieldBad(birth, 3, 2, u"01", u"31"))
        return message("DATE ERROR!", "Input error in Birthdate! The Day must be a number from 01 to 31");
    if (fieldBad(birth, 6, 4, u"1500", u"2099"))
        return message("DATE ERROR!",
                       "Input error in Birthdate! The Year must be a number from 1500 to 2099");
    if (birth.size() > 10)
        return calendar::TooMuchDataMessage(calendar::DateBox::Birth);
    return std::nullopt;
}

std::optional<ChartMessage> checkStart(QStringView start)
{
    if (start.size() < 10)
        return message("NO CHART STARTING DATE INDICATED!",
                       "There is no correct date to indicate chart starting date!");
    if (auto failure = calendar::CheckDateText(start, calendar::DateBox::Start))
        return failure;
    // A field that passes as text but holds a non-digit gets the message of that field: checked
    // again with the field out of range, the entry checks name it.
    struct Field
    {
        qsizetype from;
        qsizetype count;
    };
    for (const Field f : {Field{0, 2}, Field{3, 2}, Field{6, 4}}) {
        if (!allDigits(start, f.from, f.count)) {
            QString probe = start.toString();
            probe.replace(f.from, f.count, QString(f.count, QLatin1Char('9')));
            return calendar::CheckDateText(probe, calendar::DateBox::Start);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<ChartMessage> CheckChartFields(const ChartFields &fields, LinesPerPageCheck linesPerPage)
{
    if (linesPerPage == LinesPerPageCheck::Check &&
        fields.preferences.linesPerPage.compare(QLatin1String("1")) < 0)
        return message("LINES PER PAGE INCORRECT!", "Lines Per Page is zero or a minus number!");
    if (fields.name.isEmpty())
        return message("NO NAME ENTERED!", "There is no Name selected to use on chart!");
    if (auto failure = checkBirth(fields.person.birth))
        return failure;
    if (auto failure = checkStart(fields.person.start))
        return failure;
    if (fields.person.length.isEmpty())
        return message("NO LENGTH OF CHART INDICATED!",
                       "There is no number to indicate length of chart desired!");
    return std::nullopt;
}

} // namespace chart
