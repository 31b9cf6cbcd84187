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
#include <QtGlobal>

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

// A crossing marker in plain words: the cycle, and a sentence on what it does, both English
// source texts of the context "CalendarEvents".
struct Crossing
{
    const char *cycle;
    const char *sentence;
};

std::optional<Crossing> CrossingOf(chart::DayMarker marker)
{
    switch (marker) {
    case chart::DayMarker::EmotionalCrossing:
        return Crossing{QT_TRANSLATE_NOOP("CalendarEvents", "emotional"),
                        QT_TRANSLATE_NOOP("CalendarEvents", "The emotional cycle crosses the centre line.")};
    case chart::DayMarker::PhysicalUp:
        return Crossing{
            QT_TRANSLATE_NOOP("CalendarEvents", "physical"),
            QT_TRANSLATE_NOOP("CalendarEvents", "The physical cycle crosses the centre line going up.")};
    case chart::DayMarker::IntellectualUp:
        return Crossing{
            QT_TRANSLATE_NOOP("CalendarEvents", "intellectual"),
            QT_TRANSLATE_NOOP("CalendarEvents", "The intellectual cycle crosses the centre line going up.")};
    case chart::DayMarker::PhysicalDown:
        return Crossing{
            QT_TRANSLATE_NOOP("CalendarEvents", "physical"),
            QT_TRANSLATE_NOOP("CalendarEvents",
                              "The physical cycle is about to cross the centre line going down.")};
    case chart::DayMarker::IntellectualDown:
        return Crossing{
            QT_TRANSLATE_NOOP("CalendarEvents", "intellectual"),
            QT_TRANSLATE_NOOP("CalendarEvents",
                              "The intellectual cycle is about to cross the centre line going down.")};
    case chart::DayMarker::TripleHigh:
    case chart::DayMarker::TripleLow:
        break;
    }
    return std::nullopt;
}

// The chart's condition sentences, as an event's description gives them: the same English, marked
// for translation here, where they are shown in the user's language.
constexpr const char *TripleHighWords = QT_TRANSLATE_NOOP(
    "CalendarEvents", "You are on a triple high today with all three cycles being positive.");
constexpr const char *TripleLowWords = QT_TRANSLATE_NOOP(
    "CalendarEvents", "You are on a triple low today with all three cycles being negative.");
constexpr const char *CriticalDayWords =
    QT_TRANSLATE_NOOP("CalendarEvents", "Today is an accident-prone day. One or more cycles are 'critical.'");

constexpr bool SameText(QStringView text, const char *latin1)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() != static_cast<unsigned char>(latin1[i]))
            return false;
    }
    return latin1[text.size()] == '\0';
}
static_assert(SameText(chart::TripleHighSentence, TripleHighWords));
static_assert(SameText(chart::TripleLowSentence, TripleLowWords));
static_assert(SameText(chart::CriticalDaySentence, CriticalDayWords));

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

QList<CalendarEvent> EventsOfDay(const chart::ChartPlan &plan, const chart::ChartDay &day, Wording words)
{
    QList<CalendarEvent> events;
    const QDate date = chart::DateOf(day);
    const QString name = CalendarText(plan.name);
    const auto said = [words](const char *english) { return words("CalendarEvents", english); };
    auto add = [&](EventKind kind, const QString &what, const QString &description) {
        //: An event's summary: %1 is the person's name, %2 what the day is
        const QString summary = said(QT_TRANSLATE_NOOP("CalendarEvents", "%1: %2")).arg(name, what);
        events.append({kind, date, summary, description, UidOf(plan, date, kind)});
    };
    const chart::DayMarkerList markers = chart::DayMarkers(day);
    if (chart::IsCriticalDay(day)) {
        QStringList cycles;
        QStringList sentences;
        for (const chart::DayMarker marker : markers) {
            if (const auto crossing = CrossingOf(marker)) {
                cycles << said(crossing->cycle);
                sentences << said(crossing->sentence);
            }
        }
        sentences << said(CriticalDayWords);
        add(EventKind::CriticalDay,
            //: %1 lists the cycles that cross the centre line, e.g. "physical, emotional"
            said(QT_TRANSLATE_NOOP("CalendarEvents", "critical day (%1)"))
                .arg(cycles.join(QStringLiteral(", "))),
            sentences.join(QLatin1Char(' ')));
    }
    if (chart::IsTripleHigh(day))
        add(EventKind::TripleHigh, said(QT_TRANSLATE_NOOP("CalendarEvents", "triple high")),
            said(TripleHighWords));
    if (chart::IsTripleLow(day))
        add(EventKind::TripleLow, said(QT_TRANSLATE_NOOP("CalendarEvents", "triple low")),
            said(TripleLowWords));
    const qint64 age = qint64(day.year) - plan.birth.year;
    for (const chart::SpecialDayLine &line : chart::SpecialDayLines(day, plan.birth)) {
        if (line.kind != chart::SpecialDay::Birthday || age < 0)
            continue;
        if (age == 0)
            add(EventKind::Birthday, said(QT_TRANSLATE_NOOP("CalendarEvents", "day of birth")),
                //: %1 is the person's name
                said(QT_TRANSLATE_NOOP("CalendarEvents", "%1 is born.")).arg(name));
        else
            add(EventKind::Birthday,
                //: %1 is the age reached, %2 its English ordinal ending (st, nd, rd, th): leave %2 out
                //: where the language has no such ending
                said(QT_TRANSLATE_NOOP("CalendarEvents", "%1%2 birthday"))
                    .arg(QString::number(age), chart::OrdinalSuffix(age).toLower()),
                //: %1 is the person's name, %2 the age reached
                said(QT_TRANSLATE_NOOP("CalendarEvents", "%1 reaches the age of %2."))
                    .arg(name, QString::number(age)));
    }
    return events;
}

bool WriteCalendar(const chart::ChartPlan &plan, const QDate &today, QIODevice &out, const QTime &reminder,
                   Wording words)
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
        for (const CalendarEvent &event : EventsOfDay(plan, walk.day(), words)) {
            const QByteArray text = TextOf(EventComponent(event, stamp, reminder).get());
            if (out.write(text) != text.size())
                return false;
        }
    }
    return out.write(frame.mid(end)) == frame.size() - end;
}

QString SaveCalendarFile(const QString &path, const chart::ChartPlan &plan, const QDate &today,
                         const QTime &reminder, Wording words)
{
    const auto failed = [&path, words](const QString &reason) {
        //: %1 is the calendar file's path, %2 why it could not be written
        return words(
                   "CalendarEvents",
                   QT_TRANSLATE_NOOP("CalendarEvents", "The calendar file \"%1\" could not be written: %2."))
            .arg(path, reason);
    };
    const OutputTarget target = OutputTargetOf(path);
    if (target.kind != OutputTarget::Kind::Replace) {
        QFile file;
        QString error;
        if (!OpenInPlace(file, target, &error))
            return failed(error);
        if (!WriteCalendar(plan, today, file, reminder, words) || !file.flush())
            return failed(file.errorString());
        return {};
    }
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly) || !WriteCalendar(plan, today, file, reminder, words) ||
        !file.commit())
        return failed(file.errorString());
    return {};
}

} // namespace exports
