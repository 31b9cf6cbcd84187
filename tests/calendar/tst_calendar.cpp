#include "calendar/calendar.h"
#include "calendar/profile.h"
#include "support/datarows.h"

#include <QTest>

#include "support/testmain.h"

using namespace calendar;

namespace {

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
    void endDate_data()
    {
        Columns<QString, qint64, QString>({"start", "length", "end"});
        Row("last day of 9999", "01-01-2000", qint64(2921940), "12-31-9999");
        Row("past 9999", "01-01-2000", qint64(2921941), "");
        Row("huge", "01-01-2000", qint64(9000000000000000000LL), "");
        Row("letter in the month", "0A-01-2000", qint64(3), "");
    }

    void endDate()
    {
        QFETCH(QString, start);
        QFETCH(qint64, length);
        QTEST(EndDateOf(start, length), "end");
    }

    void ages_data()
    {
        Columns<QString, QString, int, qint64>({"birth", "start", "years", "days"});
        Row("x = 730.5 rounds to even", "01-01-2001", "01-01-2003", 2, qint64(730));
        Row("x = 731.5 rounds to even", "01-01-2001", "01-02-2003", 2, qint64(732));
        Row("leap birth before March", "01-01-2000", "01-01-2001", 1, qint64(366));
        Row("leap birth from March", "03-01-2000", "03-01-2001", 1, qint64(365));
        Row("start before birth", "05-20-1990", "05-19-1990", -1, qint64(-1));
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
        Columns<QString, QString, QString, bool>({"box", "before", "after", "message"});
        const QString person = "05-20-1990|Taurus|Sunday|12784|35|";
        const QString facts = person + "05-20-2025||";
        Row("birth cut short keeps the sign", "b", "05-20-199" + facts.mid(10),
            "05-20-199|Taurus||||05-20-2025||", false);
        Row("birth emptied", "b", facts.mid(10), "|||||05-20-2025||", false);
        Row("birth month 13 keeps the facts", "b", "13-20-1990" + facts.mid(10), "13-20-1990" + facts.mid(10),
            true);
        Row("birth too long", "b", "05-20-19901" + facts.mid(10), "05-20-19901|Taurus||||05-20-2025||", true);
        Row("start incomplete, no ages", "b", "05-20-1990|||||05-2||", "05-20-1990|Taurus|Sunday|||05-2||",
            false);
        Row("birth after start", "b", "05-20-2030|||||05-20-2025||",
            "05-20-2030|Taurus|Monday|-1826|-5|05-20-2025||", false);
        Row("birth not digits", "b", "0A-20-19x5|||||05-20-2025||", "0A-20-19x5|||||05-20-2025||", false);
        Row("new start asks for the length again", "s", person + "05-19-2024|30|06-18-2025",
            "05-20-1990|Taurus|Sunday|12418|33|05-19-2024||", false);
        Row("start incomplete", "s", person + "03-1|30|", "05-20-1990|Taurus|Sunday|||03-1||", false);
        Row("start hyphens", "s", person + "03/15/2024||", "05-20-1990|Taurus|Sunday|||03/15/2024||", true);
        Row("length with a fraction", "l", "|||||01-15-2024|20.9|", "|||||01-15-2024|20.9|02-03-2024", false);
        Row("length below one", "l", "|||||01-15-2024|0|stale", "|||||01-15-2024|0|", false);
        Row("length too big", "l", "|||||01-15-2024|99999999999999999999|x",
            "|||||01-15-2024|99999999999999999999|", false);
        Row("length before the start is whole", "l", "|||||01-15-20|5|", "|||||01-15-20||", false);
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
        Columns<QString, bool>({"start", "used"});
        Row("passes every check", "05-19-2024", true);
        Row("separator check failed", "03/15/2024", false);
        Row("letters pass the checks as text", "0A-15-2024", false);
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
