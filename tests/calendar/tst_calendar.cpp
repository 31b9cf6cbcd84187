#include "calendar/calendar.h"
#include "calendar/datecheck.h"
#include "calendar/numbertext.h"

#include <QDate>
#include <QTest>

#include "support/testmain.h"

using namespace calendar;

class TestCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endDate_data();
    void endDate();
    void weekday_data();
    void weekday();
    void weekdayMatchesGregorianEverywhere();
    void dayPastMonthEnd_data();
    void dayPastMonthEnd();
    void ageInYears_data();
    void ageInYears();
    void ageInDays_data();
    void ageInDays();
    void checkDateText_data();
    void checkDateText();
    void leadingNumber_data();
    void leadingNumber();
};

void TestCalendar::endDate_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<QString>("end");
    QTest::newRow("into next month") << "01-15-2024" << qint64(20) << "02-03-2024";
    QTest::newRow("leap day") << "02-20-2024" << qint64(10) << "02-29-2024";
    QTest::newRow("1900 not leap") << "02-20-1900" << qint64(10) << "03-01-1900";
    QTest::newRow("past 2099") << "12-31-2099" << qint64(2) << "01-01-2100";
    QTest::newRow("length one") << "05-20-2025" << qint64(1) << "05-20-2025";
    QTest::newRow("overflowed start day") << "02-31-2001" << qint64(1) << "03-03-2001";
    QTest::newRow("one 400-year cycle") << "01-01-2000" << qint64(146097 + 1) << "01-01-2400";
    QTest::newRow("last day of 9999") << "01-01-2000" << qint64(2921940) << "12-31-9999";
    QTest::newRow("past 9999") << "01-01-2000" << qint64(2921941) << "";
    QTest::newRow("huge") << "01-01-2000" << qint64(9000000000000000000LL) << "";
    QTest::newRow("zero") << "01-01-2000" << qint64(0) << "";
    QTest::newRow("negative") << "01-01-2000" << qint64(-4) << "";
    QTest::newRow("letter in month") << "0A-01-2000" << qint64(3) << "";
    QTest::newRow("letter in year") << "01-01-19x5" << qint64(3) << "";
}

void TestCalendar::endDate()
{
    QFETCH(QString, start);
    QFETCH(qint64, length);
    QFETCH(QString, end);
    QCOMPARE(EndDateOf(start, length), end);
}

void TestCalendar::weekday_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    QTest::newRow("01-01-1500") << 1 << 1 << 1500 << "Monday" << 1;
    QTest::newRow("01-01-1601") << 1 << 1 << 1601 << "Monday" << 1;
    QTest::newRow("03-01-1700") << 3 << 1 << 1700 << "Monday" << 1;
    QTest::newRow("03-01-1900") << 3 << 1 << 1900 << "Thursday" << 4;
    QTest::newRow("02-29-2000") << 2 << 29 << 2000 << "Tuesday" << 2;
    QTest::newRow("12-31-2099") << 12 << 31 << 2099 << "Thursday" << 4;
    QTest::newRow("05-20-1990") << 5 << 20 << 1990 << "Sunday" << 0;
}

void TestCalendar::weekday()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, name);
    QFETCH(int, code);
    QCOMPARE(WeekdayOf(month, day, year), name);
    QCOMPARE((calendar::DateOf({month, day, year}).dayOfWeek() % 7), code);
}

void TestCalendar::weekdayMatchesGregorianEverywhere()
{
    // Every day of the accepted years, against QDate's Gregorian calendar.
    const QStringList names = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    for (QDate d(1500, 1, 1); d <= QDate(2099, 12, 31); d = d.addDays(1)) {
        if (WeekdayOf(d.month(), d.day(), d.year()) != names[d.dayOfWeek() - 1])
            QFAIL(qPrintable(d.toString(Qt::ISODate)));
    }
}

void TestCalendar::dayPastMonthEnd_data()
{
    // The entry checks accept any day up to 31; such a date counts on from the first of its month.
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("secondDay");
    QTest::addColumn<qint64>("ageDays"); // from 01-10-1980
    QTest::newRow("02-30 of a common year") << "02-30-1990"
                                            << "Friday"
                                            << "03-03-1990" << qint64(3705);
    QTest::newRow("02-31, three days over") << "02-31-2025"
                                            << "Monday"
                                            << "03-04-2025" << qint64(16489);
    QTest::newRow("02-29 of a common century") << "02-29-1900"
                                               << "Thursday"
                                               << "03-02-1900" << qint64(-29170);
    QTest::newRow("02-30 of a leap year") << "02-30-2000"
                                          << "Wednesday"
                                          << "03-02-2000" << qint64(7357);
    QTest::newRow("31st of a 30-day month") << "11-31-2030"
                                            << "Sunday"
                                            << "12-02-2030" << qint64(18589);
}

void TestCalendar::dayPastMonthEnd()
{
    QFETCH(QString, date);
    const auto parts = ParseDateText(date);
    QVERIFY(parts);
    QTEST(WeekdayOf(parts->month, parts->day, parts->year), "weekday");
    QTEST(EndDateOf(date, 2), "secondDay");
    QTEST(*AgeInDays(u"01-10-1980", date), "ageDays");
}

