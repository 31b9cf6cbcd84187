// The print commands through the real window: menu items and picture buttons print the same
// documents, in order, through the print targets the window is given.

#include "mainwindowfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

void enterPerson(frmMain &w)
{
    w.Text3->setText(QStringLiteral("Pat Example"));
    w.Text4->setText(QStringLiteral("05-20-1990"));
    w.Text10->setText(QStringLiteral("05-20-2025"));
    w.Text11->setText(QStringLiteral("30"));
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

QTEST_MAIN(TestWindowPrinting)
#include "tst_windowprinting.moc"
