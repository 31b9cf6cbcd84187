// The print commands through the real window: menu items and picture buttons print the same
// documents, in order, through the print targets the window is given; with no print queue they
// ask for PDF files first and write them.

#include "mainwindowfixture.h"
#include "print/pdfpages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

void enterPerson(frmMain &w)
{
    const QList<std::pair<const char *, const char *>> boxes = {
        {"Text3", "Pat Example"}, {"Text4", "05-20-1990"}, {"Text10", "05-20-2025"}, {"Text11", "30"}};
    for (const auto &[name, text] : boxes)
        w.findChild<QLineEdit *>(QLatin1String(name))->setText(QLatin1String(text));
}

bool ProgressDialogShows()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QProgressDialog *>(window) && window->isVisible())
            return true;
    }
    return false;
}

void PutFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList printedTexts(const QList<PrintedDocument> &documents)
{
    QStringList out;
    for (const PrintedDocument &d : documents) {
        if (d.outcome == print::PrintOutcome::Printed)
            out << d.device->text();
    }
    return out;
}

} // namespace

class TestWindowPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonsAndMenusPrintTheSame_data();
    void buttonsAndMenusPrintTheSame();
    void combinedCommandPrintsCoverThenRefusesChart();
    void combinedCommandChecksFirst();
    void whatIsPrintsWithoutThePanel();
    void pdfFileAnsweredLate_data();
    void pdfFileAnsweredLate();
    void replacingPdfFilesAsksFirst_data();
    void replacingPdfFilesAsksFirst();
};

void TestWindowPrinting::buttonsAndMenusPrintTheSame_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("documents");
    QTest::newRow("cover sheet") << "mnuFilePrintCoverSheet"
                                 << "Command10" << 1;
    QTest::newRow("chart") << "mnuFilePrintChart"
                           << "Command11" << 1;
    QTest::newRow("cover sheet and chart") << "mnuFilePrintCoverSheetandChart"
                                           << "Command12" << 2;
}

void TestWindowPrinting::buttonsAndMenusPrintTheSame()
{
    QFETCH(QString, menu);
    QFETCH(QString, button);
    QFETCH(int, documents);
    MainWindowFixture f;
    f.showAndDismiss();
    frmMain &w = *f.window;
    enterPerson(w);
    w.findChild<QAction *>(menu)->trigger();
    const QStringList fromMenu = printedTexts(f.printed);
    f.printed.clear();
    QTest::mouseClick(w.findChild<QToolButton *>(button), Qt::LeftButton);
    const QStringList fromButton = printedTexts(f.printed);
    QCOMPARE(fromMenu.size(), documents);
    QCOMPARE(fromButton, fromMenu);
    QVERIFY(f.alerts.messages().isEmpty());
    QVERIFY(fromMenu.last().contains(QStringLiteral("PAT EXAMPLE")) ||
            fromMenu.last().contains(QStringLiteral("Pat Example")));
}

void TestWindowPrinting::combinedCommandPrintsCoverThenRefusesChart()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    enterPerson(w);
    w.Text17->setText(QStringLiteral("0"));
    w.mnuFilePrintCoverSheetandChart->trigger();
    QCOMPARE(printedTexts(f.printed).size(), 1);
    QCOMPARE(f.printed.first().kind, print::PrintDocument::CoverSheet);
    QCOMPARE(f.alerts.onlyTitle(), QStringLiteral("LINES PER PAGE INCORRECT!"));
}

void TestWindowPrinting::combinedCommandChecksFirst()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    enterPerson(w);
    w.Text3->clear();
    w.mnuFilePrintCoverSheetandChart->trigger();
    QCOMPARE(f.alerts.onlyTitle(), QStringLiteral("NO NAME ENTERED!"));
    QVERIFY(printedTexts(f.printed).isEmpty());
}

void TestWindowPrinting::whatIsPrintsWithoutThePanel()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    w.Option1->setChecked(true);
    w.mnuHelpPrintWhatIsABiorhythm->trigger();
    const QStringList texts = printedTexts(f.printed);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(f.printed.first().kind, print::PrintDocument::WhatIs);
    QVERIFY(texts.first().contains(QStringLiteral("WHAT IS A BIORHYTHM")));
    QVERIFY(f.alerts.messages().isEmpty());
}

