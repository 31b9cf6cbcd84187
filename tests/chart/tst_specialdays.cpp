#include "chart/specialdays.h"
#include "chartfixture.h"

#include <QTest>

using chart::ChartDay;
using chart::SpecialDay;

namespace {

ChartDay onDate(int month, int day, int year)
{
    ChartDay d;
    d.month = month;
    d.day = day;
    d.year = year;
    d.weekday = (calendar::DateOf({month, day, year}).dayOfWeek() % 7);
    return d;
}

QStringList texts(const QList<chart::SpecialDayLine> &lines)
{
    QStringList out;
    for (const chart::SpecialDayLine &line : lines)
        out << line.text;
    return out;
}

} // namespace

class TestSpecialDays : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void suffix_data();
    void suffix();
    void lines_data();
    void lines();
    void screenText();
    void leapDayBirthday_data();
    void leapDayBirthday();
};

void TestSpecialDays::suffix_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("suffix");
    const QList<std::pair<int, const char *>> rows = {
        {0, "TH"},   {1, "ST"},   {2, "ND"},   {3, "RD"},  {4, "TH"},  {11, "TH"},  {12, "TH"},
        {13, "TH"},  {20, "TH"},  {21, "ST"},  {22, "ND"}, {23, "RD"}, {24, "TH"},  {101, "ST"},
        {111, "ST"}, {112, "ND"}, {113, "RD"}, {-1, "ST"}, {-2, "ND"}, {-11, "TH"}, {-21, "ST"}};
    for (const auto &[age, suffix] : rows)
        QTest::addRow("%d", age) << age << QString::fromLatin1(suffix);
}

void TestSpecialDays::suffix()
{
    QFETCH(int, age);
    QTEST(chart::OrdinalSuffix(age), "suffix");
}

void TestSpecialDays::lines_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain day") << "05-20-1990"
                               << "05-21-2025" << QStringList{};
    QTest::newRow("New Year") << "05-20-1990"
                              << "01-01-2025" << QStringList{"**** HAPPY NEW YEAR ****"};
    QTest::newRow("birthday") << "05-20-1990"
                              << "05-20-2025" << QStringList{"** HAPPY 35TH BIRTHDAY **"};
    QTest::newRow("born on New Year's Day")
        << "01-01-2000"
        << "01-01-2021" << QStringList{"**** HAPPY NEW YEAR ****", "** HAPPY 21ST BIRTHDAY **"};
    QTest::newRow("born on Christmas Day")
        << "12-25-1962"
        << "12-25-2024" << QStringList{"**** MERRY CHRISTMAS ****", "** HAPPY 62ND BIRTHDAY **"};
    QTest::newRow("Friday the 13th") << "05-20-1990"
                                     << "06-13-2025" << QStringList{"** BEWARE??? FRIDAY THE THIRTEENTH **"};
    QTest::newRow("Friday the 13th birthday")
        << "06-13-2002"
        << "06-13-2025" << QStringList{"** BEWARE??? FRIDAY THE THIRTEENTH **", "** HAPPY 23RD BIRTHDAY **"};
    QTest::newRow("Friday 12-13 is no Christmas")
        << "05-20-1990"
        << "12-13-2024" << QStringList{"** BEWARE??? FRIDAY THE THIRTEENTH **"};
    QTest::newRow("13th on a Thursday") << "05-20-1990"
                                        << "03-13-2025" << QStringList{};
    QTest::newRow("the birth date itself") << "05-20-1990"
                                           << "05-20-1990" << QStringList{"** HAPPY 0TH BIRTHDAY **"};
    QTest::newRow("a year before the birth") << "05-20-1990"
                                             << "05-20-1989" << QStringList{"** HAPPY 1ST BIRTHDAY **"};
    QTest::newRow("long before the birth") << "05-20-1990"
                                           << "05-20-1968" << QStringList{"** HAPPY 22ND BIRTHDAY **"};
}

void TestSpecialDays::lines()
{
    QFETCH(QString, birth);
    QFETCH(QString, date);
    const auto b = calendar::ParseDateText(birth);
    const auto d = calendar::ParseDateText(date);
    QVERIFY(b && d);
    QTEST(texts(chart::SpecialDayLines(onDate(d->month, d->day, d->year), *b)), "expected");
}

void TestSpecialDays::screenText()
{
    const auto lines = chart::SpecialDayLines(onDate(12, 25, 2026), {12, 25, 1990});
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].kind, SpecialDay::Christmas);
    QCOMPARE(lines[1].kind, SpecialDay::Birthday);
    QCOMPARE(chart::ScreenText(lines[0]), QString(39, QLatin1Char(' ')) + "**** MERRY CHRISTMAS ****");
    QCOMPARE(chart::ScreenText(lines[1]), QString(40, QLatin1Char(' ')) + "** HAPPY 36TH BIRTHDAY **");
    const auto friday = chart::SpecialDayLines(onDate(6, 13, 2025), {1, 1, 1990});
    QCOMPARE(friday.size(), 1);
    QCOMPARE(friday[0].kind, SpecialDay::FridayThe13th);
    QCOMPARE(chart::ScreenText(friday[0]).indexOf(QLatin1Char('*')), 33);
}

void TestSpecialDays::leapDayBirthday_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("birthdays");
    QTest::newRow("2024 has 29 February") << "02-01-2024" << 1;
    QTest::newRow("2023 has none") << "02-01-2023" << 0;
    QTest::newRow("1900 has none") << "02-01-1900" << 0;
    QTest::newRow("2000 has one") << "02-01-2000" << 1;
}

void TestSpecialDays::leapDayBirthday()
{
    QFETCH(QString, start);
    const auto plan = PlanOf(TypedFields("02-29-1896", start, "60"));
    int birthdays = 0;
    for (const ChartDay &day : ChartDays(plan)) {
        for (const chart::SpecialDayLine &line : chart::SpecialDayLines(day, plan.birth)) {
            if (line.kind == SpecialDay::Birthday) {
                ++birthdays;
                QCOMPARE(day.month, 2);
                QCOMPARE(day.day, 29);
            }
        }
    }
    QTEST(birthdays, "birthdays");
}

QTEST_GUILESS_MAIN(TestSpecialDays)
#include "tst_specialdays.moc"
