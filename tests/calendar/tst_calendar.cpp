#include "calendar/calendar.h"
#include "calendar/profile.h"

#include <QTest>

#include <array>

#include "support/testmain.h"

using namespace calendar;

namespace {

template <typename... T> void columns(const std::array<const char *, sizeof...(T)> &names)
{
    int k = 0;
    (QTest::addColumn<T>(names[k++]), ...);
}

template <typename... T> void row(const char *tag, const T &...values)
{
    (QTest::newRow(tag) << ... << values);
}

// "birth|sign|weekday|age in days|age in years|start|length|end"
PersonBoxes boxes(const QString &fields)
{
    const QStringList f = fields.split(u'|');
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]};
}

QString joined(const PersonBoxes &b)
{
    return QStringList{b.birth, b.sign, b.weekday, b.ageDays, b.ageYears, b.start, b.length, b.end}.join(
        u'|');
}

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void weekdayMatchesGregorianEverywhere()
    {
        // Every day of the accepted years, against QDate's Gregorian calendar.
        const QStringList names = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                   "Friday", "Saturday", "Sunday"};
        for (QDate d(1500, 1, 1); d <= QDate(2099, 12, 31); d = d.addDays(1)) {
            if (WeekdayOf(d.month(), d.day(), d.year()) != names[d.dayOfWeek() - 1])
                QFAIL(qPrintable(d.toString(Qt::ISODate)));
        }
    }

    void dayPastMonthEnd_data()
    {
        // The entry checks accept any day up to 31: its weekday counts on from the first of its
        // month, while a chart from it starts on the first of the next month and ends by that.
        columns<QString, QString, QString, qint64>({"date", "weekday", "secondDay", "ageDays"});
        row("02-30 of a common year", "02-30-1990", "Friday", "03-02-1990", qint64(3705));
        row("02-31, three days over", "02-31-2025", "Monday", "03-02-2025", qint64(16489));
        row("02-29 of a common century", "02-29-1900", "Thursday", "03-02-1900", qint64(-29170));
        row("02-30 of a leap year", "02-30-2000", "Wednesday", "03-02-2000", qint64(7357));
        row("31st of a 30-day month", "11-31-2030", "Sunday", "12-02-2030", qint64(18589));
    }

    void dayPastMonthEnd()
    {
        QFETCH(QString, date);
        const auto parts = ParseDateText(date);
        QVERIFY(parts);
        QTEST(WeekdayOf(parts->month, parts->day, parts->year), "weekday");
        QTEST(EndDateOf(date, 2), "secondDay");
        QTEST(*AgeInDays(u"01-10-1980", date), "ageDays"); // 01-10-1980 is the birth
    }

    void endDate_data()
    {
        columns<QString, qint64, QString>({"start", "length", "end"});
        row("leap day", "02-20-2024", qint64(10), "02-29-2024");
        row("1900 has no leap day", "02-20-1900", qint64(10), "03-01-1900");
        row("past 2099", "12-31-2099", qint64(2), "01-01-2100");
        row("last day of 9999", "01-01-2000", qint64(2921940), "12-31-9999");
        row("past 9999", "01-01-2000", qint64(2921941), "");
        row("huge", "01-01-2000", qint64(9000000000000000000LL), "");
        row("letter in the month", "0A-01-2000", qint64(3), "");
    }

    void endDate()
    {
        QFETCH(QString, start);
        QFETCH(qint64, length);
        QTEST(EndDateOf(start, length), "end");
    }

    void ages_data()
    {
        columns<QString, QString, int, qint64>({"birth", "start", "years", "days"});
        row("x = 730.5 rounds to even", "01-01-2001", "01-01-2003", 2, qint64(730));
        row("x = 731.5 rounds to even", "01-01-2001", "01-02-2003", 2, qint64(732));
        row("leap birth before March", "01-01-2000", "01-01-2001", 1, qint64(366));
        row("leap birth from March", "03-01-2000", "03-01-2001", 1, qint64(365));
        row("day before the birthday", "05-20-1990", "05-19-2024", 33, qint64(12418));
        row("start before birth", "05-20-1990", "05-19-1990", -1, qint64(-1));
    }

    void ages()
    {
        QFETCH(QString, birth);
        QFETCH(QString, start);
        QTEST(AgeInYears(birth, start).value_or(99), "years");
        QTEST(AgeInDays(birth, start).value_or(99), "days");
    }

    void boxChanges_data()
    {
        // Which box changed (birth, start, length), the person's boxes before and after, and whether a
        // message came.
        columns<QString, QString, QString, bool>({"box", "before", "after", "message"});
        const QString person = "05-20-1990|Taurus|Sunday|12784|35|";
        const QString facts = person + "05-20-2025||";
        row("birth cut short keeps the sign", "b", "05-20-199" + facts.mid(10),
            "05-20-199|Taurus||||05-20-2025||", false);
        row("birth emptied", "b", facts.mid(10), "|||||05-20-2025||", false);
        row("birth month 13 keeps the facts", "b", "13-20-1990" + facts.mid(10), "13-20-1990" + facts.mid(10),
            true);
        row("birth too long", "b", "05-20-19901" + facts.mid(10), "05-20-19901|Taurus||||05-20-2025||", true);
        row("start incomplete, no ages", "b", "05-20-1990|||||05-2||", "05-20-1990|Taurus|Sunday|||05-2||",
            false);
        row("birth after start", "b", "05-20-2030|||||05-20-2025||",
            "05-20-2030|Taurus|Monday|-1826|-5|05-20-2025||", false);
        row("birth not digits", "b", "0A-20-19x5|||||05-20-2025||", "0A-20-19x5|||||05-20-2025||", false);
        row("new start asks for the length again", "s", person + "05-19-2024|30|06-18-2025",
            "05-20-1990|Taurus|Sunday|12418|33|05-19-2024||", false);
        row("start incomplete", "s", person + "03-1|30|", "05-20-1990|Taurus|Sunday|||03-1||", false);
        row("start hyphens", "s", person + "03/15/2024||", "05-20-1990|Taurus|Sunday|||03/15/2024||", true);
        row("length with a fraction", "l", "|||||01-15-2024|20.9|", "|||||01-15-2024|20.9|02-03-2024", false);
        row("length below one", "l", "|||||01-15-2024|0|stale", "|||||01-15-2024|0|", false);
        row("length too big", "l", "|||||01-15-2024|99999999999999999999|x",
            "|||||01-15-2024|99999999999999999999|", false);
        row("length before the start is whole", "l", "|||||01-15-20|5|", "|||||01-15-20||", false);
    }

    void boxChanges()
    {
        QFETCH(QString, box);
        QFETCH(QString, before);
        BoxUpdate update{boxes(before), std::nullopt};
        if (box == u"b")
            update = BirthdateChanged(update.boxes);
        else if (box == u"s")
            update = StartDateChanged(update.boxes);
        else
            update.boxes = LengthChanged(update.boxes);
        QTEST(update.message.has_value(), "message");
        QTEST(joined(update.boxes), "after");
    }

    void failedStartDateIsNotUsed_data()
    {
        columns<QString, bool>({"start", "used"});
        row("passes every check", "05-19-2024", true);
        row("separator check failed", "03/15/2024", false);
        row("month check failed", "13-15-2024", false);
        row("letters pass the checks as text", "0A-15-2024", false);
        row("too much data", "03-15-20244", false);
    }

    void failedStartDateIsNotUsed()
    {
        QFETCH(QString, start);
        QFETCH(bool, used);
        // What the start date box left behind: its handler has already emptied the ages.
        const PersonBoxes before = boxes("05-20-1990|||||" + start + "|30|");
        const PersonBoxes afterBirth = BirthdateChanged(before).boxes;
        QCOMPARE(afterBirth.ageYears.isEmpty(), !used);
        QCOMPARE(afterBirth.ageDays.isEmpty(), !used);
        QCOMPARE(LengthChanged(before).end.isEmpty(), !used);
    }
};

TIDEMARK_TEST(TestCalendar)
#include "tst_calendar.moc"
