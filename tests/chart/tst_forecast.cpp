#include "chart/cycles.h"
#include "chart/forecast.h"
#include "chartfixture.h"

#include <QTest>

using chart::ChartDay;
using chart::Cycle;
using chart::PreviousPosition;

namespace {

ChartDay dayWith(int p, int e, int i)
{
    ChartDay day;
    day.p = p;
    day.e = e;
    day.i = i;
    return day;
}

// The day of a cycle day count, positions set.
ChartDay onDay(double dayCount)
{
    ChartDay day;
    day.dayCount = dayCount;
    return chart::WithPositions(day);
}

QStringList block(const ChartDay &day, PreviousPosition &previous)
{
    QStringList out;
    for (const QStringView sentence : chart::ForecastBlock(day, previous))
        out << sentence.toString();
    return out;
}

// The cycle sentences are the last three of a block: E, P, I.
QString emotional(const QStringList &lines)
{
    return lines.value(lines.size() - 3);
}

QString physical(const QStringList &lines)
{
    return lines.value(lines.size() - 2);
}

} // namespace

class TestForecast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPositionHasARow();
    void exactWording();
    void firstDayTakesOtherwise();
    void emotionalLowestPoint();
    void emotionalCrossings();
    void equalPositionsTakeOtherwise();
    void downwardPhysicalCrossing();
    void birthDate();
    void conditionSentences_data();
    void conditionSentences();
    void workedChartFirstDays();
    void highestPositionsNeverFall();
};

void TestForecast::everyPositionHasARow()
{
    const QList<int> rows = {21, 15, 29};
    for (int c = 0; c < 3; ++c) {
        const auto cycle = Cycle(c);
        const auto table = chart::ForecastPhrases(cycle);
        QCOMPARE(qsizetype(table.size()), qsizetype(rows[c]));
        QSet<int> keys;
        for (const chart::PhraseRow &row : table) {
            keys.insert(row.position);
            QVERIFY(!row.falling.isEmpty());
            QVERIFY(!row.otherwise.isEmpty());
        }
        QSet<int> reachable;
        for (int k = 0; k < chart::ShapeOf(cycle).period; ++k)
            reachable.insert(chart::PositionOf(k, cycle));
        QCOMPARE(keys, reachable);
    }
    QVERIFY(chart::CycleSentence(Cycle::Emotional, 49, 0).isEmpty());
}

void TestForecast::exactWording()
{
    QCOMPARE(chart::CycleSentence(Cycle::Physical, 32, 33),
             QStringView(u"A physically low time in your cycle. You may be fatiqued."));
    QCOMPARE(chart::CycleSentence(Cycle::Physical, 39, 0),
             QStringView(u"Concentrate on activites that require less physical involvement."));
    QCOMPARE(chart::CycleSentence(Cycle::Physical, 46, 41),
             QStringView(u"Be aware that your (P)hysical rhythm is low.  You may tire easily."));
    QCOMPARE(chart::CriticalDaySentence,
             QStringView(u"Today is an accident-prone day. One or more cycles are 'critical.'"));
    QCOMPARE(chart::CycleSentence(Cycle::Intellectual, 71, 70),
             QStringView(u"(I)ntellectual rhythm is high. You may have to put it to the test."));
}

void TestForecast::firstDayTakesOtherwise()
{
    PreviousPosition previous;
    QCOMPARE(previous, (PreviousPosition{0, 0, 0}));
    const ChartDay day = dayWith(34, 42, 63);
    block(day, previous);
    QCOMPARE(previous, (PreviousPosition{34, 42, 63}));
}

void TestForecast::emotionalLowestPoint()
{
    PreviousPosition first;
    QCOMPARE(emotional(block(onDay(21), first)),
             QStringLiteral("Your emotions may be fluctuating. Stay to the routine."));
    PreviousPosition walked;
    block(onDay(20), walked);
    QCOMPARE(walked.e, 31);
    QCOMPARE(emotional(block(onDay(21), walked)),
             QStringLiteral("You may be moody. Don't let small situations get you down."));
}

void TestForecast::emotionalCrossings()
{
    PreviousPosition rising;
    block(onDay(27), rising);
    QCOMPARE(rising.e, 46);
    QStringList lines = block(onDay(28), rising);
    QVERIFY(lines.contains(
        QStringLiteral("Avoid stress. Emotions may be particularly draining while being recharged.")));
    PreviousPosition falling;
    block(onDay(13), falling);
    QCOMPARE(falling.e, 54);
    lines = block(onDay(14), falling);
    QCOMPARE(lines[0], chart::CriticalDaySentence.toString());
    QCOMPARE(
        lines[1],
        QStringLiteral("An (E)motional recharge day. Avoid stressful situations. Sensitivity runs high."));
}

