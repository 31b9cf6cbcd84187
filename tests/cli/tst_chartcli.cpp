#include "chart/chartchecks.h"
#include "chart/chartfixture.h"
#include "chart/screenchart.h"
#include "print/pdfpages.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

Q_DECLARE_METATYPE(chart::Spacing)

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run finish(QProcess &process, const QString &program, const QStringList &args)
{
    process.start(program, args);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

Run runChart(const QStringList &args, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    return finish(process, QStringLiteral(TIDEMARK_CHART_EXE), args);
}

// "--opt=value" as the two words "--opt" "value".
QStringList spaced(const QStringList &args)
{
    QStringList words;
    for (const QString &arg : args) {
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        if (equals < 0)
            words << arg;
        else
            words << arg.left(equals) << arg.mid(equals + 1);
    }
    return words;
}

} // namespace

class TestChartCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameTextAsTheWindow_data();
    void sameTextAsTheWindow();
    void startDefaultsToToday();
    void badInput_data();
    void badInput();
    void usageErrors_data();
    void usageErrors();
    void help();
    void longChartStreams();
    void printsTextPages_data();
    void printsTextPages();
    void printRefusesBadInput();
    void optionsWithEquals_data();
    void optionsWithEquals();
    void failedOutput_data();
    void failedOutput();
};

void TestChartCli::sameTextAsTheWindow_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("days");
    QTest::addColumn<bool>("forecast");
    QTest::addColumn<bool>("holidays");
    QTest::addColumn<chart::Spacing>("spacing");
    QTest::addColumn<QString>("spacingArg");
    QTest::newRow("worked chart, defaults") << "05-20-1990"
                                            << "05-20-2025"
                                            << "40" << false << true << chart::Spacing::WithLines << "lines";
    QTest::newRow("forecast, single") << "12-25-1962"
                                      << "12-01-2024"
                                      << "60" << true << true << chart::Spacing::Single << "single";
    QTest::newRow("no holidays, double") << "02-29-1996"
                                         << "02-01-2024"
                                         << "400" << false << false << chart::Spacing::Double << "double";
    QTest::newRow("start before the birth") << "05-20-1990"
                                            << "05-01-1989"
                                            << "30" << true << true << chart::Spacing::WithLines << "lines";
    QTest::newRow("overflowed start date") << "05-20-1990"
                                           << "02-31-2001"
                                           << "5" << false << true << chart::Spacing::Single << "single";
    QTest::newRow("length in letters") << "05-20-1990"
                                       << "05-20-2025"
                                       << "abc" << false << true << chart::Spacing::Single << "single";
}

void TestChartCli::sameTextAsTheWindow()
{
    QFETCH(QString, birth);
    QFETCH(QString, start);
    QFETCH(QString, days);
    QFETCH(bool, forecast);
    QFETCH(bool, holidays);
    QFETCH(chart::Spacing, spacing);
    QFETCH(QString, spacingArg);
    chart::ChartFields fields = TypedFields(birth, start, days);
    fields.name = QStringLiteral("Zoë Example");
    fields.preferences.forecast = forecast;
    fields.preferences.holidays = holidays;
    fields.preferences.spacing = spacing;
    QVERIFY(!chart::CheckChartFields(fields));
    const QString expected = chart::ScreenChartText(PlanOf(fields));

    QStringList args = {"--name", fields.name, "--birth", birth,       "--start",
                        start,    "--days",    days,      "--spacing", spacingArg};
    if (forecast)
        args << "--forecast";
    if (!holidays)
        args << "--no-holidays";
    const Run run = runChart(args);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(QString::fromUtf8(run.out), expected);
}

void TestChartCli::startDefaultsToToday()
{
    const QStringList common = {"--name", "A", "--birth", "05-20-1990", "--days", "20"};
    const Run given = runChart(common + QStringList{"--start", "03-05-2024"});
    const Run today = runChart(common + QStringList{"--today", "03-05-2024"});
    QCOMPARE(today.exitCode, 0);
    QVERIFY(!today.out.isEmpty());
    QCOMPARE(today.out, given.out);
    const Run both = runChart(common + QStringList{"--today", "01-01-2020", "--start", "03-05-2024"});
    QCOMPARE(both.out, given.out);
}

