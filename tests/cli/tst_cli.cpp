// Runs the built tidemark-chart: its chart is the window's, its messages and exit statuses say
// what went wrong, and output it cannot write is reported as such.
#include "calendar/profile.h"
#include "chart/chartplan.h"
#include "chart/screenchart.h"
#include "chartfixture.h"
#include "export/calendarexport.h"
#include "export/jsonchart.h"
#include "print/pdfpages.h"
#include "print/textprintdevice.h"
#include "print/whatissheet.h"
#include "support/privileged.h"
#include "support/testmain.h"
#include "tidemarkversion.h"

#include <QBuffer>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool in `folder` with `arguments`, its standard output redirected by the shell as
// `redirection` says (">/dev/full", ">&-") when given.
Run Chart(const QStringList &arguments, const QString &folder = {}, const QString &redirection = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start("sh",
                  QStringList{"-c", "exec \"$0\" \"$@\" " + redirection, TIDEMARK_CHART_EXE} + arguments);
    process.waitForFinished(120'000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QStringList Person = {"--name=Pat Example", "--birth=05-20-1990", "--days=60", "--today=05-20-2025"};

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameChartAsTheWindow_data();
    void sameChartAsTheWindow();
    void refusals_data();
    void refusals();
    void version();
    void outputsWhereNamed_data();
    void outputsWhereNamed();
    void optionsWithEquals_data();
    void optionsWithEquals();
    void jsonAndCalendarOfTheChart();
    void comparedWithAPartner();
    void printedTextStreams();
    void pdfWithAStaleDisplay();
    void whatIsSheet();
};

void TestCli::sameChartAsTheWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("the defaults") << QStringList{"--birth=05-20-1990", "--start=05-20-2025", "--days=40"};
    QTest::newRow("forecast, single") << QStringList{"--birth=12-25-1962", "--start=12-01-2024", "--days=60",
                                                     "--forecast", "--spacing=single"};
    QTest::newRow("no holidays, double") << QStringList{"--birth=02-29-1996", "--start=02-01-2024",
                                                        "--days=400", "--no-holidays", "--spacing=double"};
    QTest::newRow("start on 02-31") << QStringList{"--birth=05-20-1990", "--start=02-31-2001", "--days=5"};
}

