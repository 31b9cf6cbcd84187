#include "chart/chartwalk.h"
#include "chart/cycles.h"
#include "chart/daymarkers.h"
#include "chart/screenchart.h"
#include "chartfixture.h"
#include "export/calendarexport.h"
#include "export/jsonchart.h"
#include "support/datarows.h"
#include "support/testmain.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <libical/ical.h>

namespace {

chart::ChartPlan Plan(const QString &birth, const QString &start, const QString &length,
                      bool forecast = false)
{
    chart::ChartFields fields = TypedFields(birth, start, length);
    fields.preferences.holidays = true;
    fields.preferences.forecast = forecast;
    return PlanOf(fields);
}

using Events = QMultiMap<QDate, QString>; // day, and its kind as the event's CATEGORIES say

// The marked days and the birthdays (from the day of birth on) of the text chart of the plan.
Events TextChartEvents(const chart::ChartPlan &plan, const QDate &first, const QDate &birth)
{
    static const QRegularExpression dayLine("^[A-Z]{3}  [A-Z]{3} [ \\d]\\d  \\d{4} ");
    Events events;
    QDate date = first;
    bool birthday = false;
    for (const QString &line : chart::ScreenChartText(plan).split('\n')) {
        if (line.contains("BIRTHDAY"))
            birthday = true;
        if (!dayLine.match(line).hasMatch())
            continue;
        const QString marks = line.mid(18, 13);
        if (QRegularExpression("[EPI][-+*]").match(marks).hasMatch())
            events.insert(date, "Critical day");
        if (marks.contains(">HIGH>"))
            events.insert(date, "Triple high");
        if (marks.contains("<LOW<"))
            events.insert(date, "Triple low");
        if (std::exchange(birthday, false) && date >= birth)
            events.insert(date, "Birthday");
        date = date.addDays(1);
    }
    return events;
}

QDate DateOf(icaltimetype time)
{
    return QDate(time.year, time.month, time.day);
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void calendarHasTheTextChartsDays_data()
    {
        Columns<QString, QString, QTime>({"birth", "start", "reminder"});
        Row("a year across a birthday", "05-20-1990", "05-01-2025", QTime());
        Row("before and after the day of birth, reminders at 08:00", "05-20-1990", "05-01-1989", QTime(8, 0));
        Row("02-29 across a century, reminders at 23:59", "02-29-1996", "12-01-2099", QTime(23, 59));
        Row("reminders at midnight", "07-04-1976", "01-01-2025", QTime(0, 0));
    }

    // Read back with libical: one all-day event per marked day and birthday of the text chart, with
    // a UID of its own that the same export gives again, with or without reminders; with them, each
    // event holds one alarm that shows its summary at the reminder's time of its day.
    void calendarHasTheTextChartsDays()
    {
        QFETCH(QString, birth);
        QFETCH(QString, start);
        QFETCH(QTime, reminder);
        const chart::ChartPlan plan = Plan(birth, start, "400");
        QBuffer once, twice, plain;
        QVERIFY(once.open(QIODevice::WriteOnly) && twice.open(QIODevice::WriteOnly) &&
                plain.open(QIODevice::WriteOnly));
        QVERIFY(exports::WriteCalendar(plan, QDate(2025, 5, 20), once, reminder));
        QVERIFY(exports::WriteCalendar(plan, QDate(2025, 5, 20), twice, reminder));
        QVERIFY(exports::WriteCalendar(plan, QDate(2025, 5, 20), plain));
        QCOMPARE(once.data(), twice.data());
        // The alarms are all that reminders add.
        static const QRegularExpression alarm("BEGIN:VALARM\r\n.*?END:VALARM\r\n",
                                              QRegularExpression::DotMatchesEverythingOption);
        QCOMPARE(QString::fromUtf8(once.data()).remove(alarm), QString::fromUtf8(plain.data()));

        icalcomponent *calendar = icalparser_parse_string(once.data().constData());
        QVERIFY(calendar && icalcomponent_count_errors(calendar) == 0);
        Events found;
        QSet<QString> uids;
        for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            const icaltimetype dtstart = icalcomponent_get_dtstart(event);
            QVERIFY(dtstart.is_date);
            QCOMPARE(DateOf(icalcomponent_get_dtend(event)), DateOf(dtstart).addDays(1));
            uids.insert(icalcomponent_get_uid(event));
            const icalproperty *category = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
            found.insert(DateOf(dtstart), icalproperty_get_categories(category));
            QCOMPARE(icalcomponent_count_components(event, ICAL_VALARM_COMPONENT),
                     reminder.isValid() ? 1 : 0);
            if (icalcomponent *alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT)) {
                QCOMPARE(
                    icalproperty_get_action(icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)),
                    ICAL_ACTION_DISPLAY);
                QCOMPARE(QString(icalcomponent_get_description(alarm)),
                         QString(icalcomponent_get_summary(event)));
                const icaltriggertype trigger =
                    icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY));
                QVERIFY(icaltime_is_null_time(trigger.time));
                QCOMPARE(icaldurationtype_as_int(trigger.duration), reminder.msecsSinceStartOfDay() / 1000);
            }
        }
        icalcomponent_free(calendar);
        const auto date = [](const QString &text) { return QDate::fromString(text, "MM-dd-yyyy"); };
        const Events expected = TextChartEvents(plan, date(start), date(birth));
        QCOMPARE(found, expected);
        QCOMPARE(uids.size(), expected.size());
        QVERIFY(expected.values().contains("Triple high") && expected.values().contains("Triple low"));
    }

    // The window hands in a Wording to show the events in the user's language: every word of a
    // summary and a description then comes through it, while the UIDs stay those of the English.
    void eventTextsComeThroughTheWording()
    {
        const Wording marked = [](const char *, const char *english) {
            return u'\u00ab' + QString::fromUtf8(english) + u'\u00bb';
        };
        const chart::ChartPlan plan = Plan("05-20-2024", "05-01-2024", "400");
        chart::ChartPlan walked = plan;
        walked.forecast = walked.holidays = false;
        QList<exports::CalendarEvent> english;
        QList<exports::CalendarEvent> shown;
        for (chart::ChartWalk walk(walked); walk.next();) {
            english += exports::EventsOfDay(plan, walk.day());
            shown += exports::EventsOfDay(plan, walk.day(), marked);
        }
        QCOMPARE(shown.size(), english.size());
        QSet<int> kinds;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            QCOMPARE(shown[i].uid, english[i].uid);
            kinds << int(shown[i].kind);
            for (const QString &text : {shown[i].summary, shown[i].description}) {
                int depth = 0;
                for (const QChar c : text) {
                    depth += c == u'\u00ab' ? 1 : c == u'\u00bb' ? -1 : 0;
                    if (c.isLetter() && depth == 0)
                        QFAIL(qPrintable("Not through the wording: " + text));
                }
            }
        }
        QCOMPARE(kinds.size(), 4);
    }

    // One JSON object a line, each the walk's day: its date, count, positions, markers and lines.
    void jsonLinesAreTheChartsDays()
    {
        for (const bool forecast : {false, true}) {
            const chart::ChartPlan plan = Plan("05-20-1990", "05-01-2025", "60", forecast);
            QString text;
            chart::StringLineSink sink(text);
            QVERIFY(exports::ComposeJsonChart(plan, sink));
            const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 60);
            chart::ChartWalk walk(plan);
            for (const QString &line : lines) {
                QVERIFY(walk.next());
                const chart::ChartDay &day = walk.day();
                const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
                QCOMPARE(object["date"].toString(),
                         QDate(day.year, day.month, day.day).toString(Qt::ISODate));
                QCOMPARE(object["dayCount"].toDouble(), day.dayCount);
                QCOMPARE(object["positions"]["emotional"].toInt(), day.e);
                QCOMPARE(object["values"]["physical"].toDouble(),
                         chart::CycleValue(day.dayCount, chart::Cycle::Physical));
                QCOMPARE(object["markers"].toArray().size(), chart::DayMarkers(day).count);
                QCOMPARE(object["specialDays"].toArray().size(), walk.specialLines().size());
                QCOMPARE(object["forecast"].toArray().size(), forecast ? walk.forecast().count : 0);
            }
        }
    }

    // With the secondary cycles asked for, each day's values hold them too, as docs/conventions.md
    // gives them for its test vectors; everything else stays as it is.
    void secondaryCyclesInJson_data()
    {
        // The values: intuitive, aesthetic, awareness, spiritual.
        Columns<QString, QList<double>>({"start", "values"});
        Row("day count 12784", "05-20-2025", QList{0.4759, 0.9464, 0.8660, 0.9646});
        Row("the day of birth", "05-20-1990", QList{0.0, 0.0, 0.0, 0.0});
        Row("the day before", "05-19-1990", QList{-0.1646, -0.1456, -0.1305, -0.1183});
    }

    void secondaryCyclesInJson()
    {
        QFETCH(QString, start);
        QFETCH(QList<double>, values);
        QString primary, all;
        chart::StringLineSink primarySink(primary), allSink(all);
        const chart::ChartPlan plan = Plan("05-20-1990", start, "1");
        QVERIFY(exports::ComposeJsonChart(plan, primarySink));
        QVERIFY(exports::ComposeJsonChart(plan, allSink, exports::JsonCycles::All));
        QJsonObject day = QJsonDocument::fromJson(all.toUtf8()).object();
        QJsonObject secondary = day["values"].toObject();
        for (const char *key : {"intuitive", "aesthetic", "awareness", "spiritual"})
            QCOMPARE(qRound(secondary.take(key).toDouble() * 10000), qRound(values.takeFirst() * 10000));
        day["values"] = secondary;
        QCOMPARE(day, QJsonDocument::fromJson(primary.toUtf8()).object());
    }
};

TIDEMARK_TEST(TestExport)
#include "tst_export.moc"