void TestWindowPrinting::pdfFileAnsweredLate_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("cover sheet") << "mnuFilePrintCoverSheet" << QStringList{"Pat Example - cover sheet.pdf"};
    QTest::newRow("chart") << "mnuFilePrintChart" << QStringList{"Pat Example - chart.pdf"};
    QTest::newRow("cover sheet and chart")
        << "mnuFilePrintCoverSheetandChart"
        << QStringList{"Pat Example - cover sheet.pdf", "Pat Example - chart.pdf"};
    QTest::newRow("What Is") << "mnuHelpPrintWhatIsABiorhythm" << QStringList{"What Is A Biorhythm.pdf"};
}

void TestWindowPrinting::pdfFileAnsweredLate()
{
    QFETCH(QString, command);
    QFETCH(QStringList, files);
    MainWindowFixture f;
    f.showAndDismiss();
    enterPerson(*f.window);
    QTemporaryDir folder;
    int asked = 0;
    bool progressShowed = false;
    // The person takes longer over the save dialog than a progress box waits before it shows.
    f.pdfFile = [&](const QString &, const QString &suggested) {
        ++asked;
        QEventLoop thinking;
        QTimer::singleShot(1500, &thinking, &QEventLoop::quit);
        thinking.exec();
        progressShowed = ProgressDialogShows();
        return folder.filePath(QFileInfo(suggested).fileName());
    };
    QAction *action = f.window->findChild<QAction *>(command);
    action->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(!progressShowed);
    QVERIFY(f.alerts.messages().isEmpty());
    QVERIFY(f.alerts.questions().isEmpty());
    QStringList sorted = files;
    sorted.sort();
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), sorted);
    const QString told = f.window->findChild<QStatusBar *>(QStringLiteral("StatusBar"))->currentMessage();
    QVERIFY2(told.contains(QDir::toNativeSeparators(folder.path())), qPrintable(told));
    for (const QString &file : files)
        QVERIFY2(told.contains(file), qPrintable(told));

    // Each file has the pages of the same document on the text printer.
    f.pdfFile = nullptr;
    action->trigger();
    QCOMPARE(f.printed.size(), files.size());
    for (qsizetype n = 0; n < files.size(); ++n)
        QCOMPARE(PdfPageCount(folder.filePath(files[n])), f.printed[n].device->pages().size());
}

void TestWindowPrinting::replacingPdfFilesAsksFirst_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("after");
    const QString both = QStringLiteral("mnuFilePrintCoverSheetandChart");
    const QStringList two = {"Pat Example - chart.pdf", "Pat Example - cover sheet.pdf"};
    QTest::newRow("both exist, kept") << both << "Pat Example.pdf" << two << false << two;
    QTest::newRow("both exist, replaced") << both << "Pat Example.pdf" << two << true << two;
    QTest::newRow("one exists, kept")
        << both << "Pat Example.pdf" << QStringList{two[0]} << false << QStringList{two[0]};
    QTest::newRow("the name with .pdf added exists, kept")
        << "mnuFilePrintChart"
        << "Pat" << QStringList{"Pat.pdf"} << false << QStringList{"Pat.pdf"};
}

void TestWindowPrinting::replacingPdfFilesAsksFirst()
{
    QFETCH(QString, command);
    QFETCH(QString, chosen);
    QFETCH(QStringList, existing);
    QFETCH(bool, replace);
    QFETCH(QStringList, after);
    MainWindowFixture f;
    enterPerson(*f.window);
    QTemporaryDir folder;
    for (const QString &file : existing)
        PutFile(folder.filePath(file), "old");
    f.pdfFile = [&](const QString &, const QString &) { return folder.filePath(chosen); };
    f.alerts.answerQuestions(replace);
    f.window->findChild<QAction *>(command)->trigger();

    // One question names every file that would be replaced; declining is no error.
    QCOMPARE(f.alerts.questions().size(), 1);
    for (const QString &file : existing)
        QVERIFY(f.alerts.questions().first().text.contains(file));
    QVERIFY(f.alerts.messages().isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), after);
    for (const QString &file : existing)
        QCOMPARE(FileBytes(folder.filePath(file)) == "old", !replace);
}

QTEST_MAIN(TestWindowPrinting)
#include "tst_windowprinting.moc"
