#include "print/printprogressdialog.h"
#include "print/systemprinting.h"
#include "printfixture.h"
#include "support/recordingalerts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using print::PrintCommand;
using print::PrintOutcome;

namespace {

QProgressDialog *ProgressDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QProgressDialog *>(widget))
            return dialog;
    }
    return nullptr;
}

} // namespace

class TestPrintProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cancelCallsTheDocumentOff();
    void appearsAfterAboutASecond();
    void cancelWhilePrintingLeavesNoFile();
};

void TestPrintProgress::cancelCallsTheDocumentOff()
{
    print::PrintProgressDialog progress(QStringLiteral("Printing the chart of Your Name..."), nullptr);
    const print::PrintProgress callback = progress.callback();
    QVERIFY(callback(1, 10));
    QProgressDialog *dialog = ProgressDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->labelText(), QStringLiteral("Printing the chart of Your Name..."));
    QVERIFY(!dialog->isVisible());
    dialog->cancel();
    QVERIFY(!callback(2, 10));
}

void TestPrintProgress::appearsAfterAboutASecond()
{
    QElapsedTimer clock;
    clock.start();
    print::PrintProgressDialog progress(QStringLiteral("Printing..."), nullptr);
    const print::PrintProgress callback = progress.callback();
    QProgressDialog *dialog = ProgressDialog();
    QVERIFY(dialog);
    QVERIFY(callback(1, 100'000));
    QVERIFY(!dialog->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT((callback(2, 100'000), dialog->isVisible()), 5'000);
    QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(dialog->isModal());
}

void TestPrintProgress::cancelWhilePrintingLeavesNoFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long chart.pdf"));
    RecordingAlerts alerts;
    print::SystemPrintTargets targets(
        PrintCommand::Chart, QStringLiteral("Your Name"), QString(),
        [&path](const QString &, const QString &) { return path; }, alerts);
    // The user presses Cancel as soon as the dialog shows.
    QTimer cancel;
    int cancelled = 0;
    QObject::connect(&cancel, &QTimer::timeout, [&cancelled] {
        if (QProgressDialog *dialog = ProgressDialog();
            dialog && dialog->isVisible() && !dialog->wasCanceled()) {
            dialog->cancel();
            ++cancelled;
        }
    });
    cancel.start(10);

    chart::ChartFields fields = WorkedFields(chart::PrinterType::Laser);
    fields.person.length = QStringLiteral("100000");
    fields.preferences.forecast = true;
    QCOMPARE(print::RunPrintCommand(PrintCommand::Chart, fields, Today, targets, alerts),
             QList<PrintOutcome>{PrintOutcome::Cancelled});
    QCOMPARE(cancelled, 1);
    QVERIFY(alerts.messages().isEmpty());
    QVERIFY(targets.writtenFiles().isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    // The dialog went with the document.
    QCOMPARE(ProgressDialog(), nullptr);
}

QTEST_MAIN(TestPrintProgress)
#include "tst_printprogress.moc"
