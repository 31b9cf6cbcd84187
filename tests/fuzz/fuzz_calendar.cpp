// The iCalendar export. The input holds a name, a birthdate, a start date and a length, separated
// by the part separator (fuzzplan.h). The calendar written for the period parses back with
// libical into its events, in order, each with the SUMMARY and DESCRIPTION that EventsOfDay gave
// it, and the file holds no control character but its line ends, whatever the name holds.
#include "chart/chartwalk.h"
#include "export/calendarexport.h"
#include "fuzzcheck.h"
#include "fuzzplan.h"

#include <QBuffer>
#include <QRegularExpression>

#include <libical/ical.h>

#include <memory>

namespace {

// A year and more: every kind of event, birthdays included.
constexpr qint64 MaxDays = 400;

// The text as libical reads it back from the file: UTF-8, where a lone surrogate has become a
// replacement character, without the blanks around it (only an empty name leaves one there).
QString written(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("^ +| +$"));
    return QString::fromUtf8(text.toUtf8()).remove(blanks);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<chart::ChartPlan> plan = fuzz::PlanOfParts(fuzz::InputParts(data, size), MaxDays);
    if (!plan)
        return 0;
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    FUZZ_CHECK(exports::WriteCalendar(*plan, QDate(2025, 5, 20), file));
    const QByteArray bytes = file.data();
    // No control character but the CR LF that ends each line.
    static const QRegularExpression controls(
        QStringLiteral("[\\x00-\\x09\\x0b\\x0c\\x0e-\\x1f\\x7f-\\x9f]|\\r(?!\\n)|(?<!\\r)\\n"));
    FUZZ_CHECK(!QString::fromUtf8(bytes).contains(controls));

    QList<exports::CalendarEvent> expected;
    chart::ChartPlan walked = *plan;
    walked.forecast = walked.holidays = false;
    for (chart::ChartWalk walk(walked); walk.next() && walk.day().year <= 9999;)
        expected += exports::EventsOfDay(*plan, walk.day());

    const std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> calendar(
        icalparser_parse_string(bytes.constData()), &icalcomponent_free);
    FUZZ_CHECK(calendar && icalcomponent_isa(calendar.get()) == ICAL_VCALENDAR_COMPONENT);
    qsizetype n = 0;
    for (icalcomponent *event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT), ++n) {
        FUZZ_CHECK(n < expected.size());
        FUZZ_CHECK(QString::fromUtf8(icalcomponent_get_summary(event)) == written(expected[n].summary));
        FUZZ_CHECK(QString::fromUtf8(icalcomponent_get_description(event)) ==
                   written(expected[n].description));
        FUZZ_CHECK(QString::fromUtf8(icalcomponent_get_uid(event)) == expected[n].uid);
    }
    FUZZ_CHECK(n == expected.size());
    return 0;
}
