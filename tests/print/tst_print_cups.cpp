// Prints through a real CUPS queue: a private cupsd with cups-pdf queues, reached through
// CUPS_SERVER; cups-pdf writes each job as a PDF into ~/PDF of the user who printed. Needs the
// packages cups, printer-driver-cups-pdf and poppler-utils, and root, since cupsd runs cups-pdf
// as root only when it is itself root; without them, or with TIDEMARK_NO_CUPS=1, it skips.
#include "pdfpages.h"
#include "print/systemprinting.h"
#include "print/systemqueue.h"
#include "printfixture.h"
#include "support/filebytes.h"
#include "support/privileged.h"
#include "support/testmain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

using print::PrintOutcome;

namespace {

const QString Queue = QStringLiteral("TidemarkPDF");
const QString Ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

// Runs a CUPS tool against the private server; its output.
QString Cups(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60'000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

class TestPrintCups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStringList missing;
        if (qEnvironmentVariable("TIDEMARK_NO_CUPS") == QLatin1String("1"))
            missing << QStringLiteral("TIDEMARK_NO_CUPS=1 switches it off");
        if (!QFileInfo::exists("/usr/sbin/cupsd") || !QFileInfo::exists(Ppd))
            missing << QStringLiteral("it needs the packages cups and printer-driver-cups-pdf");
        if (geteuid() != 0)
            missing << QStringLiteral("it needs root, for cupsd to run the cups-pdf backend");
        TIDEMARK_REQUIRE(missing.isEmpty(), "the CUPS printing test cannot run here: " + missing.join("; "));

        // A private scheduler: folders of its own, a socket for clients, no network. Its filters run
        // as "lp" and write their scratch files in tmp.
        const QDir root(m_root.path());
        for (const char *folder : {"spool", "state", "cache", "log", "tmp"})
            QVERIFY(root.mkpath(folder));
        QCOMPARE(QProcess::execute("chmod", {"755", root.path()}) +
                     QProcess::execute("chmod", {"1777", root.filePath("tmp")}),
                 0);
        QVERIFY(PutFile(root.filePath("files.conf"),
                        QString("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\nStateDir %1/state\n"
                                "CacheDir %1/cache\nErrorLog %1/log/error_log\nSystemGroup root\n")
                            .arg(root.path())
                            .toUtf8()));
        QVERIFY(PutFile(root.filePath("cupsd.conf"),
                        "Listen " + QFile::encodeName(root.filePath("sock")) +
                            "\nBrowsing No\n<Location />\nAllow all\n</Location>\n"));
        // Every CUPS client from here on, Qt's print support and lp among them, talks to it.
        qputenv("CUPS_SERVER", QFile::encodeName(root.filePath("sock")));
        m_cupsd.start("/usr/sbin/cupsd",
                      {"-f", "-c", root.filePath("cupsd.conf"), "-s", root.filePath("files.conf")});
        QTRY_VERIFY_WITH_TIMEOUT(Cups("lpstat", {"-r"}).contains("is running"), 20'000);

        // A second queue whose printer cannot print within a quarter inch of the sides, on any paper.
        Cups("lpadmin",
             {"-p", "TidemarkBorder", "-E", "-v", "cups-pdf:/", "-m", "drv:///sample.drv/deskjet.ppd"});
        Cups("lpadmin", {"-p", Queue, "-E", "-v", "cups-pdf:/", "-P", Ppd});
        Cups("lpadmin", {"-d", Queue});
        QCOMPARE(print::DefaultSystemQueue().value_or(print::PrintQueue{}).name, Queue);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_run.path()));
        m_fields.name = QStringLiteral("Cups_Test_%1").arg(QCoreApplication::applicationPid());
        QVERIFY(jobs().isEmpty());
    }

    // Both documents reach the queue whole, as jobs titled with what they are and whom they are for,
    // the user is told so with their pages, and nothing drawn for them is left.
    void printsCoverSheetAndChartOnTheQueue()
    {
        RecordingAlerts alerts;
        QCOMPARE(print(print::PrintCommand::CoverSheetAndChart, alerts),
                 (QList{PrintOutcome::Printed, PrintOutcome::Printed}));
        QVERIFY(alerts.messages().isEmpty() && runtimeEmpty());
        QCOMPARE(m_told,
                 QString("Sent the cover sheet (1 page) and the chart (%1 pages) to the printer \"%2\".")
                     .arg(ChartPages(m_fields).size())
                     .arg(Queue));
        QTRY_VERIFY_WITH_TIMEOUT(jobs().size() == 2 && Cups("lpstat", {"-o"}).isEmpty(), 120'000);
        QCOMPARE(PdfPageCount(m_jobs.filePath(jobs().filter("cover", Qt::CaseInsensitive).value(0))), 1);
        QVERIFY(ChartPages(m_fields).size() > 1);
        QCOMPARE(PdfPageCount(m_jobs.filePath(jobs().filter("chart", Qt::CaseInsensitive).value(0))),
                 ChartPages(m_fields).size());
    }

    void reportsQueueThatRefusesJobs()
    {
        Cups("cupsreject", {Queue});
        RecordingAlerts alerts;
        const auto outcomes = print(print::PrintCommand::Chart, alerts);
        Cups("cupsaccept", {Queue});
        QCOMPARE(outcomes, QList{PrintOutcome::Failed});
        QCOMPARE(alerts.onlyTitle(), QStringLiteral("PRINTER ERROR!"));
        QVERIFY(alerts.messages()[0].text.startsWith(
            QString("The printer \"%1\" refused the document").arg(Queue)));
        QVERIFY(runtimeEmpty());
    }

    // Nothing is printed on the border the printer reports: the line keeps clear of it, with room
    // past its end for the page layout's last item.
    void keepsInsideThePrintableArea()
    {
        for (const auto id : {QPageSize::Letter, QPageSize::A4}) {
            const print::PdfPrintDevice device(
                {print::SystemQueue("TidemarkBorder", QPageSize(id)), {}, "t"});
            QVERIFY(device.pageWidth() <=
                    (QPageSize(id).size(QPageSize::Point).width() - 2 * (18 + 12)) * 20 + 1);
        }
    }

    void cleanupTestCase()
    {
        for (const QString &job : jobs())
            m_jobs.remove(job);
        m_cupsd.terminate();
        m_cupsd.waitForFinished();
    }

private:
    // Runs the command on the default queue; m_told keeps what the user is told after it.
    QList<PrintOutcome> print(print::PrintCommand command, RecordingAlerts &alerts)
    {
        print::SystemPrintTargets targets(command, m_fields.name, print::DefaultSystemQueue(), {}, {},
                                          alerts);
        const auto outcomes = print::RunPrintCommand(command, m_fields, Today, targets, alerts);
        m_told = targets.doneMessage();
        return outcomes;
    }
    // This run's jobs: cups-pdf names them after their titles, which hold the person's name,
    // here after this process, since other runs may print there at the same time.
    [[nodiscard]] QStringList jobs() const { return m_jobs.entryList({"*" + m_fields.name + "*"}); }
    // The documents drawn for a queue have all gone from the runtime folder.
    [[nodiscard]] bool runtimeEmpty() const { return QDir(m_run.path()).isEmpty(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_root{QStringLiteral("/tmp/tidemark-cups-XXXXXX")};
    QTemporaryDir m_run; // the runtime folder, where documents for a queue are drawn
    QProcess m_cupsd;
    QDir m_jobs{QString::fromLocal8Bit(getpwuid(geteuid())->pw_dir) + "/PDF"};
    chart::ChartFields m_fields = LongChart();
    QString m_told;
};

TIDEMARK_TEST(TestPrintCups)
#include "tst_print_cups.moc"
