#include "calendar/datecheck.h"

#include <algorithm>
#include <array>

namespace calendar {

namespace {

struct FieldBounds
{
    qsizetype width;
    QStringView low;
    QStringView high;
};

constexpr FieldBounds Bounds[] = {{2, u"01", u"12"}, {2, u"01", u"31"}, {4, u"1500", u"2099"}};
constexpr std::array<qsizetype, 3> DashedStarts = {0, 3, 6};
constexpr std::array<qsizetype, 3> PackedStarts = {0, 2, 4};

bool allDigits(QStringView field, qsizetype width)
{
    return field.size() == width &&
           std::all_of(field.begin(), field.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

std::optional<Message> CheckDateFields(QStringView text, const FieldChecks &checks, DateForm form,
                                       NonDigits nonDigits)
{
    const std::array<qsizetype, 3> &starts = form == DateForm::Dashed ? DashedStarts : PackedStarts;
    for (std::size_t k = 0; k < checks.size(); ++k) {
        const FieldBounds &bounds = Bounds[k];
        const QStringView field = text.mid(starts[k], bounds.width);
        const bool outside = field.compare(bounds.low) < 0 || field.compare(bounds.high) > 0;
        if (outside || (nonDigits == NonDigits::Fail && !allDigits(field, bounds.width)))
            return MessageOf(checks[k]);
    }
    return std::nullopt;
}

bool HasDateHyphens(QStringView text)
{
    return text.size() >= 6 && text[2] == QLatin1Char('-') && text[5] == QLatin1Char('-');
}

std::optional<Message> CheckDateText(QStringView text, DateBox box)
{
    const bool start = box == DateBox::Start;
    if (text.size() < 10)
        return std::nullopt;
    if (text.size() >= 11)
        return MessageOf(start ? Check::StartTooMuchData : Check::BirthTooMuchData);
    if (start && !HasDateHyphens(text))
        return MessageOf(Check::StartHyphens);
    return CheckDateFields(text, start ? StartBoxFields : BirthBoxFields);
}

} // namespace calendar
