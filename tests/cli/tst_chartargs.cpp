#include "cli/chartargs.h"
#include "cli/chartcommand.h"

#include <QTest>

using cli::ChartArguments;
using cli::ParsedArguments;

Q_DECLARE_METATYPE(ParsedArguments::Outcome)

class TestChartArgs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outcomes_data();
    void outcomes();
    void defaults();
    void everyOption();
    void fieldsAsTheWindowFillsThem();
    void entryCheckMessages_data();
    void entryCheckMessages();
};

void TestChartArgs::outcomes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<ParsedArguments::Outcome>("outcome");
    const QStringList base = {"tidemark-chart", "--name", "A", "--birth", "05-20-1990", "--days", "3"};
    QTest::newRow("required only") << base << ParsedArguments::Outcome::Run;
    QTest::newRow("help") << QStringList{"tidemark-chart", "--help"} << ParsedArguments::Outcome::Help;
    QTest::newRow("help among others") << base + QStringList{"-h"} << ParsedArguments::Outcome::Help;
    QTest::newRow("missing days") << base.mid(0, 5) << ParsedArguments::Outcome::UsageError;
    QTest::newRow("missing name") << base.mid(3) << ParsedArguments::Outcome::UsageError;
    QTest::newRow("unknown option") << base + QStringList{"--colour"} << ParsedArguments::Outcome::UsageError;
    QTest::newRow("stray argument") << base + QStringList{"extra"} << ParsedArguments::Outcome::UsageError;
    QTest::newRow("option without its value")
        << base + QStringList{"--start"} << ParsedArguments::Outcome::UsageError;
    QTest::newRow("bad spacing") << base + QStringList{"--spacing", "triple"}
                                 << ParsedArguments::Outcome::UsageError;
    QTest::newRow("today not a date")
        << base + QStringList{"--today", "13-01-2025"} << ParsedArguments::Outcome::UsageError;
    QTest::newRow("empty start is for the checks")
        << base + QStringList{"--start", ""} << ParsedArguments::Outcome::Run;
}

void TestChartArgs::outcomes()
{
    QFETCH(QStringList, args);
    QFETCH(ParsedArguments::Outcome, outcome);
    const ParsedArguments parsed = cli::ParseChartArguments(args);
    QCOMPARE(parsed.outcome, outcome);
    QCOMPARE(parsed.error.isEmpty(), outcome != ParsedArguments::Outcome::UsageError);
}

void TestChartArgs::defaults()
{
    const ParsedArguments parsed =
        cli::ParseChartArguments({"tidemark-chart", "--name", "A", "--birth", "05-20-1990", "--days", "3"});
    ChartArguments expected;
    expected.name = QStringLiteral("A");
    expected.birth = QStringLiteral("05-20-1990");
    expected.days = QStringLiteral("3");
    QCOMPARE(parsed.arguments, expected);
    QVERIFY(parsed.arguments.holidays);
    QVERIFY(!parsed.arguments.forecast);
    QCOMPARE(parsed.arguments.spacing, chart::Spacing::WithLines);
    QVERIFY(!parsed.arguments.start);
}

void TestChartArgs::everyOption()
{
    const ParsedArguments parsed = cli::ParseChartArguments(
        {"tidemark-chart", "--name=Your Name", "--birth", "02-29-1996", "--days", "10", "--start",
         "01-01-2025", "--forecast", "--no-holidays", "--spacing", "double", "--today", "06-01-2025"});
    QCOMPARE(parsed.outcome, ParsedArguments::Outcome::Run);
    ChartArguments expected;
    expected.name = QStringLiteral("Your Name");
    expected.birth = QStringLiteral("02-29-1996");
    expected.days = QStringLiteral("10");
    expected.start = QStringLiteral("01-01-2025");
    expected.today = QStringLiteral("06-01-2025");
    expected.forecast = true;
    expected.holidays = false;
    expected.spacing = chart::Spacing::Double;
    QCOMPARE(parsed.arguments, expected);
    QCOMPARE(cli::ParseChartArguments(
                 {"tidemark-chart", "--name", "A", "--birth", "x", "--days", "1", "--spacing", "single"})
                 .arguments.spacing,
             chart::Spacing::Single);
}

void TestChartArgs::fieldsAsTheWindowFillsThem()
{
    ChartArguments args;
    args.name = QStringLiteral("Your Name");
    args.birth = QStringLiteral("05-20-1990");
    args.days = QStringLiteral("30");
    const auto filled = cli::FieldsFromArguments(args, QStringLiteral("05-20-2025"));
    QVERIFY(std::holds_alternative<chart::ChartFields>(filled));
    const auto &fields = std::get<chart::ChartFields>(filled);
    QCOMPARE(fields.person.sign, QStringLiteral("Taurus"));
    QCOMPARE(fields.person.weekday, QStringLiteral("Sunday"));
    QCOMPARE(fields.person.ageDays, QStringLiteral("12784"));
    QCOMPARE(fields.person.ageYears, QStringLiteral("35"));
    QCOMPARE(fields.person.start, QStringLiteral("05-20-2025"));
    QCOMPARE(fields.person.end, QStringLiteral("06-18-2025"));
    QCOMPARE(fields.preferences.linesPerPage, QStringLiteral("50"));
    QVERIFY(fields.preferences.holidays);
    QCOMPARE(fields.preferences.spacing, chart::Spacing::WithLines);
}

void TestChartArgs::entryCheckMessages_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("title");
    QTest::newRow("birth month") << "13-01-1990"
                                 << "05-20-2025"
                                 << "MONTH DATE INPUT ERROR IN BIRTH DATE";
    QTest::newRow("birth too long") << "05-20-19900"
                                    << "05-20-2025"
                                    << "DATE ERROR!";
    QTest::newRow("start year") << "05-20-1990"
                                << "05-20-2100"
                                << "YEAR DATE INPUT ERROR";
    QTest::newRow("start hyphens") << "05-20-1990"
                                   << "05/20/2025"
                                   << "DATE HYPHEN ERROR IN MM-DD-YYYY!";
}

void TestChartArgs::entryCheckMessages()
{
    QFETCH(QString, birth);
    QFETCH(QString, start);
    ChartArguments args;
    args.name = QStringLiteral("A");
    args.birth = birth;
    args.start = start;
    args.days = QStringLiteral("3");
    const auto filled = cli::FieldsFromArguments(args, QStringLiteral("01-01-2025"));
    QVERIFY(std::holds_alternative<calendar::Message>(filled));
    QTEST(std::get<calendar::Message>(filled).title, "title");
}

QTEST_GUILESS_MAIN(TestChartArgs)
#include "tst_chartargs.moc"
