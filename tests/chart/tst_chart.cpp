#include "calendar/datecheck.h"
#include "chart/chartchecks.h"
#include "chart/chartline.h"
#include "chart/chartwalk.h"
#include "chart/compare.h"
#include "chart/daymarkers.h"
#include "chart/forecast.h"
#include "chart/screenchart.h"
#include "chart/specialdays.h"
#include "chartfixture.h"
#include "namedb/nameentry.h"
#include "print/coversheet.h"
#include "support/datarows.h"

#include <QFile>
#include <QTest>

#include <optional>

#include "support/testmain.h"

using calendar::Check;
using chart::ChartDay;
using chart::Cycle;
using chart::Spacing;

namespace {

// The fields for a chart of someone born on Sunday 05-20-1990, from 05-18-2025.
chart::ChartFields fieldsWith(const QString &length, Spacing spacing = Spacing::Single, bool forecast = false,
                              bool holidays = false)
{
    chart::ChartFields fields = TypedFields("05-20-1990", "05-18-2025", length);
    std::tie(fields.preferences.spacing, fields.preferences.forecast, fields.preferences.holidays) =
        std::tuple(spacing, forecast, holidays);
    return fields;
}

// Who checks: a date box as it is typed, a chart command, the combined print command (which
// checks lines per page after its own checks), the cover sheet, or "Add This Entry" of the name
// database.
enum By { StartBox, BirthBox, Chart, CombinedPrint, Cover, Entry };

struct CheckRow
{
    const char *tag;
    Check check;
    By by;
    char field;        // the field changed: Name, Birth, Start, Length, lines Per page
    const char *value; // a new entry: its name and birthdate on either side of "|"
};

// One row per check, each on an input of its own kind.
const CheckRow Rows[] = {
    {"start box, eleven characters", Check::StartTooMuchData, StartBox, 0, "05-20-20255"},
    {"start box, slashes", Check::StartHyphens, StartBox, 0, "03/15/2024"},
    {"start box, month 00", Check::StartMonth, StartBox, 0, "00-10-2000"},
    {"chart, start day not digits", Check::StartDay, Chart, 'S', "05-2x-2025"},
    {"start box, year 1499", Check::StartYear, StartBox, 0, "01-01-1499"},
    {"chart, birthdate of eleven characters", Check::BirthTooMuchData, Chart, 'B', "02-01-19901"},
    {"birth box, month 13", Check::BirthMonth, BirthBox, 0, "13-10-2000"},
    {"birth box, day 00", Check::BirthDay, BirthBox, 0, "01-00-2000"},
    {"birth box, year 2100", Check::BirthYear, BirthBox, 0, "01-01-2100"},
    {"chart, lines per page 05 sorts before 1", Check::ChartLinesPerPage, Chart, 'P', "05"},
    {"chart, lines per page 10x", Check::ChartLinesPerPageNotWhole, Chart, 'P', "10x"},
    {"combined print, no name, lines per page 0", Check::ChartNoName, CombinedPrint, 'N', ""},
    {"chart, no birthdate", Check::ChartNoBirthdate, Chart, 'B', ""},
    {"cover, dash missing", Check::ChartBirthHyphens, Cover, 'B', "5-20-1990"},
    {"chart, birth month not digits", Check::ChartBirthMonth, Chart, 'B', "0A-01-1990"},
    {"cover, birth day 32", Check::ChartBirthDay, Cover, 'B', "02-32-1990"},
    {"chart, birth year cut short", Check::ChartBirthYear, Chart, 'B', "02-01-199"},
    {"cover, start incomplete", Check::ChartNoStart, Cover, 'S', "05-20-202"},
    {"chart, no length", Check::ChartNoLength, Chart, 'L', ""},
    {"chart, ending after 12-31-9999", Check::ChartTooLong, Chart, 'L', "2912672"},
    {"cover, no name", Check::CoverNoName, Cover, 'N', ""},
    {"cover, no birthdate", Check::CoverNoBirthdate, Cover, 'B', ""},
    {"entry, nothing typed", Check::EntryNoNameOrDate, Entry, 0, "|"},
    {"entry, no name", Check::EntryNoName, Entry, 0, "|03091975"},
    {"entry, no date", Check::EntryNoDate, Entry, 0, "Ann|"},
    {"entry, month 00", Check::EntryMonth, Entry, 0, "Ann|00091975"},
    {"entry, day 32", Check::EntryDay, Entry, 0, "Ann|03321975"},
    {"entry, too short to hold a year", Check::EntryYear, Entry, 0, "Ann|0309"},
    {"entry, double quote in the name", Check::EntryQuote, Entry, 0, "Ann \"Annie\" Lee|03091975"},
    {"entry, pasted line break", Check::EntryLineBreak, Entry, 0, "Ann\nLee|03091975"},
    {"entry, nine digits", Check::EntryNotEightDigits, Entry, 0, "Ann|030919751"},
    {"cover, escape in the name", Check::NameControlCharacter, Cover, 'N', "Ann\x1b[31mLee"},
};

// The markers of a day as the chart writes them.
QString markerTexts(const ChartDay &day)
{
    QString texts;
    for (const chart::DayMarker marker : chart::DayMarkers(day))
        texts += chart::MarkerText(marker);
    return texts;
}

std::optional<calendar::Message> run(const CheckRow &row)
{
    const QString value = QString::fromUtf8(row.value);
    chart::ChartFields f = fieldsWith("10");
    QString *const fields[] = {&f.name, &f.person.birth, &f.person.start, &f.person.length,
                               &f.preferences.linesPerPage};
    if (row.field)
        *fields[QByteArrayView("NBSLP").indexOf(row.field)] = value;
    if (row.by == CombinedPrint)
        f.preferences.linesPerPage = QStringLiteral("0");
    switch (row.by) {
    case StartBox:
    case BirthBox:
        return calendar::CheckDateText(value, row.by == StartBox ? calendar::DateBox::Start
                                                                 : calendar::DateBox::Birth);
    case Chart:
    case CombinedPrint:
        return chart::CheckChartFields(f, row.by == Chart ? chart::LinesPerPageCheck::Check
                                                          : chart::LinesPerPageCheck::Skip);
    case Cover:
        return print::CheckCoverSheetFields(f);
    case Entry:
        return namedb::CheckNewEntry(value.section(u'|', 0, 0), value.section(u'|', 1));
    }
    return std::nullopt;
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableGivesTheFormula()
    {
        // dayCount / period is rounded to the step of the power of two it lies in, so the formula
        // depends only on the sign, that power and the day of the cycle: one whole day count of each
        // class, for every power up to 2^40 (beyond the table's reach for every period), stands for all.
        const chart::PositionTable table;
        for (const Cycle cycle : {Cycle::Physical, Cycle::Emotional, Cycle::Intellectual}) {
            const int period = chart::ShapeOf(cycle).period;
            for (int power = -1; power <= 40; ++power) {
                for (int day = 0; day < period; ++day) {
                    const double whole = (power < 0 ? 0 : std::ldexp(period, power)) + day;
                    for (const double count : {whole, -whole}) {
                        if (chart::PositionOf(count, cycle) !=
                            table.position(cycle, chart::CycleDayOf(count, cycle)))
                            QFAIL(qPrintable(QString::number(count, 'f', 0)));
                    }
                }
            }
        }
        QVERIFY(chart::RepeatingDayCounts <= std::ldexp(1, 41));
    }

    // Every position a cycle takes has its forecast sentences: a chart may start on it, or fall to it.
    void everyPositionHasItsSentences()
    {
        for (const Cycle cycle : {Cycle::Physical, Cycle::Emotional, Cycle::Intellectual}) {
            for (int day = 0; day < chart::ShapeOf(cycle).period; ++day) {
                const int p = chart::PositionOf(day, cycle);
                QVERIFY(!chart::CycleSentence(cycle, p, 0).isEmpty() &&
                        !chart::CycleSentence(cycle, p, 99).isEmpty());
            }
        }
    }

    void longWalkAsComputed()
    {
        // Across the birth and well past the writer's first lines: the walk's positions against
        // the formula, and each line against a writer that has written few lines, so writes it whole.
        const chart::ChartPlan plan = PlanOf(TypedFields("12-31-2060", "01-01-2000", "45000"));
        chart::DayLineWriter writer;
        std::optional<chart::DayLineWriter> fresh;
        for (chart::ChartWalk walk(plan); walk.next();) {
            const ChartDay &day = walk.day();
            if (walk.done() % 1000 == 1)
                fresh.emplace();
            if (day != chart::WithPositions(day) || writer.dayLine(day) != fresh->dayLine(day))
                QFAIL(qPrintable(QString::number(walk.done())));
        }
    }

    void correction_data()
    {
        // One row per correction: the reference day is a Sunday, the birth on each weekday.
        Columns<QString, int>({"born", "correction"});
        const char *born[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "sAT"};
        const int correction[] = {0, -1, -2, -3, 3, 2, 1};
        for (int k = 0; k < 7; ++k)
            Row(born[k], born[k], correction[k]);
        Row("no weekday", "Someday", 0);
    }

    void correction()
    {
        QFETCH(QString, born);
        // Emotional cycle day 21 (E = 30, a turning point) on the first chart day, made a Sunday.
        ChartDay start = chart::StartingChartDay({3, 10, 2025}, 21 + 28 * 400);
        start.weekday = -1;
        QTEST(chart::FindDayCountCorrection(start, born), "correction");
    }

    void markers_data()
    {
        Columns<QList<int>, QString>({"pei", "markers"});
        Row("emotional crossing", QList{41, 50, 56}, "E* ");
        Row("physical down after intellectual up", QList{52, 34, 50}, "I+ P- ");
        Row("triple high", QList{54, 54, 54}, ">HIGH>");
        Row("no high on a downward crossing", QList{52, 54, 54}, "P- ");
    }

    void markers()
    {
        QFETCH(QList<int>, pei);
        QTEST(markerTexts(ChartDay{.p = pei[0], .e = pei[1], .i = pei[2]}), "markers");
    }

    // The test vectors of docs/conventions.md, for Pat Example, born Sunday 05-20-1990: the day
    // count of a chart from 05-20-2025 (a Tuesday), and each vector's positions, values to four
    // places and markers.
    void conventionsVectors_data()
    {
        Columns<QString, double, QList<int>, QList<double>, QString>(
            {"chartFrom", "dayCount", "pei", "values", "markers"});
        Row("TUE 05-20-2025", QString("05-20-2025"), 12784.0, QList{34, 42, 63},
            QList{-0.8879, -0.4339, 0.6182}, QString());
        Row("the day of birth", QString(), 0.0, QList{50, 50, 50}, QList{0.0, 0.0, 0.0},
            QString("E* P+ I+ "));
        Row("the day before", QString(), -1.0, QList{46, 46, 46}, QList{-0.2698, -0.2225, -0.1893},
            QString("<LOW<"));
    }

    void conventionsVectors()
    {
        QFETCH(QString, chartFrom);
        QFETCH(double, dayCount);
        QFETCH(QList<int>, pei);
        QFETCH(QList<double>, values);
        if (!chartFrom.isEmpty()) {
            const ChartDay first =
                chart::ChartDayAt(PlanOf(TypedFields("05-20-1990", chartFrom, "1")).start, 0);
            QCOMPARE(first.dayCount, dayCount);
            QCOMPARE(first.weekday, 2);
        }
        const ChartDay day = chart::WithPositions(ChartDay{.dayCount = dayCount});
        QCOMPARE((QList{day.p, day.e, day.i}), pei);
        const Cycle cycles[] = {Cycle::Physical, Cycle::Emotional, Cycle::Intellectual};
        for (int k = 0; k < 3; ++k)
            QCOMPARE(qRound(chart::CycleValue(dayCount, cycles[k]) * 10000), qRound(values[k] * 10000));
        QTEST(markerTexts(day), "markers");
    }

    void goldenChart()
    {
        // Six weeks with every option: a birthday, a Friday the 13th, crossings, highs and lows.
        const QString text = chart::ScreenChartText(PlanOf(fieldsWith("42", Spacing::WithLines, true, true)));
        QFile golden(QStringLiteral(TIDEMARK_TEST_DATA "/chart/worked-chart-forecast.txt"));
        QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
        QCOMPARE(text.split(u'\n'), QString::fromUtf8(golden.readAll()).split(u'\n'));
    }

    void doubleSpacing()
    {
        // An empty line between two day lines; the dashed line of the other spacing is in the golden chart.
        const QStringList lines =
            chart::ScreenChartText(PlanOf(fieldsWith("2", Spacing::Double))).split(u'\n');
        QVERIFY(lines[6].isEmpty() && lines[7].startsWith(u"MON  MAY 19  2025"));
    }

    void specialDays_data()
    {
        Columns<QString, QString, QStringList>({"birth", "date", "lines"});
        Row("New Year, born on it", "01-01-2000", "01-01-2021",
            QStringList{"**** HAPPY NEW YEAR ****", "** HAPPY 21ST BIRTHDAY **"});
        Row("a year before the birth", "05-20-1990", "05-20-1968", QStringList{"** HAPPY 22ND BIRTHDAY **"});
        Row("leap-day birth in a common year", "02-29-1896", "03-01-1900", QStringList{});
        Row("leap-day birth in a leap year", "02-29-1896", "02-29-2000",
            QStringList{"** HAPPY 104TH BIRTHDAY **"});
    }

    void specialDays()
    {
        QFETCH(QString, birth);
        QFETCH(QString, date);
        const auto day = chart::AdvanceChartDay(chart::StartingChartDay(*calendar::ParseDateText(date), 0));
        QStringList texts;
        for (const auto &line : chart::SpecialDayLines(day, *calendar::ParseDateText(birth)))
            texts << line.text;
        QTEST(texts, "lines");
    }

    void planFromTexts_data()
    {
        // What the age-in-days and length boxes hold, and the first day count and length planned.
        Columns<QString, QString, qint64, qint64>({"ageDays", "length", "firstCount", "days"});
        Row("typed age with blanks", " 100 ", "4", qint64(100), qint64(4));
        Row("age in letters is computed again", "abc", "4", qint64(12782), qint64(4));
        Row("length in letters", "12782", "abc", qint64(12782), qint64(0));
        Row("length with a fraction and words", "12782", " 3.9 days", qint64(12782), qint64(3));
    }

    void planFromTexts()
    {
        chart::ChartFields fields = fieldsWith("4");
        QFETCH(QString, ageDays);
        QFETCH(QString, length);
        fields.person.ageDays = ageDays;
        fields.person.length = length;
        const auto plan = chart::PlanChart(fields);
        QVERIFY(plan);
        QTEST(qint64(chart::AdvanceChartDay(plan->start).dayCount) - plan->correction, "firstCount");
        QTEST(plan->length, "days");
    }

    // One length rule for every command: the length as the box reads it must end the chart by
    // 12-31-9999.
    void lengthLimit_data()
    {
        Columns<QString, QString, bool>({"start", "length", "refused"});
        Row("last start, to 12-31-9999", "12-31-2099", "2885416", false);
        Row("last start, a day more", "12-31-2099", "2885417", true);
        Row("start past its month's end, to 12-31-9999", "02-31-2001", "2921515", false);
        Row("start past its month's end, a day more", "02-31-2001", "2921516", true);
        Row("leading number with letters", "05-18-2025", "3000000x", true);
        Row("more digits than an integer holds", "05-18-2025", "99999999999999999999", true);
        Row("letters are no days", "05-18-2025", "abc", false);
    }

    void lengthLimit()
    {
        QFETCH(QString, start);
        QFETCH(QString, length);
        QFETCH(bool, refused);
        chart::ChartFields fields = TypedFields("05-20-1990", start, length);
        const auto expected =
            refused ? std::optional(calendar::MessageOf(Check::ChartTooLong)) : std::nullopt;
        QCOMPARE(chart::CheckChartFields(fields), expected);
        QCOMPARE(print::CheckCoverSheetFields(fields), expected);
        if (!refused) {
            // The last day the chart walks is the end date the box shows.
            const auto plan = PlanOf(fields);
            const QDate last = chart::DateOf(chart::ChartDayAt(plan.start, plan.length - 1));
            if (plan.length > 0)
                QCOMPARE(calendar::FormatDateText(last.month(), last.day(), last.year()), fields.person.end);
        }
    }

    void estimateBoundsOddPlans_data()
    {
        Columns<QString, qint64>({"name", "length"});
        // A name whose capitals are longer than it is, long enough to outgrow the days' margin.
        Row("Greek iota, three characters in capitals", QString(5000, QChar(0x0390)), qint64(30));
        // A plan built by hand rather than from the fields.
        Row("length below zero", QStringLiteral("Your Name"), qint64(-1000));
    }

    void estimateBoundsOddPlans()
    {
        chart::ChartPlan plan = PlanOf(fieldsWith("1", Spacing::WithLines, true, true));
        QFETCH(QString, name);
        QFETCH(qint64, length);
        plan.name = name;
        plan.length = length;
        const qint64 estimate = chart::EstimateScreenChartChars(plan);
        const qint64 actual = chart::ScreenChartText(plan).size();
        QVERIFY2(estimate >= actual, qPrintable(QStringLiteral("%1 < %2").arg(estimate).arg(actual)));
        plan.length = chart::MaxChartLength; // known too large before anything is built
        QVERIFY(chart::EstimateScreenChartChars(plan) > qint64(1) << 40);
    }

    void progressAndCancel()
    {
        QList<qint64> calls;
        QString text;
        chart::StringLineSink sink(text);
        const auto progress = [&calls](qint64 done, qint64) { return calls << done, done < 8192; };
        QVERIFY(!chart::ComposeScreenChart(PlanOf(fieldsWith("10000")), sink, progress));
        QCOMPARE(calls, (QList<qint64>{4096, 8192}));
        QCOMPARE(text.count(u'\n'), 5 + 8192);
    }

    void messageOfEachCheck_data()
    {
        QTest::addColumn<int>("row");
        for (int k = 0; k < int(std::size(Rows)); ++k)
            QTest::newRow(Rows[k].tag) << k;
        QCOMPARE(int(std::size(Rows)), calendar::CheckCount);
    }

    void messageOfEachCheck()
    {
        QFETCH(int, row);
        QCOMPARE(int(Rows[row].check), row); // the rows stand in the order of the checks, one each
        QCOMPARE(run(Rows[row]), std::optional(calendar::MessageOf(Rows[row].check)));
    }

    // The compatibility rule's vectors and its two worked pairs, either person first. The days both
    // are critical are those on which each one's own chart, typed on its own, marks a crossing.
    void compatibility_data()
    {
        Columns<QString, QString, qint64, QList<int>>({"first", "second", "daysApart", "percents"});
        Row("same birthdate", QString("05-20-1990"), QString("05-20-1990"), qint64(0),
            QList{100, 100, 100, 100});
        Row("half the emotional period", QString("05-20-1990"), QString("06-03-1990"), qint64(14),
            QList{33, 0, 24, 19});
        Row("a whole physical period, second first", QString("06-12-1990"), QString("05-20-1990"), qint64(23),
            QList{100, 85, 58, 81});
        Row("one day", QString("02-28-2000"), QString("02-29-2000"), qint64(1), QList{99, 99, 100, 99});
        Row("a day past February's end is in March", QString("02-30-1990"), QString("03-02-1990"), qint64(0),
            QList{100, 100, 100, 100});
        Row("Pat and Lee", QString("05-20-1990"), QString("07-04-1988"), qint64(685), QList{78, 11, 72, 54});
        Row("1963 and 1977", QString("11-22-1977"), QString("03-15-1963"), qint64(5366),
            QList{58, 43, 33, 45});
    }

    void compatibility()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(qint64, daysApart);
        QFETCH(QList<int>, percents);
        const auto comparison = chart::Compare(TypedFields(first, "05-20-2025", "400"), "Lee Sample", second);
        QVERIFY(comparison);
        QCOMPARE(comparison->compatibility,
                 (chart::Compatibility{daysApart, {percents[0], percents[1], percents[2]}, percents[3]}));
        const chart::ChartPlan myPlan = PlanOf(TypedFields(first, "05-20-2025", "400"));
        const chart::ChartPlan theirPlan = PlanOf(TypedFields(second, "05-20-2025", "400"));
        chart::ChartWalk mine(myPlan);
        chart::ChartWalk theirs(theirPlan);
        QList<ChartDay> both;
        while (mine.next() && theirs.next()) {
            if (chart::IsCriticalDay(mine.day()) && chart::IsCriticalDay(theirs.day()))
                both << mine.day();
        }
        QCOMPARE(comparison->bothCritical, both);
    }

    // The second person's birthdate is refused with the message the first person's would get.
    void partnerRefusedAsTheBirthdate_data()
    {
        QTest::addColumn<QString>("birth");
        for (const char *birth : {"", "13-01-1990", "05-32-1990", "05-20-1499", "05-20-19900", "05/20/1990",
                                  "05-20-199", "0A-20-1990", "05-20-1990"})
            QTest::newRow(birth) << QString(birth);
    }

    void partnerRefusedAsTheBirthdate()
    {
        QFETCH(QString, birth);
        chart::ChartFields fields = TypedFields("05-20-2000", "05-20-2025", "30");
        fields.person.birth = birth;
        const calendar::BoxUpdate typed = calendar::BirthdateChanged(fields.person);
        fields.person = typed.boxes;
        QCOMPARE(chart::CheckPartner(u"Lee Sample", birth),
                 typed.message ? typed.message : chart::CheckChartFields(fields));
        QCOMPARE(chart::CheckPartner(u"", u"05-20-1990"), calendar::MessageOf(Check::ChartNoName));
    }
};

TIDEMARK_TEST(TestChart)
#include "tst_chart.moc"
