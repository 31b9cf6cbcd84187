#include "chart/chartchecks.h"
#include "chart/chartline.h"
#include "chart/screenchart.h"
#include "chartfixture.h"

#include <QFile>
#include <QTest>

using chart::ChartFields;
using chart::Spacing;

Q_DECLARE_METATYPE(chart::Spacing)

namespace {

const QString Hyphens74(74, QLatin1Char('-'));

QStringList chartLines(const chart::ChartPlan &plan)
{
    QStringList lines = chart::ScreenChartText(plan).split(QLatin1Char('\n'));
    // The text ends with a line end, so the split leaves one empty piece after it.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString at(const QString &line, int column, int width = 1)
{
    return line.mid(column - 1, width);
}

// Stops after a number of lines.
class CountingSink final : public chart::LineSink
{
public:
    explicit CountingSink(int stopAfter)
        : m_stopAfter(stopAfter)
    {}
    bool line(QStringView) override { return ++m_lines < m_stopAfter; }
    [[nodiscard]] int lines() const { return m_lines; }

private:
    int m_stopAfter;
    int m_lines = 0;
};

} // namespace

class TestScreenChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checks_data();
    void checks();
    void linesPerPageSkipped();
    void heading();
    void dateColumn_data();
    void dateColumn();
    void workedChartColumns();
    void gridExampleDayCount100();
    void gridGroups_data();
    void gridGroups();
    void birthDateAsStart();
    void spacingAndForecast_data();
    void spacingAndForecast();
    void lengthZeroWritesHeading();
    void textThatIsNotANumber_data();
    void textThatIsNotANumber();
    void goldenChart();
    void estimateBoundsTheText_data();
    void estimateBoundsTheText();
    void estimateBoundsOddPlans_data();
    void estimateBoundsOddPlans();
    void sinkStops();
    void progressAndCancel();
};

void TestScreenChart::checks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const QString lpp = QStringLiteral("Lines Per Page is zero or a minus number!");
    const QString lppTitle = QStringLiteral("LINES PER PAGE INCORRECT!");
    QTest::newRow("1 lines per page 0") << "linesPerPage"
                                        << "0" << lppTitle << lpp;
    QTest::newRow("1 lines per page -5") << "linesPerPage"
                                         << "-5" << lppTitle << lpp;
    QTest::newRow("1 lines per page 05") << "linesPerPage"
                                         << "05" << lppTitle << lpp;
    QTest::newRow("1 lines per page empty") << "linesPerPage"
                                            << "" << lppTitle << lpp;
    QTest::newRow("1 lines per page 10 passes") << "linesPerPage"
                                                << "10"
                                                << ""
                                                << "";
    QTest::newRow("1 lines per page 9 passes") << "linesPerPage"
                                               << "9"
                                               << ""
                                               << "";
    QTest::newRow("2 no name") << "name"
                               << ""
                               << "NO NAME ENTERED!"
                               << "There is no Name selected to use on chart!";
    QTest::newRow("3 no birthdate") << "birth"
                                    << ""
                                    << "NO BIRTHDATE ENTERED!"
                                    << "There is no Birthdate selected to use on chart!";
    QTest::newRow("4 dash in position 2")
        << "birth"
        << "5-20-1990"
        << "DATE ERROR!"
        << "Input error in Birthdate! The Date must include the dash (-) after the month, and after the day! "
           "Format must be MM-DD-YYYY.";
    QTest::newRow("5 month 13") << "birth"
                                << "13-01-1990"
                                << "DATE ERROR!"
                                << "Input error in Birthdate! The Month must be a number from 01 to 12";
    QTest::newRow("5 month not digits")
        << "birth"
        << "0A-01-1990"
        << "DATE ERROR!"
        << "Input error in Birthdate! The Month must be a number from 01 to 12";
    QTest::newRow("6 day 32") << "birth"
                              << "02-32-1990"
                              << "DATE ERROR!"
                              << "Input error in Birthdate! The Day must be a number from 01 to 31";
    QTest::newRow("6 day 00") << "birth"
                              << "02-00-1990"
                              << "DATE ERROR!"
                              << "Input error in Birthdate! The Day must be a number from 01 to 31";
    QTest::newRow("day 30 of February passes") << "birth"
                                               << "02-30-1990"
                                               << ""
                                               << "";
    QTest::newRow("7 year 1499") << "birth"
                                 << "02-01-1499"
                                 << "DATE ERROR!"
                                 << "Input error in Birthdate! The Year must be a number from 1500 to 2099";
    QTest::newRow("7 year cut short")
        << "birth"
        << "02-01-199"
        << "DATE ERROR!"
        << "Input error in Birthdate! The Year must be a number from 1500 to 2099";
    QTest::newRow("birthdate too long") << "birth"
                                        << "02-01-19901"
                                        << "DATE ERROR!"
                                        << "Input error in Birthdate! Too much data in Birthdate box.";
    QTest::newRow("8 start incomplete") << "start"
                                        << "05-20-202"
                                        << "NO CHART STARTING DATE INDICATED!"
                                        << "There is no correct date to indicate chart starting date!";
    QTest::newRow("start month 13") << "start"
                                    << "13-20-2025"
                                    << "MONTH DATE INPUT ERROR"
                                    << "Input error in Start date! The Month must be a number from 01 to 12 "
                                       "and be in the format: MM-DD-YYYY";
    QTest::newRow("start day not digits") << "start"
                                          << "05-2x-2025"
                                          << "DAY DATE INPUT ERROR"
                                          << "Input error in Start date! The Day must be a number from 01 to "
                                             "31 and be in the format: MM-DD-YYYY";
    QTest::newRow("start without hyphens") << "start"
                                           << "05/20/2025"
                                           << "DATE HYPHEN ERROR IN MM-DD-YYYY!"
                                           << "Input error in Starting Date! The separators between the "
                                              "month and day, and between the day and year "
                                              "must be hyphens, for example MM-DD-YYYY.";
    QTest::newRow("start too long") << "start"
                                    << "05-20-20251"
                                    << "DATE ERROR!"
                                    << "Input error in Starting Date! Too much data in Starting Date box.";
    QTest::newRow("9 no length") << "length"
                                 << ""
                                 << "NO LENGTH OF CHART INDICATED!"
                                 << "There is no number to indicate length of chart desired!";
}