void TestForecast::equalPositionsTakeOtherwise()
{
    PreviousPosition previous;
    block(onDay(4), previous);
    const QString fit = QStringLiteral("If you are physically fit and able, outdoor activity looks good.");
    QCOMPARE(physical(block(onDay(5), previous)), fit);
    QCOMPARE(physical(block(onDay(6), previous)), fit);
    block(onDay(16), previous);
    QCOMPARE(previous.p, 33);
    QCOMPARE(physical(block(onDay(17), previous)),
             QStringLiteral("A physically low time in your cycle. You may be fatiqued."));
    QCOMPARE(physical(block(onDay(18), previous)),
             QStringLiteral("You may feel lackluster and physically drained."));
}

void TestForecast::downwardPhysicalCrossing()
{
    // Physical cycle day 11 on a day count that keeps E and I off their crossings.
    const double count = 11 + 23;
    PreviousPosition previous;
    block(onDay(count - 1), previous);
    QCOMPARE(previous.p, 57);
    const PreviousPosition before = previous;
    const ChartDay day = onDay(count);
    QCOMPARE(day.p, 52);
    const QStringList lines = block(day, previous);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], chart::CriticalDaySentence.toString());
    QCOMPARE(lines[1], chart::CycleSentence(Cycle::Emotional, day.e, before.e).toString());
    QCOMPARE(lines[2],
             QStringLiteral("Use your physical powers sparingly. Your cycle is crossing the zero line."));
}

void TestForecast::birthDate()
{
    PreviousPosition previous;
    const QStringList lines = block(onDay(0), previous);
    QCOMPARE(lines, (QStringList{"Today is an accident-prone day. One or more cycles are 'critical.'",
                                 "Avoid stress. Emotions may be particularly draining while being recharged.",
                                 "(P)hysical cycle has entered a zero state. Keep your guard up.",
                                 "Intellectual rhythm pattern has entered a critical period."}));
}

void TestForecast::conditionSentences_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("e");
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("condition");
    QTest::newRow("triple high") << 54 << 58 << 57 << chart::TripleHighSentence.toString();
    QTest::newRow("triple low") << 48 << 46 << 48 << chart::TripleLowSentence.toString();
    QTest::newRow("critical on I only") << 54 << 58 << 50 << chart::CriticalDaySentence.toString();
    QTest::newRow("critical on all three, once") << 50 << 50 << 52 << chart::CriticalDaySentence.toString();
    QTest::newRow("no condition") << 54 << 46 << 57 << QString();
}

void TestForecast::conditionSentences()
{
    QFETCH(int, p);
    QFETCH(int, e);
    QFETCH(int, i);
    QFETCH(QString, condition);
    PreviousPosition previous;
    const QStringList lines = block(dayWith(p, e, i), previous);
    QCOMPARE(lines.size(), condition.isEmpty() ? 3 : 4);
    if (!condition.isEmpty())
        QCOMPARE(lines[0], condition);
    QCOMPARE(lines.last(), chart::CycleSentence(Cycle::Intellectual, i, 0).toString());
}

void TestForecast::workedChartFirstDays()
{
    const QList<ChartDay> days = ChartDays(PlanOf(TypedFields("05-20-1990", "05-20-2025", "2")));
    PreviousPosition previous;
    QCOMPARE(block(days[0], previous),
             (QStringList{"Your emotions may seem drained. Turn thoughts elsewhere.",
                          "You may not have much physical initiative today.",
                          "You should feel confident on your decisions today."}));
    QCOMPARE(block(days[1], previous),
             (QStringList{"Keep emotional activities to the more routine matters.",
                          "Stick to your regular schedule while your vitality is low.",
                          "Your intellectual high favors clear thinking today."}));
}

void TestForecast::highestPositionsNeverFall()
{
    // One day count in every combination of the three cycles.
    QSet<QString> written;
    PreviousPosition previous;
    for (int n = 0; n < 23 * 28 * 33; ++n) {
        for (const QString &line : block(onDay(n), previous))
            written.insert(line);
    }
    const QList<std::pair<Cycle, int>> tops = {
        {Cycle::Emotional, 70}, {Cycle::Physical, 68}, {Cycle::Intellectual, 71}};
    for (const auto &[cycle, top] : tops) {
        QVERIFY(!written.contains(chart::CycleSentence(cycle, top, top + 1).toString()));
        QVERIFY(written.contains(chart::CycleSentence(cycle, top, 0).toString()));
        // One position lower is passed on the way down.
        QVERIFY(written.contains(chart::CycleSentence(cycle, top - 1, top).toString()));
    }
}

QTEST_GUILESS_MAIN(TestForecast)
#include "tst_forecast.moc"
