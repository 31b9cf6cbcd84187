// Prints through a real CUPS queue. The test starts a private cupsd of its own (configuration,
// spool and socket in a temporary folder), adds a cups-pdf queue as its default destination,
// points this process at it with CUPS_SERVER, and prints with the main window's print command.
// cups-pdf turns each job into a PDF file in the folder its configuration names (by default
// ~/PDF of the user who printed), where the test finds the jobs and counts their pages.
//
// Needs the packages cups and printer-driver-cups-pdf (cupsd, lpadmin, lp, the cups-pdf backend,
// Ghostscript) and poppler-utils, and root, since cupsd runs the cups-pdf backend as root only
// when it is itself root. No system cupsd needs to run. Without them the test says what is
// missing and skips, as TIDEMARK_NO_CUPS=1 makes it skip; in CI (CI set, and not to "false" or
// "0") it fails instead, so that CI never passes by skipping it.
#include "pdfpages.h"
#include "print/printchart.h"
#include "print/qtprintdevice.h"
#include "print/systemprinting.h"
#include "print/textprintdevice.h"
#include "printfixture.h"
#include "support/recordingalerts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

#include <memory>

using print::PrintCommand;
using print::PrintOutcome;

namespace {

const QString Queue = QStringLiteral("TidemarkPDF");
const QString BorderQueue = QStringLiteral("TidemarkBorder");
constexpr int JobMilliseconds = 120'000;

QString Tool(const QString &name)
{
    return QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                                 QStringLiteral("/sbin"), QStringLiteral("/bin")});
}