void TestScreenChart::checks()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, title);
    QFETCH(QString, message);
    ChartFields fields = TypedFields("05-20-1990", "05-20-2025", "10");
    QVERIFY(!chart::CheckChartFields(fields));
    if (field == QLatin1String("linesPerPage"))
        fields.preferences.linesPerPage = value;
    else if (field == QLatin1String("name"))
        fields.name = value;
    else if (field == QLatin1String("birth"))
        fields.person.birth = value;
    else if (field == QLatin1String("start"))
        fields.person.start = value;
    else
        fields.person.length = value;
    const auto failure = chart::CheckChartFields(fields);
    if (title.isEmpty()) {
        QVERIFY(!failure);
        return;
    }
    QVERIFY(failure);
    QCOMPARE(failure->title, title);
    QCOMPARE(failure->text, message);
}

void TestScreenChart::linesPerPageSkipped()
{
    ChartFields fields = TypedFields("05-20-1990", "05-20-2025", "10");
    fields.preferences.linesPerPage = QStringLiteral("0");
    QVERIFY(!chart::CheckChartFields(fields, chart::LinesPerPageCheck::Skip));
    fields.name.clear();
    QCOMPARE(chart::CheckChartFields(fields, chart::LinesPerPageCheck::Skip)->title,
             QStringLiteral("NO NAME ENTERED!"));
    // Checks run in order: the first failure is the one shown.
    QCOMPARE(chart::CheckChartFields(fields)->title, QStringLiteral("LINES PER PAGE INCORRECT!"));
}

