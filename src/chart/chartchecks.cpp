#include "chart/chartchecks.h"

#include "calendar/calendar.h"
#include "calendar/datecheck.h"
#include "calendar/namecheck.h"
#include "chart/chartplan.h"

#include <algorithm>

namespace chart {

namespace {

using calendar::Check;
using calendar::DateForm;
using calendar::MessageOf;
using calendar::NonDigits;

} // namespace

std::optional<calendar::Message> CheckChartBirthdate(QStringView birth)
{
    if (birth.isEmpty())
        return MessageOf(Check::ChartNoBirthdate);
    if (!calendar::HasDateHyphens(birth))
        return MessageOf(Check::ChartBirthHyphens);
    if (auto failure =
            calendar::CheckDateFields(birth, calendar::ChartBirthFields, DateForm::Dashed, NonDigits::Fail))
        return failure;
    if (birth.size() > 10)
        return MessageOf(Check::BirthTooMuchData);
    return std::nullopt;
}

namespace {

std::optional<calendar::Message> checkStart(QStringView start)
{
    if (start.size() < 10)
        return MessageOf(Check::ChartNoStart);
    if (auto failure = calendar::CheckDateText(start, calendar::DateBox::Start))
        return failure;
    // The fields passed as text; one holding a non-digit gets the message of that field.
    return calendar::CheckDateFields(start, calendar::StartBoxFields, DateForm::Dashed, NonDigits::Fail);
}

} // namespace

std::optional<calendar::Message> CheckLinesPerPage(QStringView linesPerPage)
{
    if (linesPerPage.compare(QLatin1String("1")) < 0)
        return MessageOf(Check::ChartLinesPerPage);
    // Any other text but digits would count as 0 and end every page after its first line.
    if (!std::all_of(linesPerPage.begin(), linesPerPage.end(),
                     [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return MessageOf(Check::ChartLinesPerPageNotWhole);
    return std::nullopt;
}

std::optional<calendar::Message> CheckChartFields(const ChartFields &fields, LinesPerPageCheck linesPerPage)
{
    if (linesPerPage == LinesPerPageCheck::Check) {
        if (auto failure = CheckLinesPerPage(fields.preferences.linesPerPage))
            return failure;
    }
    if (fields.name.isEmpty())
        return MessageOf(Check::ChartNoName);
    if (auto failure = calendar::CheckNameCharacters(fields.name))
        return failure;
    if (auto failure = CheckChartBirthdate(fields.person.birth))
        return failure;
    if (auto failure = checkStart(fields.person.start))
        return failure;
    if (fields.person.length.isEmpty())
        return MessageOf(Check::ChartNoLength);
    return CheckChartLength(fields.person.start, fields.person.length);
}

std::optional<calendar::Message> CheckChartLength(QStringView start, QStringView length)
{
    const qint64 days = ChartLengthOf(length);
    if (days > 0 && calendar::ParseDateText(start) && calendar::EndDateOf(start, days).isEmpty())
        return MessageOf(Check::ChartTooLong);
    return std::nullopt;
}

} // namespace chart