// Runs a CUPS client tool against the private server; returns its output, or sets *error.
QString RunTool(const QString &name, const QStringList &arguments, QString *error = nullptr)
{
    QProcess process;
    process.start(Tool(name), arguments);
    if (!process.waitForFinished(JobMilliseconds) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (error)
            *error = name + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(": ") +
                     QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool WriteFile(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(text.toUtf8());
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

// Where cups-pdf puts the PDF of a job of this user: its "Out" setting, ${HOME} and ${USER}
// being the job owner's.
QString CupsPdfFolder()
{
    const passwd *user = getpwuid(geteuid());
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QString &line : QString::fromUtf8(conf.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Out ")))
                out = line.mid(4).trimmed();
        }
    }
    out.replace(QLatin1String("${HOME}"), QString::fromLocal8Bit(user ? user->pw_dir : "/root"));
    out.replace(QLatin1String("${USER}"), QString::fromLocal8Bit(user ? user->pw_name : "root"));
    return out;
}

// What keeps this test from running here, each reason a sentence; empty when it can run.
QStringList ReasonsNotToRun()
{
    QStringList reasons;
    if (qEnvironmentVariable("TIDEMARK_NO_CUPS") == QLatin1String("1"))
        reasons.append(QStringLiteral("TIDEMARK_NO_CUPS=1 switches it off"));
    for (const char *tool : {"cupsd", "lpadmin", "lpstat", "lp", "cupsreject", "cupsaccept"}) {
        if (Tool(QString::fromLatin1(tool)).isEmpty())
            reasons.append(QStringLiteral("%1 is not installed (packages cups and printer-driver-cups-pdf)")
                               .arg(QString::fromLatin1(tool)));
    }
    if (!QFileInfo::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
        reasons.append(
            QStringLiteral("the cups-pdf backend is not installed (package printer-driver-cups-pdf)"));
    if (geteuid() != 0)
        reasons.append(QStringLiteral("it needs root, for cupsd to run the cups-pdf backend"));
    return reasons;
}

// CI is set, and not to a word that says no.
bool InCi()
{
    const QString ci = qEnvironmentVariable("CI");
    return !ci.isEmpty() && ci != QLatin1String("false") && ci != QLatin1String("0");
}

QStringList PdfsIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

} // namespace

class TestPrintCups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void printsCoverSheetAndChartOnTheQueue();
    void reportsQueueThatRefusesJobs();
    void abandonedDocumentLeavesNothing_data();
    void abandonedDocumentLeavesNothing();
    void keepsInsideThePrintableArea();
    void cleanupTestCase();

private:
    [[nodiscard]] bool queueIdle() const;
    QStringList newPdfs() const;
    void checkHandOvers(int documents);

    QTemporaryDir m_root{QStringLiteral("/tmp/tidemark-cups-XXXXXX")};
    QTemporaryDir m_runtime; // the user's runtime folder, where documents for a queue are drawn
    QProcess m_cupsd;
    QString m_outFolder;
    QStringList m_before;
    QString m_name;
};

void TestPrintCups::initTestCase()
{
    if (const QStringList reasons = ReasonsNotToRun(); !reasons.isEmpty()) {
        const QString why = reasons.join(QLatin1String("; "));
        if (InCi())
            QFAIL(qPrintable(QStringLiteral("CI=%1: the CUPS printing test must run in CI, but %2")
                                 .arg(qEnvironmentVariable("CI"), why)));
        QSKIP(qPrintable(QStringLiteral("the CUPS printing test cannot run here: ") + why));
    }
    QVERIFY(m_root.isValid());

    // A private scheduler: every folder of its own, a socket for clients, no network.
    const QDir root(m_root.path());
    QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                           QFile::ExeOther);
    for (const char *folder : {"spool", "tmp", "state", "cache", "log", "ppd"})
        QVERIFY(root.mkpath(QString::fromLatin1(folder)));
    // Filters run as "lp" and write their scratch files here.
    QVERIFY(QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("1777"), root.filePath("tmp")}) == 0);
    const QString socket = root.filePath(QStringLiteral("cups.sock"));
    QVERIFY(
        WriteFile(root.filePath("cups-files.conf"),
                  QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\nStateDir %1/state\n"
                                 "CacheDir %1/cache\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                 "PageLog %1/log/page_log\nSystemGroup root\nUser lp\nGroup lp\n")
                      .arg(root.path())));
    QVERIFY(WriteFile(root.filePath("cupsd.conf"),
                      QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n")
                          .arg(socket)));
    // Every CUPS client from here on, Qt's print support and lp among them, talks to it.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(Tool(QStringLiteral("cupsd")),
                  {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath("cupsd.conf"),
                   QStringLiteral("-s"), root.filePath("cups-files.conf")});
    if (!m_cupsd.waitForStarted())
        QFAIL("cupsd could not be started");
    QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo::exists(socket) || m_cupsd.state() == QProcess::NotRunning,
                              "cupsd did not open its socket", 20'000);
    if (m_cupsd.state() == QProcess::NotRunning) {
        QFile log(root.filePath("log/error_log"));
        log.open(QIODevice::ReadOnly);
        QFAIL(qPrintable(QStringLiteral("cupsd stopped at once: ") +
                         QString::fromLocal8Bit(m_cupsd.readAll()) + QString::fromLocal8Bit(log.readAll())));
    }
    QTRY_VERIFY_WITH_TIMEOUT(RunTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains("is running"),
                             20'000);

    QString error;
    RunTool(QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), Queue, QStringLiteral("-E"), QStringLiteral("-v"),
             QStringLiteral("cups-pdf:/"), QStringLiteral("-m"),
             QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd")},
            &error);
    if (!error.isEmpty()) {
        error.clear();
        RunTool(QStringLiteral("lpadmin"),
                {QStringLiteral("-p"), Queue, QStringLiteral("-E"), QStringLiteral("-v"),
                 QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                 QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")},
                &error);
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    RunTool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Queue}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    // A queue whose printer cannot print within half an inch of the edges, on every paper.
    QFile ppd(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"));
    QVERIFY(ppd.open(QIODevice::ReadOnly));
    const QString full = QString::fromUtf8(ppd.readAll());
    static const QRegularExpression area(
        QStringLiteral("(\\*ImageableArea [^:]*: \")0 0 ([\\d.]+) ([\\d.]+)\""));
    QString border;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : area.globalMatch(full)) {
        border += full.mid(at, match.capturedStart() - at) + match.captured(1) +
                  QStringLiteral("36 36 %1 %2\"")
                      .arg(match.captured(2).toDouble() - 36)
                      .arg(match.captured(3).toDouble() - 36);
        at = match.capturedEnd();
    }
    border += full.mid(at);
    QVERIFY(WriteFile(root.filePath("border.ppd"), border));
    RunTool(QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), BorderQueue, QStringLiteral("-E"), QStringLiteral("-v"),
             QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), root.filePath("border.ppd")},
            &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    // Documents for a queue are drawn in the runtime folder; an lp in front of the real one
    // notes the mode of each document it is handed.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    QVERIFY(
        WriteFile(root.filePath("bin/lp"),
                  QStringLiteral("#!/bin/sh\nfor document; do :; done\nstat -c '%a %n' \"$document\" >> %1\n"
                                 "exec %2 \"$@\"\n")
                      .arg(root.filePath("handovers"), Tool(QStringLiteral("lp")))));
    QVERIFY(QFile::setPermissions(root.filePath("bin/lp"), QFile::ReadOwner | QFile::ExeOwner));
    qputenv("PATH", QFile::encodeName(root.filePath("bin")) + ':' + qgetenv("PATH"));

    QCOMPARE(QPrinterInfo::defaultPrinterName(), Queue);
    QCOMPARE(print::DefaultQueue(), Queue);

    m_outFolder = CupsPdfFolder();
    m_before = PdfsIn(m_outFolder);
    m_name = QStringLiteral("Cups Test %1").arg(QCoreApplication::applicationPid());
}