void TestScreenChart::heading()
{
    ChartFields fields = TypedFields("05-20-1990", "05-20-2025", "0");
    fields.name = QStringLiteral("Ann-Marie Exämple");
    const QStringList lines = chartLines(PlanOf(fields));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QString());
    QCOMPARE(lines[1], QStringLiteral("ANN-MARIE EXÄMPLE - 05-20-1990"));
    QCOMPARE(lines[2], QString());
    QCOMPARE(at(lines[3], 6, 4), QStringLiteral("DATE"));
    QCOMPARE(at(lines[3], 32, 3), QStringLiteral("(-)"));
    QCOMPARE(at(lines[3], 51, 3), QStringLiteral("(0)"));
    QCOMPARE(at(lines[3], 70, 3), QStringLiteral("(+)"));
    QCOMPARE(lines[3].size(), 72);
    QCOMPARE(lines[3].count(QLatin1Char(' ')), 72 - 13);
    QCOMPARE(lines[4], QString());
}

void TestScreenChart::dateColumn_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("column");
    QTest::newRow("one-digit day") << "01-05-2025"
                                   << "SUN  JAN  5  2025 ";
    QTest::newRow("two-digit day") << "02-17-2025"
                                   << "MON  FEB 17  2025 ";
    QTest::newRow("day 10") << "12-10-1999"
                            << "FRI  DEC 10  1999 ";
}

void TestScreenChart::dateColumn()
{
    QFETCH(QString, date);
    QFETCH(QString, column);
    const auto d = calendar::ParseDateText(date);
    QVERIFY(d);
    const chart::ChartDay day = chart::AdvanceChartDay(chart::StartingChartDay(*d, 0));
    QString line;
    chart::AppendDateColumn(line, day);
    QCOMPARE(line, column);
    QCOMPARE(line.size(), chart::DateColumnWidth);
}

void TestScreenChart::workedChartColumns()
{
    const QStringList lines = chartLines(PlanOf(TypedFields("05-20-1990", "05-20-2025", "6")));
    QCOMPARE(lines.size(), 5 + 6);
    const QString first = lines[5];
    QCOMPARE(first.left(18), QStringLiteral("TUE  MAY 20  2025 "));
    QCOMPARE(at(first, 36), QStringLiteral("P"));
    QCOMPARE(at(first, 44), QStringLiteral("E"));
    QCOMPARE(at(first, 52), QStringLiteral("|"));
    QCOMPARE(at(first, 65), QStringLiteral("I"));
    QCOMPARE(first.size(), 65); // four items: the line ends after the I
    QCOMPARE(first.mid(18, 17).trimmed(), QString());
    QCOMPARE(first.count(QLatin1Char(' ')), 65 - 12 - 4);

    const QString fourth = lines[8];
    QCOMPARE(fourth.left(21), QStringLiteral("FRI  MAY 23  2025 I- "));

    const QString fifth = lines[9];
    QCOMPARE(fifth.left(18), QStringLiteral("SAT  MAY 24  2025 "));
    QCOMPARE(at(fifth, 19, 3), QStringLiteral("P+ "));
    QCOMPARE(at(fifth, 33), QStringLiteral("E"));
    QCOMPARE(at(fifth, 50), QStringLiteral("I"));
    QCOMPARE(at(fifth, 52), QStringLiteral("P")); // in place of the centre line
    QCOMPARE(fifth.size(), 52);
    QCOMPARE(fifth.mid(21).count(QLatin1Char(' ')), 52 - 21 - 3);

    QCOMPARE(lines[10].left(18), QStringLiteral("SUN  MAY 25  2025 "));
}

void TestScreenChart::gridExampleDayCount100()
{
    chart::ChartDay day = chart::AdvanceChartDay(chart::StartingChartDay({3, 3, 2025}, 100));
    day = chart::WithPositions(day);
    QCOMPARE((QList<int>{day.p, day.e, day.i}), (QList<int>{65, 42, 54}));
    QString line;
    chart::WriteDayLine(line, day);
    QCOMPARE(line.left(18), QStringLiteral("MON  MAR  3  2025 "));
    QCOMPARE(line.size(), 67);
    QCOMPARE(at(line, 44), QStringLiteral("E"));
    QCOMPARE(at(line, 52), QStringLiteral("|"));
    QCOMPARE(at(line, 56), QStringLiteral("I"));
    QCOMPARE(at(line, 67), QStringLiteral("P"));
    QCOMPARE(line.mid(18).count(QLatin1Char(' ')), 67 - 18 - 4);
}