// The chart on standard output is the one the window shows for the boxes typed so.
void TestCli::sameChartAsTheWindow()
{
    QFETCH(QStringList, arguments);
    const auto value = [&arguments](const char *option) {
        return arguments.filter(QRegularExpression(QString("^--%1=").arg(option))).value(0).section('=', 1);
    };
    chart::ChartFields fields{QStringLiteral("Zoë Example"), {}, {}};
    auto &boxes = fields.person;
    boxes.start = value("start"), boxes = calendar::StartDateChanged(boxes).boxes;
    boxes.birth = value("birth"), boxes = calendar::BirthdateChanged(boxes).boxes;
    boxes.length = value("days"), boxes = calendar::LengthChanged(boxes);
    fields.preferences.linesPerPage = QStringLiteral("50");
    fields.preferences.forecast = arguments.contains("--forecast");
    fields.preferences.holidays = !arguments.contains("--no-holidays");
    const QMap<QString, chart::Spacing> spacing = {{"single", chart::Spacing::Single},
                                                   {"double", chart::Spacing::Double}};
    fields.preferences.spacing = spacing.value(value("spacing"), chart::Spacing::WithLines);
    const Run run = Chart(QStringList{"--name", fields.name} + arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(QString::fromUtf8(run.out), chart::ScreenChartText(*chart::PlanChart(fields)));
}

void TestCli::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("redirection"); // of standard output
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err"); // the start of standard error
    const QString full = QString("tidemark-chart: cannot write the output: %1\n").arg(std::strerror(ENOSPC));
    const QString closed = QString("tidemark-chart: cannot write the output: %1\n").arg(std::strerror(EBADF));
    const QString tooLong =
        "tidemark-chart: LENGTH OF CHART TOO LONG!: The chart would end after 12-31-9999.\n";
    const QString notWhole = "tidemark-chart: --days must be a whole number of days";
    const QString control = "tidemark-chart: NAME INPUT ERROR: The name holds a control character!\n";
    QTest::newRow("an entry check")
        << QStringList{"--birth=13-01-1990"} << "" << 2
        << "tidemark-chart: MONTH DATE INPUT ERROR IN BIRTH DATE: Input error in Birth date!";
    QTest::newRow("a chart check")
        << QStringList{"--name="} << "" << 2
        << "tidemark-chart: NO NAME ENTERED!: There is no Name selected to use on chart!\n";
    QTest::newRow("past the year 9999") << QStringList{"--days=3000000"} << "" << 2 << tooLong;
    QTest::newRow("days with letters after the number")
        << QStringList{"--days=3000000x"} << "" << 2 << notWhole;
    QTest::newRow("days with an exponent") << QStringList{"--days=1e9"} << "" << 2 << notWhole;
    QTest::newRow("days in letters") << QStringList{"--days=abc"} << "" << 2 << notWhole;
    QTest::newRow("an escape in the name, screen chart")
        << QStringList{"--name=Pat \x1b[2JExample"} << "" << 2 << control;
    QTest::newRow("a tab in the name, calendar")
        << QStringList{"--name=Pat\tExample", "--ics=c.ics"} << "" << 2 << control;
    QTest::newRow("lines per page 5.5: not even the cover sheet")
        << QStringList{"--pdf=c.pdf", "--what=both", "--lines-per-page=5.5"} << "" << 2
        << "tidemark-chart: LINES PER PAGE INCORRECT!: Lines Per Page must be a whole number!\n";
    QTest::newRow("both documents onto standard output")
        << QStringList{"--pdf=-", "--what=both"} << "" << 2
        << "tidemark-chart: --pdf - (standard output) takes one document, not --what both.\nUsage:";
    QTest::newRow("an unknown option, and the usage")
        << QStringList{"--pages"} << "" << 2 << "tidemark-chart: Unknown option 'pages'.\nUsage:";
    QTest::newRow("a pdf into a folder")
        << QStringList{"--pdf=charts/"} << "" << 2 << "tidemark-chart: --pdf needs a file name.\nUsage:";
    QTest::newRow("no folder for the pdf")
        << QStringList{"--pdf=no/chart.pdf"} << "" << 1
        << "tidemark-chart: PRINTER ERROR!: The PDF file \"no/chart.pdf\" could not start:";
    QTest::newRow("an unknown format") << QStringList{"--format=xml"} << "" << 2
                                       << "tidemark-chart: --format takes text or json, not \"xml\".\nUsage:";
    QTest::newRow("json and a pdf") << QStringList{"--format=json", "--pdf=c.pdf"} << "" << 2
                                    << "tidemark-chart: --ics, --format json and printing cannot be given";
    QTest::newRow("every cycle, in the text chart")
        << QStringList{"--cycles=all"} << "" << 2
        << "tidemark-chart: --cycles all needs --format json.\nUsage:";
    QTest::newRow("a reminder without a calendar")
        << QStringList{"--reminder=08:00"} << "" << 2 << "tidemark-chart: --reminder needs --ics.\nUsage:";
    QTest::newRow("a reminder not HH:MM")
        << QStringList{"--ics=c.ics", "--reminder=8:00"} << "" << 2
        << "tidemark-chart: --reminder takes a time HH:MM or none, not \"8:00\".\nUsage:";
    QTest::newRow("a partner's month, as the Birthdate box says it")
        << QStringList{"--partner-name=Lee Sample", "--partner-birth=13-04-1988"} << "" << 2
        << "tidemark-chart: MONTH DATE INPUT ERROR IN BIRTH DATE: Input error in Birth date! The Month must "
           "be "
           "a number from 01 to 12 and be in the format: MM-DD-YYYY\n";
    QTest::newRow("a partner's birthdate without dashes, in json")
        << QStringList{"--format=json", "--partner-name=Lee Sample", "--partner-birth=07/04/1988"} << "" << 2
        << "tidemark-chart: DATE ERROR!: Input error in Birthdate! The Date must include the dash";
    QTest::newRow("a partner without a birthdate")
        << QStringList{"--partner-name=Lee Sample"} << "" << 2
        << "tidemark-chart: --partner-name and --partner-birth go together.\nUsage:";
    QTest::newRow("a partner on the calendar")
        << QStringList{"--ics=c.ics", "--partner-name=Lee Sample", "--partner-birth=07-04-1988"} << "" << 2
        << "tidemark-chart: --partner-name compares on the chart or its JSON";
    QTest::newRow("no folder for the calendar") << QStringList{"--ics=no/c.ics"} << "" << 1
                                                << "tidemark-chart: The calendar file \"no/c.ics\" could not";
    QTest::newRow("json, disk full") << QStringList{"--format=json"} << ">/dev/full" << 1 << full;
    QTest::newRow("printed text, disk full") << QStringList{"--print-text"} << ">/dev/full" << 1 << full;
    QTest::newRow("printed text, output closed") << QStringList{"--print-text"} << ">&-" << 1 << closed;
    QTest::newRow("help, disk full") << QStringList{"--help"} << ">/dev/full" << 1 << full;
    QTest::newRow("screen chart, disk full") << QStringList{} << ">/dev/full" << 1 << full;
    QTest::newRow("screen chart, output closed") << QStringList{} << ">&-" << 1 << closed;
}

