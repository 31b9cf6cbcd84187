#include "chart/chartwalk.h"
#include "chart/daymarkers.h"
#include "chart/screenchart.h"
#include "chartfixture.h"
#include "export/calendarexport.h"
#include "export/jsonchart.h"
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
    void calendarHasTheTextChartsDays_data();
    void calendarHasTheTextChartsDays();
    void jsonLinesAreTheChartsDays();
};

void TestExport::calendarHasTheTextChartsDays_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("start");
    QTest::newRow("a year across a birthday") << "05-20-1990"
                                              << "05-01-2025";
    QTest::newRow("before and after the day of birth") << "05-20-1990"
                                                       << "05-01-1989";
    QTest::newRow("02-29 across a century") << "02-29-1996"
                                            << "12-01-2099";
}

// Read back with libical: one all-day event per marked day and birthday of the text chart, with
// a UID of its own that the same export gives again.
void TestExport::calendarHasTheTextChartsDays()
{
    QFETCH(QString, birth);
    QFETCH(QString, start);
    const chart::ChartPlan plan = Plan(birth, start, "400");
    QBuffer once, twice;
    QVERIFY(once.open(QIODevice::WriteOnly) && twice.open(QIODevice::WriteOnly));
    QVERIFY(exports::WriteCalendar(plan, QDate(2025, 5, 20), once));
    QVERIFY(exports::WriteCalendar(plan, QDate(2025, 5, 20), twice));
    QCOMPARE(once.data(), twice.data());

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
    }
    icalcomponent_free(calendar);
    const auto date = [](const QString &text) { return QDate::fromString(text, "MM-dd-yyyy"); };
    const Events expected = TextChartEvents(plan, date(start), date(birth));
    QCOMPARE(found, expected);
    QCOMPARE(uids.size(), expected.size());
    QVERIFY(expected.values().contains("Triple high") && expected.values().contains("Triple low"));
}

// One JSON object a line, each the walk's day: its date, count, positions, markers and lines.
void TestExport::jsonLinesAreTheChartsDays()
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
            QCOMPARE(object["date"].toString(), QDate(day.year, day.month, day.day).toString(Qt::ISODate));
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

TIDEMARK_TEST(TestExport)
#include "tst_export.moc"