void TestScreenChart::gridGroups_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("e");
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("grid"); // columns 30 to the end
    QTest::addColumn<bool>("early");
    // Walks that do not reach four items carry blanks up to column 74.
    QTest::newRow("E and P grouped, the I under the group lost")
        << 40 << 40 << 41 << QString(12, ' ') + "EP" + QString(8, ' ') + "|" + QString(22, ' ') << false;
    QTest::newRow("E and I grouped") << 34 << 46 << 46
                                     << QString(6, ' ') + "P" + QString(11, ' ') + "EI" + QString(2, ' ') +
                                            "|" + QString(22, ' ')
                                     << false;
    QTest::newRow("P and I grouped") << 57 << 62 << 57
                                     << QString(22, ' ') + "|" + QString(6, ' ') + "PI" + QString(3, ' ') +
                                            "E" + QString(10, ' ')
                                     << false;
    QTest::newRow("all three on the centre")
        << 50 << 50 << 50 << QString(22, ' ') + "EPI" + QString(20, ' ') << false;
    QTest::newRow("all three on one side, centre line stays")
        << 63 << 58 << 61 << QString(22, ' ') + "|" + QString(7, ' ') + "E" + QString(2, ' ') + "I" + " P"
        << true;
    QTest::newRow("letter on the centre counts two")
        << 50 << 31 << 48 << "   E" + QString(16, ' ') + "I P" << true;
}

void TestScreenChart::gridGroups()
{
    QFETCH(int, p);
    QFETCH(int, e);
    QFETCH(int, i);
    QFETCH(QString, grid);
    QFETCH(bool, early);
    chart::ChartDay day = chart::AdvanceChartDay(chart::StartingChartDay({3, 3, 2025}, 100));
    day.p = p;
    day.e = e;
    day.i = i;
    QString line;
    chart::WriteDayLine(line, day);
    QCOMPARE(line.mid(29), grid);
    QCOMPARE(chart::WalkGrid(day).endedEarly, early);
}

void TestScreenChart::birthDateAsStart()
{
    ChartFields fields = TypedFields("05-20-1990", "05-20-1990", "1");
    QCOMPARE(fields.person.ageDays, QStringLiteral("0"));
    QStringList lines = chartLines(PlanOf(fields));
    QCOMPARE(lines.size(), 6);
    const QString line = lines[5];
    QCOMPARE(line,
             QStringLiteral("SUN  MAY 20  1990 E* P+ I+ ") + QString(24, ' ') + "EPI" + QString(20, ' '));
    QCOMPARE(at(line, 52, 3), QStringLiteral("EPI"));
    QCOMPARE(line.size(), 74);

    fields.preferences.holidays = true;
    lines = chartLines(PlanOf(fields));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[5], QString(40, ' ') + "** HAPPY 0TH BIRTHDAY **");
    QCOMPARE(lines[6], line);
}

void TestScreenChart::spacingAndForecast_data()
{
    QTest::addColumn<bool>("forecast");
    QTest::addColumn<Spacing>("spacing");
    QTest::addColumn<QStringList>("after"); // the lines after the second day's line
    const QStringList block = {"", "Keep emotional activities to the more routine matters.",
                               "Stick to your regular schedule while your vitality is low.",
                               "Your intellectual high favors clear thinking today.", Hyphens74};
    QTest::newRow("single") << false << Spacing::Single << QStringList{};
    QTest::newRow("double") << false << Spacing::Double << QStringList{""};
    QTest::newRow("double with lines") << false << Spacing::WithLines << QStringList{Hyphens74};
    QTest::newRow("forecast, single") << true << Spacing::Single << block;
    QTest::newRow("forecast, double") << true << Spacing::Double << block;
    QTest::newRow("forecast, with lines") << true << Spacing::WithLines << block;
}