void TestCalendar::ageInYears_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("years");
    QTest::newRow("day before birthday") << "05-20-1990"
                                         << "05-19-2024" << 33;
    QTest::newRow("on the birthday") << "05-20-1990"
                                     << "05-20-2024" << 34;
    QTest::newRow("earlier month") << "05-20-1990"
                                   << "04-30-2024" << 33;
    QTest::newRow("same day as birth") << "05-20-1990"
                                       << "05-20-1990" << 0;
    QTest::newRow("start before birth") << "05-20-1990"
                                        << "05-19-1980" << -11;
}

void TestCalendar::ageInYears()
{
    QFETCH(QString, birth);
    QFETCH(QString, start);
    QFETCH(int, years);
    QCOMPARE(AgeInYears(birth, start), std::optional<int>(years));
}

void TestCalendar::ageInDays_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("start");
    QTest::addColumn<qint64>("days");
    QTest::newRow("x=730.5 rounds to even") << "01-01-2001"
                                            << "01-01-2003" << qint64(730);
    QTest::newRow("x=731.5 rounds to even") << "01-01-2001"
                                            << "01-02-2003" << qint64(732);
    QTest::newRow("leap birth before March") << "01-01-2000"
                                             << "01-01-2001" << qint64(366);
    QTest::newRow("leap birth from March") << "03-01-2000"
                                           << "03-01-2001" << qint64(365);
    QTest::newRow("worked chart") << "05-20-1990"
                                  << "05-20-2025" << qint64(12784);
    QTest::newRow("birth day itself") << "05-20-1990"
                                      << "05-20-1990" << qint64(0);
    QTest::newRow("start before birth") << "05-20-1990"
                                        << "05-19-1990" << qint64(-1);
}

void TestCalendar::ageInDays()
{
    QFETCH(QString, birth);
    QFETCH(QString, start);
    QFETCH(qint64, days);
    QCOMPARE(AgeInDays(birth, start), std::optional<qint64>(days));
}

void TestCalendar::checkDateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isStart");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::newRow("incomplete") << "03-1" << true << ""
                                << "";
    QTest::newRow("valid") << "05-20-2025" << true << ""
                           << "";
    QTest::newRow("day past month end passes") << "02-31-2001" << true << ""
                                               << "";
    QTest::newRow("too much start") << "05-20-20255" << true << "DATE ERROR!"
                                    << "Input error in Starting Date! Too much data in Starting Date box.";
    QTest::newRow("too much birth") << "05-20-20255" << false << "DATE ERROR!"
                                    << "Input error in Birthdate! Too much data in Birthdate box.";
    QTest::newRow("slashes in start")
        << "03/15/2024" << true << "DATE HYPHEN ERROR IN MM-DD-YYYY!"
        << "Input error in Starting Date! The separators between the month and day, and between the day and "
           "year must be hyphens, for example MM-DD-YYYY.";
    QTest::newRow("slashes in birth pass") << "03/15/2024" << false << ""
                                           << "";
    QTest::newRow("month 00 start") << "00-10-2000" << true << "MONTH DATE INPUT ERROR"
                                    << "Input error in Start date! The Month must be a number from 01 to 12 "
                                       "and be in the format: MM-DD-YYYY";
    QTest::newRow("month 13 birth") << "13-10-2000" << false << "MONTH DATE INPUT ERROR IN BIRTH DATE"
                                    << "Input error in Birth date! The Month must be a number from 01 to 12 "
                                       "and be in the format: MM-DD-YYYY";
    QTest::newRow("day 32 start") << "01-32-2000" << true << "DAY DATE INPUT ERROR"
                                  << "Input error in Start date! The Day must be a number from 01 to 31 and "
                                     "be in the format: MM-DD-YYYY";
    QTest::newRow("day 00 birth") << "01-00-2000" << false << "DAY DATE INPUT ERROR IN BIRTH DATE"
                                  << "Input error in Birth date! The Day must be a number from 01 to 31 and "
                                     "be in the format: MM-DD-YYYY";
    QTest::newRow("year 1499 start")
        << "01-01-1499" << true << "YEAR DATE INPUT ERROR"
        << "Input error in Start date! The Year must be a number from 1500 to 2099 and be in the format: "
           "MM-DD-YYYY";
    QTest::newRow("year 2100 birth")
        << "01-01-2100" << false << "YEAR DATE INPUT ERROR IN BIRTH DATE"
        << "Input error in Birth date! The Year must be a number from 1500 to 2099 and be in the format: "
           "MM-DD-YYYY";
    QTest::newRow("letter month passes as text") << "0A-01-2000" << true << ""
                                                 << "";
}

void TestCalendar::checkDateText()
{
    QFETCH(QString, text);
    QFETCH(bool, isStart);
    QFETCH(QString, title);
    QFETCH(QString, message);
    const auto result = CheckDateText(text, isStart ? DateBox::Start : DateBox::Birth);
    QCOMPARE(result.has_value(), !title.isEmpty());
    if (result) {
        QCOMPARE(result->title, title);
        QCOMPARE(result->text, message);
    }
}

void TestCalendar::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "30" << 30.0;
    QTest::newRow("leading blanks") << "   12" << 12.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("fraction") << "7.9" << 7.9;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
}

void TestCalendar::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingNumber(text), value);
}

TIDEMARK_TEST(TestCalendar)
#include "tst_calendar.moc"
