#include "calendar/calendar.h"
#include "chart/chartday.h"
#include "chart/cycles.h"
#include "chart/daymarkers.h"
#include "chartfixture.h"

#include <QLocale>
#include <QTest>

using chart::ChartDay;
using chart::Cycle;

Q_DECLARE_METATYPE(chart::Cycle)

namespace {

ChartDay dayWith(int p, int e, int i)
{
    ChartDay day;
    day.p = p;
    day.e = e;
    day.i = i;
    return day;
}

QStringList markerTexts(const ChartDay &day)
{
    QStringList out;
    for (const chart::DayMarker marker : chart::DayMarkers(day))
        out << chart::MarkerText(marker).toString();
    return out;
}

} // namespace

class TestChartEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void positionByCycleDay_data();
    void positionByCycleDay();
    void positionsStayOnTheGrid();
    void negativeDayCount();
    void birthDayItself();
    void walkAcrossEnds_data();
    void walkAcrossEnds();
    void walkMatchesCalendar();
    void startingDayIsTheDayBefore();
    void overflowedStartDate_data();
    void overflowedStartDate();
    void correctionTable_data();
    void correctionTable();
    void correctionWithoutWeekday_data();
    void correctionWithoutWeekday();
    void correctionMovesEveryCount();
    void workedChart();
    void markers_data();
    void markers();
    void tripleAndCritical_data();
    void tripleAndCritical();
};

void TestChartEngine::positionByCycleDay_data()
{
    QTest::addColumn<Cycle>("cycle");
    QTest::addColumn<int>("cycleDay");
    QTest::addColumn<int>("position");
    const QList<int> p = {50, 54, 59, 63, 66, 68, 68, 67, 65, 61, 57, 52,
                          48, 43, 39, 35, 33, 32, 32, 34, 37, 41, 46};
    const QList<int> e = {50, 54, 58, 62, 66, 68, 69, 70, 69, 68, 66, 62, 58, 54,
                          50, 46, 42, 38, 34, 32, 31, 30, 31, 32, 34, 38, 42, 46};
    const QList<int> i = {50, 54, 57, 61, 64, 67, 69, 70, 71, 71, 70, 68, 66, 63, 59, 56, 52,
                          48, 44, 41, 37, 34, 32, 30, 29, 29, 30, 31, 33, 36, 39, 43, 46};
    for (qsizetype k = 0; k < p.size(); ++k)
        QTest::addRow("P day %d", int(k)) << Cycle::Physical << int(k) << p[k];
    for (qsizetype k = 0; k < e.size(); ++k)
        QTest::addRow("E day %d", int(k)) << Cycle::Emotional << int(k) << e[k];
    for (qsizetype k = 0; k < i.size(); ++k)
        QTest::addRow("I day %d", int(k)) << Cycle::Intellectual << int(k) << i[k];
}

void TestChartEngine::positionByCycleDay()
{
    QFETCH(Cycle, cycle);
    QFETCH(int, cycleDay);
    QFETCH(int, position);
    const int period = chart::ShapeOf(cycle).period;
    // The same cycle day in a later cycle, and before the birth.
    QCOMPARE(chart::PositionOf(cycleDay, cycle), position);
    QCOMPARE(chart::PositionOf(cycleDay + 500.0 * period, cycle), position);
    QCOMPARE(chart::PositionOf(cycleDay - 3.0 * period, cycle), position);
}

void TestChartEngine::positionsStayOnTheGrid()
{
    const QList<QList<int>> reachable = {
        {32, 33, 34, 35, 37, 39, 41, 43, 46, 48, 50, 52, 54, 57, 59, 61, 63, 65, 66, 67, 68},
        {30, 31, 32, 34, 38, 42, 46, 50, 54, 58, 62, 66, 68, 69, 70},
        {29, 30, 31, 32, 33, 34, 36, 37, 39, 41, 43, 44, 46, 48, 50,
         52, 54, 56, 57, 59, 61, 63, 64, 66, 67, 68, 69, 70, 71}};
    for (int c = 0; c < 3; ++c) {
        const auto cycle = Cycle(c);
        QSet<int> seen;
        for (int k = 0; k < chart::ShapeOf(cycle).period; ++k)
            seen.insert(chart::PositionOf(k, cycle));
        QList<int> sorted = seen.values();
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, reachable[c]);
    }
}