void TestScreenChart::spacingAndForecast()
{
    QFETCH(bool, forecast);
    QFETCH(Spacing, spacing);
    QFETCH(QStringList, after);
    ChartFields fields = TypedFields("05-20-1990", "05-20-2025", "3");
    fields.preferences.forecast = forecast;
    fields.preferences.spacing = spacing;
    const QStringList lines = chartLines(PlanOf(fields));
    const qsizetype perDay = 1 + after.size();
    QCOMPARE(lines.size(), 5 + 3 * perDay);
    QCOMPARE(lines.mid(5 + perDay + 1, after.size()), after);
    QVERIFY(lines[5 + 2 * perDay].startsWith(QLatin1String("THU  MAY 22  2025 ")));
}

void TestScreenChart::lengthZeroWritesHeading()
{
    for (const QString &length : {QStringLiteral("0"), QStringLiteral("-5")}) {
        const chart::ChartPlan plan = PlanOf(TypedFields("05-20-1990", "05-20-2025", length));
        QCOMPARE(plan.length, 0);
        QCOMPARE(chartLines(plan).size(), 5);
    }
}

void TestScreenChart::textThatIsNotANumber_data()
{
    QTest::addColumn<QString>("ageDays");
    QTest::addColumn<QString>("length");
    QTest::addColumn<qint64>("firstCount");
    QTest::addColumn<qint64>("days");
    QTest::newRow("as the program writes them") << "12784"
                                                << "4" << qint64(12784) << qint64(4);
    QTest::newRow("typed age is used") << "100"
                                       << "4" << qint64(100) << qint64(4);
    QTest::newRow("age with blanks") << " 12000 "
                                     << "4" << qint64(12000) << qint64(4);
    QTest::newRow("age in letters is recomputed") << "abc"
                                                  << "4" << qint64(12784) << qint64(4);
    QTest::newRow("age with a fraction is recomputed") << "12.5"
                                                       << "4" << qint64(12784) << qint64(4);
    QTest::newRow("age too large is recomputed") << "99999999999999999999"
                                                 << "4" << qint64(12784) << qint64(4);
    QTest::newRow("length in letters is 0") << "12784"
                                            << "abc" << qint64(12784) << qint64(0);
    QTest::newRow("length with a fraction") << "12784"
                                            << "3.9" << qint64(12784) << qint64(3);
    QTest::newRow("length with trailing text") << "12784"
                                               << " 2 days" << qint64(12784) << qint64(2);
}

void TestScreenChart::textThatIsNotANumber()
{
    QFETCH(QString, ageDays);
    QFETCH(QString, length);
    QFETCH(qint64, firstCount);
    QFETCH(qint64, days);
    ChartFields fields = TypedFields("05-20-1990", "05-20-2025", "4");
    fields.person.ageDays = ageDays;
    fields.person.length = length;
    QVERIFY(!chart::CheckChartFields(fields));
    const chart::ChartPlan plan = PlanOf(fields);
    QCOMPARE(plan.length, days);
    QCOMPARE(chart::AdvanceChartDay(plan.start).dayCount, double(firstCount + plan.correction));
    QCOMPARE(chartLines(plan).size(), 5 + days);
}

void TestScreenChart::goldenChart()
{
    // Six weeks of the worked chart with every option: a birthday, a Friday the 13th, crossings.
    ChartFields fields = TypedFields("05-20-1990", "05-18-2025", "42");
    fields.preferences.holidays = true;
    fields.preferences.forecast = true;
    fields.preferences.spacing = Spacing::WithLines;
    const QString text = chart::ScreenChartText(PlanOf(fields));
    QFile golden(QStringLiteral(TIDEMARK_TEST_DATA "/chart/worked-chart-forecast.txt"));
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
    const QString expected = QString::fromUtf8(golden.readAll());
    QCOMPARE(text.split('\n'), expected.split('\n'));
    QVERIFY(text.contains(QLatin1String("** HAPPY 35TH BIRTHDAY **")));
    QVERIFY(text.contains(QLatin1String("** BEWARE??? FRIDAY THE THIRTEENTH **")));
}