void TestChartCli::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("birth month")
        << QStringList{"--name", "A", "--birth", "13-01-1990", "--days", "3"}
        << "MONTH DATE INPUT ERROR IN BIRTH DATE: Input error in Birth date! The Month must "
           "be a number from 01 to 12 and be in the format: MM-DD-YYYY\n";
    QTest::newRow("birth without dashes") << QStringList{"--name", "A", "--birth", "5-20-1990", "--days", "3"}
                                          << "DATE ERROR!: Input error in Birthdate! The Date must include "
                                             "the dash (-) after the month, and after the "
                                             "day! Format must be MM-DD-YYYY.\n";
    QTest::newRow("no name") << QStringList{"--name", "", "--birth", "05-20-1990", "--days", "3"}
                             << "NO NAME ENTERED!: There is no Name selected to use on chart!\n";
    QTest::newRow("no length")
        << QStringList{"--name", "A", "--birth", "05-20-1990", "--days", ""}
        << "NO LENGTH OF CHART INDICATED!: There is no number to indicate length of chart "
           "desired!\n";
    QTest::newRow("start incomplete")
        << QStringList{"--name", "A", "--birth", "05-20-1990", "--days", "3", "--start", "05-20"}
        << "NO CHART STARTING DATE INDICATED!: There is no correct date to indicate chart starting date!\n";
    QTest::newRow("start day") << QStringList{"--name", "A", "--birth", "05-20-1990",
                                              "--days", "3", "--start", "05-32-2025"}
                               << "DAY DATE INPUT ERROR: Input error in Start date! The Day must be a number "
                                  "from 01 to 31 and be in the "
                                  "format: MM-DD-YYYY\n";
}

void TestChartCli::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run run = runChart(args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(QString::fromUtf8(run.err), message);
}

void TestChartCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("missing birth") << QStringList{"--name", "A", "--days", "3"};
    QTest::newRow("unknown option") << QStringList{"--name", "A", "--birth", "05-20-1990",
                                                   "--days", "3", "--pages"};
    QTest::newRow("bad spacing") << QStringList{"--name", "A", "--birth",   "05-20-1990",
                                                "--days", "3", "--spacing", "wide"};
}