void TestChartEngine::negativeDayCount()
{
    QCOMPARE(chart::PositionOf(-1, Cycle::Physical), 46);
    QCOMPARE(chart::PositionOf(-1, Cycle::Emotional), 46);
    QCOMPARE(chart::PositionOf(-1, Cycle::Intellectual), 46);
    // Day -14 is emotional cycle day 14, on the centre line.
    QCOMPARE(chart::PositionOf(-14, Cycle::Emotional), 50);
}

void TestChartEngine::birthDayItself()
{
    const ChartDay day = chart::WithPositions(dayWith(0, 0, 0));
    QCOMPARE(day.p, 50);
    QCOMPARE(day.e, 50);
    QCOMPARE(day.i, 50);
    QCOMPARE(markerTexts(day), (QStringList{"E* ", "P+ ", "I+ "}));
}

void TestChartEngine::walkAcrossEnds_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("second");
    QTest::newRow("year end 1999") << "12-31-1999"
                                   << "01-01-2000";
    QTest::newRow("1900 has no leap day") << "02-28-1900"
                                          << "03-01-1900";
    QTest::newRow("2000 has a leap day") << "02-28-2000"
                                         << "02-29-2000";
    QTest::newRow("leap day to March") << "02-29-2000"
                                       << "03-01-2000";
    QTest::newRow("2024 leap day") << "02-28-2024"
                                   << "02-29-2024";
    QTest::newRow("2023 no leap day") << "02-28-2023"
                                      << "03-01-2023";
    QTest::newRow("30-day month") << "04-30-2025"
                                  << "05-01-2025";
    QTest::newRow("last day of the range") << "12-31-2099"
                                           << "01-01-2100";
}

void TestChartEngine::walkAcrossEnds()
{
    QFETCH(QString, start);
    QFETCH(QString, second);
    const auto parts = calendar::ParseDateText(start);
    QVERIFY(parts);
    ChartDay day = chart::AdvanceChartDay(chart::StartingChartDay(*parts, 1000));
    QCOMPARE(calendar::FormatDateText(day.month, day.day, day.year), start);
    QCOMPARE(day.dayCount, 1000.0);
    QCOMPARE(day.weekday, (calendar::DateOf({parts->month, parts->day, parts->year}).dayOfWeek() % 7));
    day = chart::AdvanceChartDay(day);
    QCOMPARE(calendar::FormatDateText(day.month, day.day, day.year), second);
    QCOMPARE(day.dayCount, 1001.0);
    QCOMPARE(day.weekday,
             ((calendar::DateOf({parts->month, parts->day, parts->year}).dayOfWeek() % 7) + 1) % 7);
}

void TestChartEngine::walkMatchesCalendar()
{
    // Two and a half centuries across 1900 and 2000: every date and weekday as the calendar has them.
    ChartDay day = chart::StartingChartDay({1, 1, 1850}, 0);
    for (int n = 0; n < 250 * 366; ++n) {
        day = chart::AdvanceChartDay(day);
        if (day.year > 2099)
            break;
        QVERIFY(day.day >= 1 && day.day <= QDate(day.year, day.month, 1).daysInMonth());
        if (day.weekday != (calendar::DateOf({day.month, day.day, day.year}).dayOfWeek() % 7))
            QFAIL(qPrintable(calendar::FormatDateText(day.month, day.day, day.year)));
    }
    QCOMPARE(calendar::FormatDateText(day.month, day.day, day.year), QStringLiteral("01-01-2100"));
}

void TestChartEngine::startingDayIsTheDayBefore()
{
    // 06-01-2025 is a Sunday: the record before it holds day 0 and weekday -1.
    const ChartDay start = chart::StartingChartDay({6, 1, 2025}, 500);
    QCOMPARE(start.day, 0);
    QCOMPARE(start.weekday, -1);
    QCOMPARE(start.month, 6);
    QCOMPARE(start.year, 2025);
    QCOMPARE(start.dayCount, 499.0);
    const ChartDay first = chart::AdvanceChartDay(start);
    QCOMPARE(first.day, 1);
    QCOMPARE(first.weekday, 0);
}

void TestChartEngine::overflowedStartDate_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("firstDate");
    QTest::addColumn<int>("countLess");
    QTest::addColumn<int>("overReal"); // the age in days of a leap year's February overruns by one
    QTest::newRow("02-31-2001 is three days over") << "02-31-2001"
                                                   << "03-01-2001" << 2 << 0;
    QTest::newRow("02-29-2001 is one day over") << "02-29-2001"
                                                << "03-01-2001" << 0 << 0;
    QTest::newRow("02-30-2000 in a leap year") << "02-30-2000"
                                               << "03-01-2000" << 0 << 1;
    QTest::newRow("02-31-1900 in a common century") << "02-31-1900"
                                                    << "03-01-1900" << 2 << 0;
    QTest::newRow("04-31-2024") << "04-31-2024"
                                << "05-01-2024" << 0 << 0;
    QTest::newRow("11-31-2030") << "11-31-2030"
                                << "12-01-2030" << 0 << 0;
}

