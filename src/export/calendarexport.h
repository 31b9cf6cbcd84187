#pragma once

#include "chart/chartday.h"
#include "chart/chartplan.h"
#include "platform/wording.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

class QIODevice;

// The chart period's special days as an iCalendar file (RFC 5545), written with libical: one
// all-day event per critical day, triple high, triple low and birthday, so that a calendar program
// shows them beside everything else. Each event's UID comes from the person, the day and the
// kind of event alone, so importing the file again updates the events instead of doubling them.
//
// A reminder is a time of day: each event then carries an alarm (VALARM, ACTION:DISPLAY) that
// goes off at that time on the event's day, its TRIGGER counted from the day's start ("PT8H" for
// 08:00). An invalid QTime (the default) is no reminder. A reminder changes no UID.
//
// The events' summaries and descriptions come in the wording handed in: English by default (the
// command line's), the user's language for the window. Categories and UIDs are always English.
namespace exports {

enum class EventKind { CriticalDay, TripleHigh, TripleLow, Birthday };

struct CalendarEvent
{
    EventKind kind = EventKind::CriticalDay;
    QDate date;
    QString summary;     // the person (the name without control characters or blanks around it)
                         // and what the day is
    QString description; // in plain words: which cycles cross, or the age reached
    QString uid;
    bool operator==(const CalendarEvent &) const = default;
};

// The events of one chart day of the plan's person, in the order of EventKind: the critical
// days, triple highs and triple lows the text chart marks, and the birthdays on which its
// birthday line stands, from the day of birth on (the text chart's lines for years before the
// birth are no birthdays).
[[nodiscard]] QList<CalendarEvent> EventsOfDay(const chart::ChartPlan &plan, const chart::ChartDay &day,
                                               Wording words = KeepEnglish);

// Writes the calendar of the plan's period to out: its events in date order, each stamped with
// today at midnight UTC, so that the same chart exported on the same day gives the same bytes.
// An iCalendar date has four digits of year: days after 12-31-9999 are left out. False when out
// refuses to take it.
bool WriteCalendar(const chart::ChartPlan &plan, const QDate &today, QIODevice &out,
                   const QTime &reminder = {}, Wording words = KeepEnglish);

// Writes the calendar into the file at `path` as OutputTargetOf says: a regular file is replaced
// only once all of it is written; a device, a FIFO or an open descriptor is written in place.
// Returns an empty string when the file is written, else a sentence in `words` that says what failed.
[[nodiscard]] QString SaveCalendarFile(const QString &path, const chart::ChartPlan &plan, const QDate &today,
                                       const QTime &reminder = {}, Wording words = KeepEnglish);

} // namespace exports