// What cannot be done is said on standard error, with the exit status; nothing is written.
void TestCli::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, redirection);
    QFETCH(int, status);
    QFETCH(QString, err);
    QTemporaryDir folder;
    const Run run = Chart(Person + arguments, folder.path(), redirection);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith(err.toUtf8()) && (run.err == err.toUtf8() || !err.endsWith('\n')), run.err);
    QVERIFY(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

// --version says the name and the version on standard output, as GNU programs do.
void TestCli::version()
{
    const Run run = Chart({"--version"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray("tidemark-chart (Tidemark) " TIDEMARK_VERSION "\n"));
    QCOMPARE(run.err, QByteArray());
}

void TestCli::outputsWhereNamed_data()
{
    QTest::addColumn<QString>("made");   // made in the folder first: link.EXT -> target.EXT, a fifo, a device
    QTest::addColumn<QString>("script"); // run there by sh, "$0" "$@" being the tool with Person
    QTest::addColumn<QString>("file");   // what holds the output then; empty: nothing to read
    QTest::addColumn<bool>("framed");    // the output stands between the lines "header" and "footer"
    const QString group = R"({ echo header; "$0" "$@" %1; echo footer; } > out)";
    QTest::newRow("calendar on - inside a redirected group") << "" << group.arg("--ics -") << "out" << true;
    QTest::newRow("calendar on /dev/stdout inside a redirected group")
        << "" << group.arg("--ics /dev/stdout") << "out" << true;
    QTest::newRow("pdf on /dev/stdout inside a redirected group")
        << "" << group.arg("--pdf /dev/stdout") << "out" << true;
    QTest::newRow("pdf on - into a pipe") << ""
                                          << R"("$0" "$@" --pdf - | cat > out)"
                                          << "out" << false;
    QTest::newRow("pdf named without .pdf") << ""
                                            << R"("$0" "$@" --pdf out)"
                                            << "out" << false;
    QTest::newRow("pdf through a symlink") << "pdf"
                                           << R"("$0" "$@" --pdf link.pdf)"
                                           << "target.pdf" << false;
    QTest::newRow("pdf into a fifo with a reader")
        << "fifo"
        << R"(timeout 60 cat fifo > out & "$0" "$@" --pdf fifo; s=$?; wait; exit $s)"
        << "out" << false;
    QTest::newRow("calendar and pdf into a device") << "device"
                                                    << R"("$0" "$@" --ics device && "$0" "$@" --pdf device)"
                                                    << "" << false;
}

// A path is written as a shell's redirection writes it: standard output and /dev/stdout where they
// stand, a symlink's target, a FIFO or device in place; what was there keeps its kind.
void TestCli::outputsWhereNamed()
{
    QFETCH(QString, made);
    QFETCH(QString, script);
    QFETCH(QString, file);
    QFETCH(bool, framed);
    QTemporaryDir folder;
    const QByteArray device = QFile::encodeName(folder.filePath("device"));
    if (made == "device") {
        const bool made = ::mknod(device.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0; // as /dev/null
        TIDEMARK_REQUIRE(made,
                         QStringLiteral("needs root to make a device node (%1)").arg(std::strerror(errno)));
    } else if (made == "fifo") {
        QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600) == 0);
    } else if (!made.isEmpty()) {
        QVERIFY(QFile::link("target." + made, folder.filePath("link." + made)));
    }
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start("sh", QStringList{"-c", script, TIDEMARK_CHART_EXE} + Person);
    QVERIFY(process.waitForFinished(120'000));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(process.exitCode(), 0);

    struct stat status;
    if (made == "device")
        QVERIFY(::lstat(device.constData(), &status) == 0 && S_ISCHR(status.st_mode));
    if (made == "fifo")
        QVERIFY(::lstat(QFile::encodeName(folder.filePath("fifo")).constData(), &status) == 0 &&
                S_ISFIFO(status.st_mode));
    if (made == "ics" || made == "pdf")
        QVERIFY(QFileInfo(folder.filePath("link." + made)).isSymLink());
    if (file.isEmpty())
        return;
    QFile output(folder.filePath(file));
    QVERIFY(output.open(QIODevice::ReadOnly));
    QByteArray bytes = output.readAll();
    if (framed) {
        QVERIFY2(bytes.startsWith("header\n") && bytes.endsWith("footer\n"), bytes.left(80));
        bytes = bytes.mid(7, bytes.size() - 14);
    }
    if (script.contains("--ics")) {
        QVERIFY(Chart(Person + QStringList{"--ics", "c.ics"}, folder.path()).status == 0);
        QFile calendar(folder.filePath("c.ics"));
        QVERIFY(calendar.open(QIODevice::ReadOnly));
        QCOMPARE(bytes, calendar.readAll());
    } else {
        QVERIFY2(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"), bytes.left(80));
    }
}

void TestCli::optionsWithEquals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("pdfs");
    QTest::newRow("pdf of the chart") << QStringList{"--pdf=chart.pdf"} << QStringList{"chart.pdf"};
    QTest::newRow("pdf of both, every print option")
        << QStringList{"--pdf=Pat.pdf",       "--what=both",   "--printer=matrix",   "--font=Courier",
                       "--lines-per-page=20", "--lead-in=By:", "--heading=Your Name"}
        << QStringList{"Pat - chart.pdf", "Pat - cover sheet.pdf"};
    QTest::newRow("text pages: the cover sheet, then the chart's three")
        << QStringList{"--print-text", "--what=both"} << QStringList{};
    QTest::newRow("screen chart") << QStringList{"--spacing=double", "--start=05-20-2025"} << QStringList{};
    QTest::newRow("json lines") << QStringList{"--format=json", "--forecast"} << QStringList{};
    QTest::newRow("calendar") << QStringList{"--ics=c.ics"} << QStringList{"c.ics"};
}

// "--option=value" does what "--option value" does; PDFs come with no part file left beside them,
// titled with what they hold and whom for.
void TestCli::optionsWithEquals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, pdfs);
    QTemporaryDir joined;
    QTemporaryDir spaced;
    QStringList words;
    for (const QString &argument : Person + arguments)
        words << argument.section('=', 0, 0) << argument.section('=', 1);
    const Run run = Chart(Person + arguments, joined.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, Chart(words.filter(QRegularExpression(".")), spaced.path()).out);
    QCOMPARE(run.out.count('\f'), arguments.contains("--print-text") ? 3 : 0);
    QCOMPARE(run.out.isEmpty(), !pdfs.isEmpty());
    QCOMPARE(QDir(joined.path()).entryList(QDir::Files | QDir::Hidden), pdfs);
    for (const QString &pdf : pdfs) {
        QCOMPARE(PdfPageCount(joined.filePath(pdf)), PdfPageCount(QDir(spaced.path()).filePath(pdf)));
        QVERIFY(
            pdf.endsWith(".ics") ||
            PdfInfoField(joined.filePath(pdf), "Title") ==
                QString("Tidemark %1 - Pat Example").arg(pdf.contains("cover") ? "cover sheet" : "chart"));
    }
}

// --format json writes the library's JSON Lines (of every cycle with --cycles all), --ics its
// calendar (with reminders as --reminder says), for today's date.
void TestCli::jsonAndCalendarOfTheChart()
{
    chart::ChartFields fields = TypedFields("05-20-1990", "05-20-2025", "60");
    fields.name = "Pat Example", fields.preferences.holidays = true;
    fields.preferences.spacing = chart::Spacing::WithLines;
    for (const auto &[cycles, option] :
         {std::pair(exports::JsonCycles::Primary, "primary"), std::pair(exports::JsonCycles::All, "all")}) {
        QString json;
        chart::StringLineSink sink(json);
        QVERIFY(exports::ComposeJsonChart(PlanOf(fields), sink, cycles));
        QCOMPARE(QString::fromUtf8(Chart(Person + QStringList{"--format", "json", "--cycles", option}).out),
                 json);
    }
    for (const QTime reminder : {QTime(), QTime(7, 30)}) {
        QTemporaryDir folder;
        QBuffer calendar;
        QVERIFY(calendar.open(QIODevice::WriteOnly));
        QVERIFY(exports::WriteCalendar(PlanOf(fields), QDate(2025, 5, 20), calendar, reminder));
        const QString time = reminder.isValid() ? reminder.toString("HH:mm") : "none";
        QCOMPARE(Chart(Person + QStringList{"--ics", "c.ics", "--reminder", time}, folder.path()).status, 0);
        QFile written(folder.filePath("c.ics"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), calendar.data());
    }
}

// With a partner, the chart is followed by the worked pair's compatibility and the two days both are
// critical; its JSON starts with the pair's line, and each day holds the partner's own chart's day.
void TestCli::comparedWithAPartner()
{
    const QStringList partner{"--partner-name", "Lee Sample", "--partner-birth", "07-04-1988"};
    const Run text = Chart(Person + partner);
    QCOMPARE(text.status, 0);
    QVERIFY(text.out.startsWith(Chart(Person).out));
    QVERIFY2(text.out.endsWith(
                 "\n\nCOMPATIBILITY WITH LEE SAMPLE - 07-04-1988\n"
                 "PHYSICAL        78%\nEMOTIONAL       11%\nINTELLECTUAL    72%\nOVERALL         54%\n"
                 "BOTH CRITICAL  MON 06-09-2025\nBOTH CRITICAL  MON 06-16-2025\n"),
             text.out.right(300));
    const QList<QByteArray> lines = Chart(Person + partner + QStringList{"--format=json"}).out.split('\n');
    QCOMPARE(lines.first(),
             R"({"compatibility":{"emotional":11,"intellectual":72,"overall":54,"physical":78},)"
             R"("daysApart":685,"partner":{"birth":"1988-07-04","name":"Lee Sample"}})");
    const QList<QByteArray> mine = Chart(Person + QStringList{"--format=json"}).out.split('\n');
    const QList<QByteArray> lees =
        Chart({"--name=Lee Sample", "--birth=07-04-1988", "--days=60", "--today=05-20-2025", "--format=json"})
            .out.split('\n');
    QCOMPARE(lines.size(), mine.size() + 1);
    for (qsizetype k = 0; k + 1 < mine.size(); ++k) {
        QJsonObject day = QJsonDocument::fromJson(lines[k + 1]).object();
        QJsonObject lee = QJsonDocument::fromJson(lees[k]).object();
        QCOMPARE(day.take("bothCritical").toBool(), day["critical"].toBool() && lee["critical"].toBool());
        for (const char *own : {"date", "weekday", "specialDays"})
            lee.remove(own);
        QCOMPARE(day.take("partner").toObject(), lee);
        QCOMPARE(day, QJsonDocument::fromJson(mine[k]).object());
    }
}

// Printed pages of a chart far too long to hold in the memory allowed come out at once.
void TestCli::printedTextStreams()
{
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves terabytes of address space as it starts, which no bound on the
    // address space leaves room for: it bounds the memory in use itself.
    const QString bound =
        QStringLiteral("export ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}hard_rss_limit_mb=1000\"; ");
#else
    const QString bound = QStringLiteral("ulimit -v 1000000; ");
#endif
    QProcess process;
    process.start("sh", QStringList{"-c", bound + "exec \"$0\" \"$@\" | head -c 4000", TIDEMARK_CHART_EXE,
                                    "--name=Pat Example", "--birth=05-20-1990", "--start=01-01-1500",
                                    "--days=3000000", "--print-text"});
    process.waitForFinished(120'000);
    const QByteArray out = process.readAllStandardOutput();
    QCOMPARE(out.size(), 4000);
    QVERIFY(out.contains("PAGE # 1 - PAT EXAMPLE"));
}

// A PDF needs no screen: a display that cannot be reached does not stop it.
void TestCli::pdfWithAStaleDisplay()
{
    QTemporaryDir folder;
    const QByteArray display = qgetenv("DISPLAY"), platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("DISPLAY", ":999");
    qunsetenv("QT_QPA_PLATFORM");
    const Run run = Chart(Person + QStringList{"--pdf", "p.pdf"}, folder.path());
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", platform);
    QCOMPARE(run.status, 0);
    QVERIFY(QFileInfo(folder.filePath("p.pdf")).size() > 0);
}

// --what whatis prints the window's "What Is A Biorhythm?" sheet, and needs no person.
void TestCli::whatIsSheet()
{
    chart::ChartFields fields;
    fields.preferences.printer = chart::PrinterType::Matrix;
    fields.preferences.heading = {"Your Name", "", "", ""};
    print::TextPrintDevice sheet;
    print::PrintWhatIsSheet(sheet, fields);
    const Run text = Chart({"--print-text", "--what=whatis", "--heading=Your Name"});
    QCOMPARE(text.status, 0);
    QCOMPARE(QString::fromUtf8(text.out), sheet.text());
    QTemporaryDir folder;
    QCOMPARE(Chart({"--pdf=w.pdf", "--what=whatis", "--font=Times"}, folder.path()).status, 0);
    QCOMPARE(PdfPageCount(folder.filePath("w.pdf")), 1);
}

TIDEMARK_TEST(TestCli)
#include "tst_cli.moc"