void TestChartEngine::overflowedStartDate()
{
    QFETCH(QString, start);
    QFETCH(QString, firstDate);
    QFETCH(int, countLess);
    QFETCH(int, overReal);
    const QString birth = QStringLiteral("01-10-1980");
    const auto typed = TypedFields(birth, start, QStringLiteral("3"));
    const auto real = TypedFields(birth, firstDate, QStringLiteral("3"));
    QCOMPARE(typed.person.ageDays.toLongLong() - countLess, real.person.ageDays.toLongLong() + overReal);

    const auto uncorrected = chart::PlanChart(typed, chart::Correction::Skip);
    QVERIFY(uncorrected);
    const ChartDay first = chart::AdvanceChartDay(uncorrected->start);
    QCOMPARE(calendar::FormatDateText(first.month, first.day, first.year), firstDate);
    QCOMPARE(first.weekday, (calendar::DateOf({first.month, first.day, first.year}).dayOfWeek() % 7));
    QCOMPARE(first.dayCount, double(typed.person.ageDays.toLongLong() - countLess));

    // Labelled and counted as the day it is: the same chart as one started on that day.
    const QList<ChartDay> overflowed = ChartDays(PlanOf(typed));
    const QList<ChartDay> plain = ChartDays(PlanOf(real));
    for (int n = 0; n < 3; ++n) {
        QCOMPARE(overflowed[n].day, plain[n].day);
        QCOMPARE(overflowed[n].month, plain[n].month);
        QCOMPARE(overflowed[n].weekday, plain[n].weekday);
    }
    if (overReal == 0)
        QCOMPARE(overflowed, plain);
}

void TestChartEngine::correctionTable_data()
{
    QTest::addColumn<int>("reference");
    QTest::addColumn<QString>("born");
    QTest::addColumn<int>("correction");
    const QStringList names = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    const int table[7][7] = {{0, -1, -2, -3, 3, 2, 1}, {1, 0, -1, -2, -3, 3, 2}, {2, 1, 0, -1, -2, -3, 3},
                             {3, 2, 1, 0, -1, -2, -3}, {-3, 3, 2, 1, 0, -1, -2}, {-2, -3, 3, 2, 1, 0, -1},
                             {-1, -2, -3, 3, 2, 1, 0}};
    for (int w = 0; w < 7; ++w) {
        for (int b = 0; b < 7; ++b)
            QTest::addRow("reference %s, born %s", qPrintable(QString(calendar::WeekdayAbbrev(w))),
                          qPrintable(names[b]))
                << w << names[b] << table[w][b];
    }
}

void TestChartEngine::correctionTable()
{
    QFETCH(int, reference);
    QFETCH(QString, born);
    QFETCH(int, correction);
    // Emotional cycle day 21 (E = 30) on the first chart day makes it the reference day.
    ChartDay start = chart::StartingChartDay({3, 10, 2025}, 21 + 28 * 400);
    start.weekday = reference - 1;
    QCOMPARE(chart::FindDayCountCorrection(start, born), correction);
}

void TestChartEngine::correctionWithoutWeekday_data()
{
    QTest::addColumn<QString>("born");
    QTest::newRow("empty") << "";
    QTest::newRow("two letters") << "Mo";
    QTest::newRow("not a weekday") << "Someday";
    QTest::newRow("leading blank") << " Monday";
}

void TestChartEngine::correctionWithoutWeekday()
{
    QFETCH(QString, born);
    ChartDay start = chart::StartingChartDay({3, 10, 2025}, 21);
    start.weekday = 2; // reference day a Wednesday
    QCOMPARE(chart::FindDayCountCorrection(start, born), 0);
    QCOMPARE(chart::FindDayCountCorrection(start, QStringLiteral("monday")), 2);
}

