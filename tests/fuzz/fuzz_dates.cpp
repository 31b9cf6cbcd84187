// The date checks and the calendar. The input is a date text and a chart length, separated by
// the part separator. CheckDateText takes any text; a text that ParseDateText accepts passes the
// entry checks. For a real calendar date the weekday, the end date and the chart's days are
// QDate's. A day past its month's end (02-30-1990), which the entry checks accept, follows the
// program's own rule: the weekday counts the day field on from the first of the month
// (02-31-2025 is counted as 03-03-2025), while the chart, and with it the end date, starts on the
// first of the next month, with that day's weekday and day count.
#include "calendar/calendar.h"
#include "calendar/datecheck.h"
#include "chart/chartday.h"
#include "fuzzcheck.h"

#include <QDate>
#include <QLocale>

namespace {

// Enough days to cross month and year ends from any start.
constexpr int WalkedDays = 400;
constexpr double DayCount = 10000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = fuzz::InputParts(data, size);
    const QString text = QString::fromUtf8(parts[0]);
    const auto startFailure = calendar::CheckDateText(text, calendar::DateBox::Start);
    const auto birthFailure = calendar::CheckDateText(text, calendar::DateBox::Birth);
    const std::optional<calendar::DateParts> date = calendar::ParseDateText(text);
    if (!date)
        return 0;
    FUZZ_CHECK(!birthFailure && (!startFailure || !calendar::HasDateHyphens(text)));

    bool ok = false;
    qint64 length = parts.value(1).trimmed().toLongLong(&ok);
    if (!ok)
        length = 1;
    const QDate real(date->year, date->month, date->day);
    const QDate counted = QDate(date->year, date->month, 1).addDays(date->day - 1);
    FUZZ_CHECK(!real.isValid() || real == counted);
    FUZZ_CHECK(calendar::WeekdayOf(date->month, date->day, date->year) ==
               QLocale::c().dayName(counted.dayOfWeek()));
    // The chart, and so its end date, starts on the first of the next month for a day past the end.
    const QDate first = real.isValid() ? real : QDate(date->year, date->month, 1).addMonths(1);
    const QDate end = length >= 1 ? first.addDays(length - 1) : QDate();
    const QString expectedEnd = end.isValid() && end.year() <= 9999
                                    ? calendar::FormatDateText(end.month(), end.day(), end.year())
                                    : QString();
    FUZZ_CHECK(calendar::EndDateOf(text, length) == expectedEnd);

    chart::ChartDay day = chart::StartingChartDay(*date, DayCount);
    for (int n = 0; n < WalkedDays; ++n) {
        day = chart::AdvanceChartDay(day);
        const QDate expected = first.addDays(n);
        FUZZ_CHECK(day.year == expected.year() && day.month == expected.month() && day.day == expected.day());
        FUZZ_CHECK(day.weekday == expected.dayOfWeek() % 7);
        FUZZ_CHECK(day.dayCount == DayCount + counted.daysTo(first) + n);
    }
    return 0;
}