void TestScreenChart::estimateBoundsTheText_data()
{
    QTest::addColumn<bool>("holidays");
    QTest::addColumn<bool>("forecast");
    QTest::addColumn<Spacing>("spacing");
    QTest::addColumn<QString>("length");
    QTest::newRow("no days") << true << true << Spacing::WithLines << "0";
    QTest::newRow("single, plain") << false << false << Spacing::Single << "800";
    QTest::newRow("double") << false << false << Spacing::Double << "800";
    QTest::newRow("lines and holidays") << true << false << Spacing::WithLines << "800";
    QTest::newRow("forecast and holidays, short") << true << true << Spacing::Single << "3";
    QTest::newRow("forecast and holidays, long") << true << true << Spacing::WithLines << "5000";
}

void TestScreenChart::estimateBoundsTheText()
{
    QFETCH(bool, holidays);
    QFETCH(bool, forecast);
    QFETCH(Spacing, spacing);
    QFETCH(QString, length);
    ChartFields fields = TypedFields("12-25-1990", "01-01-2025", length);
    fields.preferences.holidays = holidays;
    fields.preferences.forecast = forecast;
    fields.preferences.spacing = spacing;
    const chart::ChartPlan plan = PlanOf(fields);
    const qint64 estimate = chart::EstimateScreenChartChars(plan);
    const qint64 actual = chart::ScreenChartText(plan).size();
    QVERIFY2(estimate >= actual, qPrintable(QStringLiteral("%1 < %2").arg(estimate).arg(actual)));
    if (plan.length >= 800)
        QVERIFY2(estimate < actual * 2, qPrintable(QStringLiteral("%1 vs %2").arg(estimate).arg(actual)));
    // A chart too large to hold is known to be so before anything is built.
    chart::ChartPlan huge = plan;
    huge.length = chart::MaxChartLength;
    QVERIFY(chart::EstimateScreenChartChars(huge) > qint64(1) << 40);
}

void TestScreenChart::estimateBoundsOddPlans_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("length");
    // Names whose capitals are longer than they are, long enough to outgrow the days' margin.
    QTest::newRow("sharp s, SS in capitals") << QStringLiteral("Weiß ").repeated(5000) << qint64(30);
    QTest::newRow("ligature fi, FI in capitals") << QString(5000, QChar(0xFB01)) << qint64(30);
    QTest::newRow("Greek iota, three characters in capitals") << QString(5000, QChar(0x0390)) << qint64(30);
    // A plan built by hand rather than from the fields.
    QTest::newRow("length below zero") << QStringLiteral("Your Name") << qint64(-1000);
}

void TestScreenChart::estimateBoundsOddPlans()
{
    QFETCH(QString, name);
    QFETCH(qint64, length);
    ChartFields fields = TypedFields("12-25-1990", "01-01-2025", "1");
    fields.preferences.holidays = true;
    chart::ChartPlan plan = PlanOf(fields);
    plan.name = name;
    plan.length = length;
    const qint64 estimate = chart::EstimateScreenChartChars(plan);
    const qint64 actual = chart::ScreenChartText(plan).size();
    QVERIFY2(estimate >= actual, qPrintable(QStringLiteral("%1 < %2").arg(estimate).arg(actual)));
}

void TestScreenChart::sinkStops()
{
    const chart::ChartPlan plan = PlanOf(TypedFields("05-20-1990", "05-20-2025", "100"));
    CountingSink sink(8);
    QVERIFY(!chart::ComposeScreenChart(plan, sink));
    QCOMPARE(sink.lines(), 8);
}

void TestScreenChart::progressAndCancel()
{
    const chart::ChartPlan plan = PlanOf(TypedFields("05-20-1990", "05-20-2025", "10000"));
    QList<qint64> calls;
    CountingSink all(1 << 30);
    QVERIFY(chart::ComposeScreenChart(plan, all, [&calls](qint64 done, qint64 total) {
        calls << done;
        return total == 10000;
    }));
    QCOMPARE(calls, (QList<qint64>{4096, 8192, 10000}));
    QCOMPARE(all.lines(), 5 + 10000);

    CountingSink cancelled(1 << 30);
    QVERIFY(!chart::ComposeScreenChart(plan, cancelled, [](qint64, qint64) { return false; }));
    QCOMPARE(cancelled.lines(), 5 + 4096);
}

QTEST_GUILESS_MAIN(TestScreenChart)
#include "tst_screenchart.moc"