void TestChartEngine::correctionMovesEveryCount()
{
    // Born on a Monday; the first emotional turning point comes on a Sunday: one day less.
    ChartDay start = chart::StartingChartDay({3, 10, 2025}, 21 + 28 * 4);
    start.weekday = -1;
    QCOMPARE(chart::FindDayCountCorrection(start, QStringLiteral("Monday")), -1);
    // The correction scan finds the turning point within the first seven days for every count.
    for (int count = 0; count < 28; ++count) {
        const ChartDay s = chart::StartingChartDay({3, 10, 2025}, count);
        ChartDay day = s;
        bool found = false;
        for (int n = 0; n < 7 && !found; ++n) {
            day = chart::WithPositions(chart::AdvanceChartDay(day));
            found = day.e == 30 || day.e == 50 || day.e == 70;
        }
        QVERIFY2(found, qPrintable(QString::number(count)));
        QCOMPARE(chart::FindDayCountCorrection(s, QLocale::c().dayName(day.weekday == 0 ? 7 : day.weekday)),
                 0);
    }
}

void TestChartEngine::workedChart()
{
    const auto fields = TypedFields("05-20-1990", "05-20-2025", "6");
    QCOMPARE(fields.person.weekday, QStringLiteral("Sunday"));
    QCOMPARE(fields.person.ageDays, QStringLiteral("12784"));
    const chart::ChartPlan plan = PlanOf(fields);
    QCOMPARE(plan.correction, 0);
    const QList<ChartDay> days = ChartDays(plan);
    const QList<QList<int>> pei = {{34, 42, 63}, {37, 38, 59}, {41, 34, 56},
                                   {46, 32, 52}, {50, 31, 48}, {54, 30, 44}};
    QCOMPARE(days.size(), 6);
    for (int n = 0; n < 6; ++n) {
        QCOMPARE(days[n].day, 20 + n);
        QCOMPARE(days[n].dayCount, 12784.0 + n);
        QCOMPARE((QList<int>{days[n].p, days[n].e, days[n].i}), pei[n]);
    }
    QCOMPARE(days[0].weekday, 2); // Tuesday
    QCOMPARE(days[5].weekday, 0); // the reference day, a Sunday like the birth
    QCOMPARE(markerTexts(days[3]), QStringList{"I- "});
    QCOMPARE(markerTexts(days[4]), QStringList{"P+ "});
    QCOMPARE(markerTexts(days[0]), QStringList{});
}

void TestChartEngine::markers_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("e");
    QTest::addColumn<int>("i");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("nothing") << 41 << 34 << 56 << QStringList{};
    QTest::newRow("emotional crossing") << 41 << 50 << 56 << QStringList{"E* "};
    QTest::newRow("physical down before intellectual up") << 52 << 34 << 50 << QStringList{"I+ ", "P- "};
    QTest::newRow("three crossings") << 52 << 50 << 52 << QStringList{"E* ", "P- ", "I- "};
    QTest::newRow("triple high") << 54 << 54 << 54 << QStringList{">HIGH>"};
    QTest::newRow("not high on a downward crossing") << 52 << 54 << 54 << QStringList{"P- "};
    QTest::newRow("triple low") << 48 << 46 << 48 << QStringList{"<LOW<"};
}

void TestChartEngine::markers()
{
    QFETCH(int, p);
    QFETCH(int, e);
    QFETCH(int, i);
    QFETCH(QStringList, texts);
    QCOMPARE(markerTexts(dayWith(p, e, i)), texts);
}

void TestChartEngine::tripleAndCritical_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("e");
    QTest::addColumn<int>("i");
    QTest::addColumn<bool>("high");
    QTest::addColumn<bool>("low");
    QTest::addColumn<bool>("critical");
    QTest::newRow("all just above the crossings") << 54 << 54 << 54 << true << false << false;
    QTest::newRow("E on the centre") << 54 << 50 << 54 << false << false << true;
    QTest::newRow("I at 52") << 54 << 54 << 52 << false << false << true;
    QTest::newRow("all below") << 48 << 46 << 48 << false << true << false;
    QTest::newRow("P at 50 is not low") << 50 << 46 << 48 << false << false << true;
    QTest::newRow("mixed sides") << 54 << 46 << 48 << false << false << false;
}

void TestChartEngine::tripleAndCritical()
{
    QFETCH(int, p);
    QFETCH(int, e);
    QFETCH(int, i);
    const ChartDay day = dayWith(p, e, i);
    QTEST(chart::IsTripleHigh(day), "high");
    QTEST(chart::IsTripleLow(day), "low");
    QTEST(chart::IsCriticalDay(day), "critical");
}

QTEST_GUILESS_MAIN(TestChartEngine)
#include "tst_chartengine.moc"