bool TestPrintCups::queueIdle() const
{
    QString error;
    const QString pending = RunTool(QStringLiteral("lpstat"), {QStringLiteral("-o"), Queue}, &error);
    return error.isEmpty() && pending.trimmed().isEmpty();
}

// Every document handed to the queue since the last check was owner-only, in the runtime
// folder, and is gone, with nothing else left there.
void TestPrintCups::checkHandOvers(int documents)
{
    QFile record(QDir(m_root.path()).filePath(QStringLiteral("handovers")));
    QVERIFY(record.open(QIODevice::ReadOnly));
    const QStringList handovers =
        QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(record.remove());
    QCOMPARE(handovers.size(), documents);
    for (const QString &handover : handovers) {
        QVERIFY2(handover.startsWith(QStringLiteral("600 %1/").arg(m_runtime.path())), qPrintable(handover));
        QVERIFY(!QFile::exists(handover.mid(4)));
    }
    QCOMPARE(QDir(m_runtime.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

// The PDFs of this run's jobs. cups-pdf names each file after its job's title, which names the
// person, here after this process: a test run in another checkout at the same time writes to
// the same folder.
QStringList TestPrintCups::newPdfs() const
{
    const QString pid = QStringLiteral("_%1_").arg(QCoreApplication::applicationPid());
    QStringList found;
    for (const QString &file : PdfsIn(m_outFolder)) {
        if (!m_before.contains(file) && file.contains(pid))
            found.append(file);
    }
    return found;
}

void TestPrintCups::printsCoverSheetAndChartOnTheQueue()
{
    chart::ChartFields fields = WorkedFields(chart::PrinterType::Laser);
    fields.name = m_name;
    fields.person.length = QStringLiteral("30");
    fields.preferences.forecast = true;
    fields.preferences.holidays = true;
    fields.preferences.color = true;
    fields.preferences.spacing = chart::Spacing::WithLines;
    RecordingAlerts alerts;
    QCOMPARE(print::PrintOnSystemPrinter(PrintCommand::CoverSheetAndChart, fields, Today, alerts, nullptr),
             (QList<PrintOutcome>{PrintOutcome::Printed, PrintOutcome::Printed}));
    QVERIFY(alerts.messages().isEmpty());

    QTRY_VERIFY_WITH_TIMEOUT(queueIdle() && newPdfs().size() >= 2, JobMilliseconds);
    const QStringList jobs = newPdfs();
    QCOMPARE(jobs.size(), 2);
    const QStringList cover = jobs.filter(QStringLiteral("cover"), Qt::CaseInsensitive);
    const QStringList chart =
        jobs.filter(QRegularExpression(QStringLiteral("chart"), QRegularExpression::CaseInsensitiveOption));
    QCOMPARE(cover.size(), 1);
    QCOMPARE(chart.size(), 1);

    print::TextPrintDevice pages;
    QCOMPARE(print::PrintChart(fields, Today, pages, alerts), PrintOutcome::Printed);
    QVERIFY(pages.pages().size() > 1);
    QCOMPARE(PdfPageCount(QDir(m_outFolder).filePath(cover.first())), 1);
    QCOMPARE(PdfPageCount(QDir(m_outFolder).filePath(chart.first())), int(pages.pages().size()));
    checkHandOvers(2);
}

void TestPrintCups::reportsQueueThatRefusesJobs()
{
    QString error;
    RunTool(QStringLiteral("cupsreject"), {Queue}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    chart::ChartFields fields = WorkedFields(chart::PrinterType::Laser);
    fields.name = m_name;
    RecordingAlerts alerts;
    const auto outcomes = print::PrintOnSystemPrinter(PrintCommand::Chart, fields, Today, alerts, nullptr);
    RunTool(QStringLiteral("cupsaccept"), {Queue}, &error);
    QCOMPARE(outcomes, QList<PrintOutcome>{PrintOutcome::Failed});
    QCOMPARE(alerts.onlyTitle(), QStringLiteral("PRINTER ERROR!"));
    QVERIFY2(alerts.messages().first().text.startsWith(
                 QStringLiteral("The printer \"%1\" refused the document").arg(Queue)),
             qPrintable(alerts.messages().first().text));
    checkHandOvers(1);
}

void TestPrintCups::abandonedDocumentLeavesNothing_data()
{
    QTest::addColumn<bool>("destroyed");
    QTest::newRow("abandoned") << false;
    QTest::newRow("printer destroyed while printing") << true;
}

void TestPrintCups::abandonedDocumentLeavesNothing()
{
    QFETCH(bool, destroyed);
    auto device = std::make_unique<print::QtPrintDevice>(print::QtPrintTarget{Queue, {}, m_name});
    device->printLine(m_name);
    const QStringList drawn = QDir(m_runtime.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(drawn.size(), 1);
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFileInfo(QDir(m_runtime.path()).filePath(drawn.first())).permissions() & others,
             QFile::Permissions());
    if (destroyed)
        device.reset();
    else
        device->abort();
    QCOMPARE(QDir(m_runtime.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Nothing is printed on the border the printer reports: the line keeps clear of it, with room
// past its end for the page layout's last item.
void TestPrintCups::keepsInsideThePrintableArea()
{
    for (const auto id : {QPageSize::Letter, QPageSize::A4}) {
        const print::QtPrintDevice device({BorderQueue, {}, m_name, QPageSize(id)});
        const double width = QPageSize(id).size(QPageSize::Point).width();
        QVERIFY2(device.pageWidth() <= (width - 2 * (36 + 12)) * 20 + 1,
                 qPrintable(QString::number(device.pageWidth())));
    }
}

void TestPrintCups::cleanupTestCase()
{
    for (const QString &file : newPdfs())
        QFile::remove(QDir(m_outFolder).filePath(file));
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10'000))
            m_cupsd.kill();
        m_cupsd.waitForFinished();
    }
}

QTEST_MAIN(TestPrintCups)
#include "tst_print_cups.moc"
