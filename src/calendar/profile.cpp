#include "calendar/profile.h"

#include "calendar/calendar.h"
#include "calendar/numbertext.h"

#include <array>

namespace calendar {

namespace {

struct SignTests
{
    const char *endsHere;   // the sign whose range ends in this month
    const char *lastDay;    // its last day
    const char *startsHere; // the sign whose range begins in this month
    const char *firstDay;   // its first day
};

// Month by month: a day up to lastDay is endsHere, a day from firstDay on is startsHere.
constexpr std::array<SignTests, 12> Signs = {{
    {"Capricorn", "19", "Aquarius", "20"},
    {"Aquarius", "18", "Pisces", "19"},
    {"Pisces", "20", "Aries", "21"},
    {"Aries", "19", "Taurus", "20"},
    {"Taurus", "20", "Gemini", "21"},
    {"Gemini", "20", "Cancer", "21"},
    {"Cancer", "22", "Leo", "23"},
    {"Leo", "22", "Virgo", "23"},
    {"Virgo", "22", "Libra", "23"},
    {"Libra", "22", "Scorpio", "23"},
    {"Scorpio", "21", "Sagittarius", "22"},
    {"Sagittarius", "21", "Capricorn", "22"},
}};

constexpr std::array<const char *, 12> MonthFields = {"01", "02", "03", "04", "05", "06",
                                                      "07", "08", "09", "10", "11", "12"};

// One rule for every computation that reads the start date: it must pass every entry check the
// start date box makes (the separator check among them) and be a date to compute with. A start
// date that failed is used by nothing until it is corrected.
bool StartDateUsable(QStringView start)
{
    return !CheckDateText(start, DateBox::Start) && ParseDateText(start).has_value();
}

} // namespace

QString SignOf(QStringView birth)
{
    const QStringView month = birth.mid(0, 2);
    const QStringView day = birth.mid(3, 2);
    for (std::size_t m = 0; m < Signs.size(); ++m) {
        if (month != QLatin1String(MonthFields[m]))
            continue;
        const SignTests &t = Signs[m];
        if (day.compare(QLatin1String(t.lastDay)) <= 0)
            return QString::fromLatin1(t.endsHere);
        return QString::fromLatin1(t.startsHere);
    }
    return {};
}

void ComputeAgeInDays(PersonBoxes &boxes)
{
    if (!StartDateUsable(boxes.start) || boxes.birth.size() < 10)
        return;
    if (const auto days = AgeInDays(boxes.birth, boxes.start))
        boxes.ageDays = QString::number(*days);
}

BoxUpdate BirthdateChanged(PersonBoxes boxes)
{
    BoxUpdate out;
    const qsizetype n = boxes.birth.size();
    // An empty box and a date that is no number clear the same boxes, at either end of the checks.
    if (n == 0) { // NOLINT(bugprone-branch-clone)
        boxes.sign.clear();
        boxes.weekday.clear();
        boxes.ageDays.clear();
        boxes.ageYears.clear();
    } else if (n < 10 || n >= 11) {
        boxes.weekday.clear();
        boxes.ageDays.clear();
        boxes.ageYears.clear();
        if (n >= 11)
            out.message = MessageOf(Check::BirthTooMuchData);
    } else if (auto failure = CheckDateText(boxes.birth, DateBox::Birth)) {
        out.message = failure;
    } else if (const auto parts = ParseDateText(boxes.birth)) {
        boxes.sign = SignOf(boxes.birth);
        boxes.weekday = WeekdayOf(parts->month, parts->day, parts->year);
        if (StartDateUsable(boxes.start)) {
            const auto years = AgeInYears(boxes.birth, boxes.start);
            boxes.ageYears = years ? QString::number(*years) : QString();
        }
    } else {
        // Passes the checks as text but holds something that is not a digit: nothing to derive.
        boxes.sign.clear();
        boxes.weekday.clear();
        boxes.ageDays.clear();
        boxes.ageYears.clear();
    }
    ComputeAgeInDays(boxes);
    out.boxes = boxes;
    return out;
}

BoxUpdate StartDateChanged(PersonBoxes boxes)
{
    BoxUpdate out;
    if (boxes.start.size() >= 10)
        out.message = CheckDateText(boxes.start, DateBox::Start);
    boxes.length.clear();
    boxes.end.clear();
    // Both ages are measured at the start date, so neither survives a start date (or a
    // birthdate) they cannot be measured with.
    const bool measurable = StartDateUsable(boxes.start);
    const auto years = measurable ? AgeInYears(boxes.birth, boxes.start) : std::nullopt;
    const auto days = measurable ? AgeInDays(boxes.birth, boxes.start) : std::nullopt;
    boxes.ageYears = years ? QString::number(*years) : QString();
    boxes.ageDays = days ? QString::number(*days) : QString();
    out.boxes = boxes;
    return out;
}

PersonBoxes LengthChanged(PersonBoxes boxes)
{
    if (boxes.start.size() < 10) {
        boxes.length.clear();
        boxes.end.clear();
        return boxes;
    }
    const auto length = LeadingWholeNumber(boxes.length);
    if (!StartDateUsable(boxes.start) || boxes.length.isEmpty() || !length || *length < 1)
        boxes.end.clear();
    else
        boxes.end = EndDateOf(boxes.start, *length);
    return boxes;
}

} // namespace calendar
