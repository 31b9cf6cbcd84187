#include "export/calendarexport.h"

#include "chart/chartwalk.h"
#include "chart/daymarkers.h"
#include "chart/forecast.h"
#include "chart/specialdays.h"
#include "platform/outputtarget.h"
#include "tidemarkversion.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>

#include <libical/ical.h>

#include <array>
#include <memory>
#include <optional>

namespace exports {

namespace {

constexpr int LastYear = 9999;

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct Category
{
    const char *key;   // in the UID
    const char *words; // CATEGORIES, for calendar programs that sort by it
};
constexpr std::array<Category, 4> Categories = {{{"critical", "Critical day"},
                                                 {"triple-high", "Triple high"},
                                                 {"triple-low", "Triple low"},
                                                 {"birthday", "Birthday"}}};

const Category &CategoryOf(EventKind kind)
{
    return Categories[int(kind)];
}

// A crossing marker in plain words: the cycle, and a sentence on what it does.
struct Crossing
{
    QString cycle;
    QString sentence;
};

std::optional<Crossing> CrossingOf(chart::DayMarker marker)
{
    switch (marker) {
    case chart::DayMarker::EmotionalCrossing:
        return Crossing{QStringLiteral("emotional"),
                        QStringLiteral("The emotional cycle crosses the centre line.")};
    case chart::DayMarker::PhysicalUp:
        return Crossing{QStringLiteral("physical"),
                        QStringLiteral("The physical cycle crosses the centre line going up.")};
    case chart::DayMarker::IntellectualUp:
        return Crossing{QStringLiteral("intellectual"),
                        QStringLiteral("The intellectual cycle crosses the centre line going up.")};
    case chart::DayMarker::PhysicalDown:
        return Crossing{QStringLiteral("physical"),
                        QStringLiteral("The physical cycle is about to cross the centre line going down.")};
    case chart::DayMarker::IntellectualDown:
        return Crossing{
            QStringLiteral("intellectual"),
            QStringLiteral("The intellectual cycle is about to cross the centre line going down.")};
    case chart::DayMarker::TripleHigh:
    case chart::DayMarker::TripleLow:
        break;
    }
    return std::nullopt;
}

QString UidOf(const chart::ChartPlan &plan, const QDate &date, EventKind kind)
{
    const QByteArray key =
        (plan.name.trimmed() + QLatin1Char('\n') + plan.birthText + QLatin1Char('\n') +
         date.toString(Qt::ISODate) + QLatin1Char('\n') + QLatin1String(CategoryOf(kind).key))
            .toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral("@tidemark.example.com");
}

// The name as an event's text may hold it: a calendar's TEXT value allows no control characters
// (a line break only escaped, and a summary is one line), and calendar programs drop the blanks
// around a value. The commands refuse a name holding a control character; any that still comes
// is dropped, and so are the blanks around the name, as its UID leaves them out.
QString CalendarText(QString text)
{
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text.trimmed();
}

icaltimetype DateValue(const QDate &date)
{
    icaltimetype value = icaltime_null_date();
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    return value;
}

// An alarm at `reminder` on the event's day: all-day events start at the day's midnight.
icalcomponent *AlarmComponent(const QByteArray &summary, const QTime &reminder)
{
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(reminder.msecsSinceStartOfDay() / 1000);
    return icalcomponent_vanew(ICAL_VALARM_COMPONENT, icalproperty_new_action(ICAL_ACTION_DISPLAY),
                               icalproperty_new_description(summary.constData()),
                               icalproperty_new_trigger(trigger), nullptr);
}

Component EventComponent(const CalendarEvent &event, const icaltimetype &stamp, const QTime &reminder)
{
    const QByteArray uid = event.uid.toUtf8();
    const QByteArray summary = event.summary.toUtf8();
    const QByteArray description = event.description.toUtf8();
    Component component(icalcomponent_vanew(
        ICAL_VEVENT_COMPONENT, icalproperty_new_uid(uid.constData()), icalproperty_new_dtstamp(stamp),
        icalproperty_new_dtstart(DateValue(event.date)),
        icalproperty_new_dtend(DateValue(event.date.addDays(1))),
        icalproperty_new_summary(summary.constData()), icalproperty_new_description(description.constData()),
        icalproperty_new_categories(CategoryOf(event.kind).words),
        icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), nullptr));
    if (reminder.isValid())
        icalcomponent_add_component(component.get(), AlarmComponent(summary, reminder));
    return component;
}

// The component as iCalendar text: folded lines ended by CR LF.
QByteArray TextOf(icalcomponent *component)
{
    char *text = icalcomponent_as_ical_string_r(component);
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

} // namespace

QList<CalendarEvent> EventsOfDay(const chart::ChartPlan &plan, const chart::ChartDay &day)
{
    QList<CalendarEvent> events;
    const QDate date = chart::DateOf(day);
    const QString name = CalendarText(plan.name);
    auto add = [&](EventKind kind, const QString &what, const QString &description) {
        events.append({kind, date, name + QStringLiteral(": ") + what, description, UidOf(plan, date, kind)});
    };
    const chart::DayMarkerList markers = chart::DayMarkers(day);
    if (chart::IsCriticalDay(day)) {
        QStringList cycles;
        QStringList sentences;
        for (const chart::DayMarker marker : markers) {
            if (const auto crossing = CrossingOf(marker)) {
                cycles << crossing->cycle;
                sentences << crossing->sentence;
            }
        }
        sentences << chart::CriticalDaySentence.toString();
        add(EventKind::CriticalDay,
            QStringLiteral("critical day (%1)").arg(cycles.join(QStringLiteral(", "))),
            sentences.join(QLatin1Char(' ')));
    }
    if (chart::IsTripleHigh(day))
        add(EventKind::TripleHigh, QStringLiteral("triple high"), chart::TripleHighSentence.toString());
    if (chart::IsTripleLow(day))
        add(EventKind::TripleLow, QStringLiteral("triple low"), chart::TripleLowSentence.toString());
    const qint64 age = qint64(day.year) - plan.birth.year;
    for (const chart::SpecialDayLine &line : chart::SpecialDayLines(day, plan.birth)) {
        if (line.kind != chart::SpecialDay::Birthday || age < 0)
            continue;
        if (age == 0)
            add(EventKind::Birthday, QStringLiteral("day of birth"), name + QStringLiteral(" is born."));
        else
            add(EventKind::Birthday,
                QString::number(age) + chart::OrdinalSuffix(age).toLower() + QStringLiteral(" birthday"),
                name + QStringLiteral(" reaches the age of %1.").arg(age));
    }
    return events;
}

bool WriteCalendar(const chart::ChartPlan &plan, const QDate &today, QIODevice &out, const QTime &reminder)
{
    const Component calendar(icalcomponent_vanew(
        ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
        icalproperty_new_prodid("-//Tidemark//Tidemark " TIDEMARK_VERSION "//EN"),
        icalproperty_new_calscale("GREGORIAN"), icalproperty_new_method(ICAL_METHOD_PUBLISH), nullptr));
    // The calendar's own lines go around its events, which are written one by one as the chart
    // walks, so that a long period never stands whole in memory.
    const QByteArray frame = TextOf(calendar.get());
    const qsizetype end = frame.lastIndexOf("END:VCALENDAR");
    if (out.write(frame.left(end)) != end)
        return false;

    icaltimetype stamp = icaltime_null_time();
    stamp.year = today.year();
    stamp.month = today.month();
    stamp.day = today.day();
    stamp.zone = icaltimezone_get_utc_timezone();
    chart::ChartPlan walked = plan;
    walked.forecast = walked.holidays = false;
    for (chart::ChartWalk walk(walked); walk.next() && walk.day().year <= LastYear;) {
        for (const CalendarEvent &event : EventsOfDay(plan, walk.day())) {
            const QByteArray text = TextOf(EventComponent(event, stamp, reminder).get());
            if (out.write(text) != text.size())
                return false;
        }
    }
    return out.write(frame.mid(end)) == frame.size() - end;
}

QString SaveCalendarFile(const QString &path, const chart::ChartPlan &plan, const QDate &today,
                         const QTime &reminder)
{
    const auto failed = [&path](const QString &reason) {
        return QStringLiteral("The calendar file \"%1\" could not be written: %2.").arg(path, reason);
    };
    const OutputTarget target = OutputTargetOf(path);
    if (target.kind != OutputTarget::Kind::Replace) {
        QFile file;
        QString error;
        if (!OpenInPlace(file, target, &error))
            return failed(error);
        if (!WriteCalendar(plan, today, file, reminder) || !file.flush())
            return failed(file.errorString());
        return {};
    }
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly) || !WriteCalendar(plan, today, file, reminder) || !file.commit())
        return failed(file.errorString());
    return {};
}

} // namespace exports