void TestChartCli::usageErrors()
{
    QFETCH(QStringList, args);
    const Run run = runChart(args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(run.err.startsWith("tidemark-chart: "));
    QVERIFY(run.err.contains("\nUsage: tidemark-chart --name TEXT --birth MM-DD-YYYY --days N"));
}

void TestChartCli::help()
{
    const Run run = runChart({"--help"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QVERIFY(run.out.startsWith("Usage: tidemark-chart --name TEXT --birth MM-DD-YYYY --days N"));
    QVERIFY(run.out.contains("--no-holidays"));
}

void TestChartCli::longChartStreams()
{
    const Run run = runChart({"--name", "A", "--birth", "05-20-1990", "--start", "01-01-1900", "--days",
                              "200000", "--spacing", "single", "--no-holidays"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count('\n'), 5 + 200000);
    QVERIFY(run.out.endsWith("\n"));
}

void TestChartCli::printsTextPages_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("formFeeds");
    QTest::addColumn<QByteArray>("firstText");
    // A 60-day chart at 50 lines a page takes three pages; the cover sheet is one.
    QTest::newRow("chart") << "chart" << 2 << QByteArray("PAGE # 1 - PAT EXAMPLE - 05-20-1990");
    QTest::newRow("cover") << "cover" << 0 << QByteArray("Pat Example");
    QTest::newRow("both") << "both" << 3 << QByteArray("Pat Example");
}

void TestChartCli::printsTextPages()
{
    QFETCH(QString, what);
    QFETCH(int, formFeeds);
    QFETCH(QByteArray, firstText);
    const Run run = runChart({"--name", "Pat Example", "--birth", "05-20-1990", "--start", "05-20-2025",
                              "--days", "60", "--today", "05-20-2025", "--print-text", "--what", what});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(int(run.out.count('\f')), formFeeds);
    QCOMPARE(run.out.trimmed().left(firstText.size()), firstText);
}

void TestChartCli::printRefusesBadInput()
{
    const Run run = runChart({"--name", "Pat", "--birth", "05-20-1990", "--start", "05-20-2025", "--days",
                              "5", "--print-text", "--lines-per-page", "0"});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(QString::fromUtf8(run.err),
             QStringLiteral("LINES PER PAGE INCORRECT!: Lines Per Page is zero or a minus number!\n"));
}

void TestChartCli::optionsWithEquals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("pdfs");
    const QStringList person = {"--name=Pat Example", "--birth=05-20-1990", "--days=60", "--start=05-20-2025",
                                "--today=05-20-2025"};
    QTest::newRow("pdf of the chart") << person + QStringList{"--pdf=chart.pdf"} << QStringList{"chart.pdf"};
    QTest::newRow("pdf of both, every print option")
        << person + QStringList{"--pdf=Pat.pdf",      "--what=both",         "--printer=matrix",
                                "--font=Courier",     "--lines-per-page=20", "--lead-in=Prepared by:",
                                "--heading=Your Name"}
        << QStringList{"Pat - cover sheet.pdf", "Pat - chart.pdf"};
    QTest::newRow("text pages") << person + QStringList{"--print-text", "--what=cover", "--heading=Your Name"}
                                << QStringList{};
    QTest::newRow("screen chart") << person + QStringList{"--spacing=double"} << QStringList{};
}

void TestChartCli::optionsWithEquals()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, pdfs);
    QTemporaryDir joinedFolder;
    QTemporaryDir spacedFolder;
    const Run joined = runChart(args, joinedFolder.path());
    const Run apart = runChart(spaced(args), spacedFolder.path());
    QCOMPARE(joined.exitCode, 0);
    QCOMPARE(joined.out, apart.out);
    QCOMPARE(joined.out.isEmpty(), !pdfs.isEmpty());
    // The PDFs, as the spaced options make them, and no part file left beside them.
    const QDir folder(joinedFolder.path());
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden).size(), pdfs.size());
    for (const QString &pdf : pdfs) {
        QVERIFY2(PdfPageCount(folder.filePath(pdf)) > 0, qPrintable(pdf));
        QCOMPARE(PdfPageCount(folder.filePath(pdf)), PdfPageCount(QDir(spacedFolder.path()).filePath(pdf)));
    }
}

void TestChartCli::failedOutput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("closed"); // standard output closed, else on a full disk
    QTest::addColumn<int>("error");
    const QStringList person = {"--name", "Pat", "--birth", "05-20-1990",
                                "--days", "60",  "--today", "05-20-2025"};
    QTest::newRow("printed text, disk full") << person + QStringList{"--print-text"} << false << ENOSPC;
    QTest::newRow("printed text, output closed") << person + QStringList{"--print-text"} << true << EBADF;
    QTest::newRow("help, disk full") << QStringList{"--help"} << false << ENOSPC;
    QTest::newRow("screen chart, disk full") << person << false << ENOSPC;
    QTest::newRow("screen chart, output closed") << person << true << EBADF;
}

void TestChartCli::failedOutput()
{
    QFETCH(QStringList, args);
    QFETCH(bool, closed);
    QFETCH(int, error);
    QProcess process;
    const QString program = QStringLiteral(TIDEMARK_CHART_EXE);
    Run run;
    if (closed) {
        run = finish(process, QStringLiteral("sh"),
                     QStringList{"-c", "exec \"$0\" \"$@\" >&-", program} + args);
    } else {
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        run = finish(process, program, args);
    }
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("tidemark-chart: cannot write the output: ") +
                                             QString::fromLocal8Bit(std::strerror(error)) + '\n');
}

QTEST_GUILESS_MAIN(TestChartCli)
#include "tst_chartcli.moc"
