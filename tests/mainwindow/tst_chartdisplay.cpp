// Display Chart to Screen through the real window: the text it shows, its checks, and the
// command states while the chart is up.

#include "mainwindowfixture.h"

#include "chart/chartplan.h"
#include "chart/screenchart.h"

#include "mainwindow/charttextview.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {

// Fills the person and period as a user would, with the given preferences.
void enterChart(frmMain &w, const QString &birth, const QString &start, const QString &days)
{
    w.Text3->setText(QStringLiteral("Pat Example"));
    w.Text4->setText(birth);
    w.Text10->setText(start);
    w.Text11->setText(days);
}

QStringList shownLines(const frmMain &w)
{
    QStringList lines = w.Text18->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString at(const QString &line, int column, int width = 1)
{
    return line.mid(column - 1, width);
}

} // namespace

class TestChartDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedChartLineByLine();
    void birthDateAsStartDate();
    void checks_data();
    void checks();
    void optionsCombinations_data();
    void optionsCombinations();
    void specialDays_data();
    void specialDays();
    void commandStatesWhileShownAndAfterClose();
    void textCanBeSelectedAndCopied();
    void mouseSelectsCharacters();
    void tooLargeAChartIsRefusedAtOnce();
    void temporaryFileIsGoneAfterwards();
    void commandLineToolPrintsWhatTheBoxHolds_data();
    void commandLineToolPrintsWhatTheBoxHolds();
};

void TestChartDisplay::workedChartLineByLine()
{
    MainWindowFixture f;
    f.showAndDismiss();
    frmMain &w = *f.window;
    w.Option3->setChecked(true);
    w.Check1->setChecked(false);
    w.Check4->setChecked(false);
    enterChart(w, QStringLiteral("05-20-1990"), QStringLiteral("05-20-2025"), QStringLiteral("6"));
    QCOMPARE(w.Text8->text(), QStringLiteral("12784"));
    QTest::mouseClick(w.Command18, Qt::LeftButton);
    QVERIFY(f.alerts.messages().isEmpty());
    QVERIFY(w.Text18->isVisible());

    const QStringList lines = shownLines(w);
    QCOMPARE(lines.size(), 5 + 6);
    QCOMPARE(lines[0], QString());
    QCOMPARE(lines[1], QStringLiteral("PAT EXAMPLE - 05-20-1990"));
    QCOMPARE(at(lines[3], 6, 4), QStringLiteral("DATE"));
    QCOMPARE(at(lines[3], 32, 3), QStringLiteral("(-)"));
    QCOMPARE(at(lines[3], 51, 3), QStringLiteral("(0)"));
    QCOMPARE(at(lines[3], 70, 3), QStringLiteral("(+)"));

    const QString first = lines[5];
    QCOMPARE(first.left(18), QStringLiteral("TUE  MAY 20  2025 "));
    QCOMPARE(at(first, 36), QStringLiteral("P"));
    QCOMPARE(at(first, 44), QStringLiteral("E"));
    QCOMPARE(at(first, 52), QStringLiteral("|"));
    QCOMPARE(at(first, 65), QStringLiteral("I"));

    const QString fifth = lines[9];
    QCOMPARE(fifth.left(18), QStringLiteral("SAT  MAY 24  2025 "));
    QCOMPARE(at(fifth, 19, 3), QStringLiteral("P+ "));
    QCOMPARE(at(fifth, 33), QStringLiteral("E"));
    QCOMPARE(at(fifth, 50), QStringLiteral("I"));
    QCOMPARE(at(fifth, 52), QStringLiteral("P"));
}

void TestChartDisplay::birthDateAsStartDate()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    w.Option3->setChecked(true);
    w.Check1->setChecked(false);
    enterChart(w, QStringLiteral("05-20-1990"), QStringLiteral("05-20-1990"), QStringLiteral("1"));
    w.DisplayChartToScreen();
    const QStringList lines = shownLines(w);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(at(lines[5], 19, 9), QStringLiteral("E* P+ I+ "));
    QCOMPARE(at(lines[5], 52, 3), QStringLiteral("EPI"));
}

void TestChartDisplay::checks_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::newRow("lines per page 0") << "Text17"
                                      << "0"
                                      << "LINES PER PAGE INCORRECT!"
                                      << "Lines Per Page is zero or a minus number!";
    QTest::newRow("lines per page empty") << "Text17"
                                          << ""
                                          << "LINES PER PAGE INCORRECT!"
                                          << "Lines Per Page is zero or a minus number!";
    QTest::newRow("no name") << "Text3"
                             << ""
                             << "NO NAME ENTERED!"
                             << "There is no Name selected to use on chart!";
    QTest::newRow("no birthdate") << "Text4"
                                  << ""
                                  << "NO BIRTHDATE ENTERED!"
                                  << "There is no Birthdate selected to use on chart!";
    QTest::newRow("dash missing")
        << "Text4"
        << "5-20-1990"
        << "DATE ERROR!"
        << "Input error in Birthdate! The Date must include the dash (-) after the month, "
           "and after the day! Format must be MM-DD-YYYY.";
    QTest::newRow("month 13") << "Text4"
                              << "13-01-1990"
                              << "DATE ERROR!"
                              << "Input error in Birthdate! The Month must be a number from 01 to 12";
    QTest::newRow("day 32") << "Text4"
                            << "02-32-1990"
                            << "DATE ERROR!"
                            << "Input error in Birthdate! The Day must be a number from 01 to 31";
    QTest::newRow("year 1499") << "Text4"
                               << "02-28-1499"
                               << "DATE ERROR!"
                               << "Input error in Birthdate! The Year must be a number from 1500 to 2099";
    QTest::newRow("short start") << "Text10"
                                 << "05-20-202"
                                 << "NO CHART STARTING DATE INDICATED!"
                                 << "There is no correct date to indicate chart starting date!";
    QTest::newRow("no length") << "Text11"
                               << ""
                               << "NO LENGTH OF CHART INDICATED!"
                               << "There is no number to indicate length of chart desired!";
}

void TestChartDisplay::checks()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, message);
    MainWindowFixture f;
    frmMain &w = *f.window;
    enterChart(w, QStringLiteral("05-20-1990"), QStringLiteral("05-20-2025"), QStringLiteral("30"));
    auto *field = w.findChild<QLineEdit *>(box);
    QVERIFY(field);
    field->setText(text);
    f.alerts.clear();
    w.DisplayChartToScreen();
    QCOMPARE(f.alerts.onlyTitle(), title);
    QCOMPARE(f.alerts.messages().first().text, message);
    QVERIFY(w.Text18->isHidden());
    QVERIFY(w.Text18->toPlainText().isEmpty());
}

void TestChartDisplay::optionsCombinations_data()
{
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<bool>("forecast");
    QTest::addColumn<int>("linesPerDay");
    QTest::addColumn<QString>("after");
    const QString dashes(74, QLatin1Char('-'));
    QTest::newRow("single") << "Option3" << false << 1 << "";
    QTest::newRow("double") << "Option4" << false << 2 << "";
    QTest::newRow("with lines") << "Option5" << false << 2 << dashes;
    // With the forecast on, the spacing options have no effect.
    QTest::newRow("forecast, single") << "Option3" << true << 0 << dashes;
    QTest::newRow("forecast, double") << "Option4" << true << 0 << dashes;
}

void TestChartDisplay::optionsCombinations()
{
    QFETCH(QString, spacing);
    QFETCH(bool, forecast);
    QFETCH(int, linesPerDay);
    QFETCH(QString, after);
    MainWindowFixture f;
    frmMain &w = *f.window;
    w.findChild<QRadioButton *>(spacing)->setChecked(true);
    w.Check4->setChecked(forecast);
    w.Check1->setChecked(false);
    enterChart(w, QStringLiteral("05-20-1990"), QStringLiteral("05-20-2025"), QStringLiteral("3"));
    w.DisplayChartToScreen();
    const QStringList lines = shownLines(w);
    if (linesPerDay > 0)
        QCOMPARE(lines.size(), 5 + 3 * linesPerDay);
    if (linesPerDay == 2)
        QCOMPARE(lines[6], after);
    if (forecast) {
        // The second day (E 38 falling, P 37 rising, I 59 falling) and its closing hyphens.
        qsizetype day = 0;
        while (day < lines.size() && !lines[day].startsWith(QLatin1String("WED  MAY 21")))
            ++day;
        QVERIFY(day < lines.size());
        QCOMPARE(lines[day + 1], QString());
        QCOMPARE(lines[day + 2], QStringLiteral("Keep emotional activities to the more routine matters."));
        QCOMPARE(lines[day + 3],
                 QStringLiteral("Stick to your regular schedule while your vitality is low."));
        QCOMPARE(lines[day + 4], QStringLiteral("Your intellectual high favors clear thinking today."));
        QCOMPARE(lines[day + 5], after);
    }
}

void TestChartDisplay::specialDays_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("born on New Year's Day") << "01-01-2000"
                                            << "01-01-2025"
                                            << QStringList{QStringLiteral("**** HAPPY NEW YEAR ****"),
                                                           QStringLiteral("** HAPPY 25TH BIRTHDAY **")};
    QTest::newRow("born on Christmas") << "12-25-2003"
                                       << "12-25-2024"
                                       << QStringList{QStringLiteral("**** MERRY CHRISTMAS ****"),
                                                      QStringLiteral("** HAPPY 21ST BIRTHDAY **")};
    QTest::newRow("29 February in a leap year")
        << "02-29-2000"
        << "02-29-2024" << QStringList{QStringLiteral("** HAPPY 24TH BIRTHDAY **")};
    QTest::newRow("29 February in a common year") << "02-29-2000"
                                                  << "02-28-2023" << QStringList{};
}

void TestChartDisplay::specialDays()
{
    QFETCH(QString, birth);
    QFETCH(QString, start);
    QFETCH(QStringList, expected);
    MainWindowFixture f;
    frmMain &w = *f.window;
    w.Check1->setChecked(true);
    w.Option3->setChecked(true);
    enterChart(w, birth, start, QStringLiteral("2"));
    w.DisplayChartToScreen();
    QStringList special;
    for (const QString &line : shownLines(w)) {
        if (line.trimmed().startsWith(QLatin1Char('*')))
            special << line.trimmed();
    }
    QCOMPARE(special, expected);
}

void TestChartDisplay::commandStatesWhileShownAndAfterClose()
{
    MainWindowFixture f;
    f.showAndDismiss();
    frmMain &w = *f.window;
    enterChart(w, QStringLiteral("05-20-1990"), QStringLiteral("05-20-2025"), QStringLiteral("10"));
    w.mnuFilePrintCharttoFullScreen->trigger();
    QVERIFY(w.Text18->isVisible());
    QVERIFY(w.Command24->isVisible());
    for (QMenu *menu : {w.mnuFile, w.mnuEdit, w.mnuHelp})
        QVERIFY(!menu->menuAction()->isEnabled());
    for (QToolButton *b : {w.Command9, w.Command10, w.Command11, w.Command12, w.Command13, w.Command18})
        QVERIFY(!b->isEnabled());
    QVERIFY(w.Command17->isEnabled());
    QCOMPARE(QApplication::focusWidget(), w.Text3);
    // The box shows a whole chart line: 77 columns of the fixed-pitch font.
    const QFontMetrics metrics(w.Text18->font());
    QVERIFY(w.Text18->viewport()->width() >= metrics.horizontalAdvance(QString(77, QLatin1Char('-'))));

    const QString shown = w.Text18->toPlainText();
    QTest::mouseClick(w.Command24, Qt::LeftButton);
    QVERIFY(w.Text18->isHidden());
    QVERIFY(w.Command24->isHidden());
    for (QMenu *menu : {w.mnuFile, w.mnuEdit, w.mnuHelp})
        QVERIFY(menu->menuAction()->isEnabled());
    for (QToolButton *b : {w.Command9, w.Command10, w.Command11, w.Command12, w.Command13, w.Command18})
        QVERIFY(b->isEnabled());
    QCOMPARE(w.Text18->toPlainText(), shown);

    // The toolbar's close button does the same.
    QTest::mouseClick(w.Command18, Qt::LeftButton);
    QVERIFY(w.Text18->isVisible());
    QTest::mouseClick(w.Command17, Qt::LeftButton);
    QVERIFY(w.Text18->isHidden());
    QVERIFY(w.Command18->isEnabled());
}

void TestChartDisplay::textCanBeSelectedAndCopied()
{
    MainWindowFixture f;
    f.showAndDismiss();
    frmMain &w = *f.window;
    enterChart(w, QStringLiteral("05-20-1990"), QStringLiteral("05-20-2025"), QStringLiteral("3"));
    w.DisplayChartToScreen();
    QVERIFY(w.Text18->isReadOnly());
    w.Text18->setFocus();
    QTest::keyClick(w.Text18, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.Text18, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), w.Text18->toPlainText());
    QTest::keyClicks(w.Text18, QStringLiteral("xyz"));
    QVERIFY(!w.Text18->toPlainText().contains(QStringLiteral("xyz")));
}

void TestChartDisplay::mouseSelectsCharacters()
{
    MainWindowFixture f;
    f.showAndDismiss();
    frmMain &w = *f.window;
    enterChart(w, QStringLiteral("05-20-1990"), QStringLiteral("05-20-2025"), QStringLiteral("3"));
    w.DisplayChartToScreen();
    QCOMPARE(w.Text18->lineCount(), shownLines(w).size() + 1);
    // Drag across "PAT" on the second line: three fixed-pitch columns.
    const QFontMetrics metrics(w.Text18->font());
    const int x0 = ChartTextView::TextMargin;
    const int y = metrics.lineSpacing() + metrics.lineSpacing() / 2;
    QWidget *viewport = w.Text18->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(x0 + 1, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(x0 + 3 * metrics.horizontalAdvance(QLatin1Char('M')) + 1, y),
                     viewport->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QCOMPARE(w.Text18->selectedText(), QStringLiteral("PAT"));
    // PageDown scrolls a page on.
    QTest::keyClick(w.Text18, Qt::Key_PageDown);
    QCOMPARE(w.Text18->verticalScrollBar()->value(), w.Text18->verticalScrollBar()->maximum() > 0
                                                         ? std::min(w.Text18->verticalScrollBar()->pageStep(),
                                                                    w.Text18->verticalScrollBar()->maximum())
                                                         : 0);
}

void TestChartDisplay::tooLargeAChartIsRefusedAtOnce()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    w.Check4->setChecked(true);
    enterChart(w, QStringLiteral("05-20-1990"), QStringLiteral("05-20-2025"), QStringLiteral("99999999999"));
    w.DisplayChartToScreen();
    QCOMPARE(f.alerts.onlyTitle(), QStringLiteral("NOT ENOUGH MEMORY!"));
    QCOMPARE(
        f.alerts.messages().first().text,
        QStringLiteral("Program memory low.  You are possibly trying to display too many days!  Please run "
                       "again displaying fewer days!"));
    QVERIFY(w.Text18->isHidden());
    QVERIFY(w.Command18->isEnabled() || !w.isVisible());
}

void TestChartDisplay::temporaryFileIsGoneAfterwards()
{
    MainWindowFixture f;
    enterChart(*f.window, QStringLiteral("05-20-1990"), QStringLiteral("05-20-2025"), QStringLiteral("3"));
    f.window->DisplayChartToScreen();
    QVERIFY(!f.window->Text18->toPlainText().isEmpty());
    QVERIFY(!QFile::exists(f.dataFile(QStringLiteral("prntscrn.tmp"))));
}

void TestChartDisplay::commandLineToolPrintsWhatTheBoxHolds_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("defaults") << QStringList{};
    QTest::newRow("forecast, single, no holidays")
        << QStringList{QStringLiteral("--forecast"), QStringLiteral("--spacing"), QStringLiteral("single"),
                       QStringLiteral("--no-holidays")};
    QTest::newRow("double") << QStringList{QStringLiteral("--spacing"), QStringLiteral("double")};
}

void TestChartDisplay::commandLineToolPrintsWhatTheBoxHolds()
{
    QFETCH(QStringList, options);
    MainWindowFixture f(QStringLiteral("12-20-2024"));
    frmMain &w = *f.window;
    w.Check1->setChecked(!options.contains(QStringLiteral("--no-holidays")));
    w.Check4->setChecked(options.contains(QStringLiteral("--forecast")));
    const qsizetype spacing = options.indexOf(QStringLiteral("--spacing"));
    const QString word = spacing >= 0 ? options[spacing + 1] : QStringLiteral("lines");
    w.findChild<QRadioButton *>(word == QLatin1String("single")   ? QStringLiteral("Option3")
                                : word == QLatin1String("double") ? QStringLiteral("Option4")
                                                                  : QStringLiteral("Option5"))
        ->setChecked(true);
    w.Text3->setText(QStringLiteral("Pat Example"));
    w.Text4->setText(QStringLiteral("12-25-1985"));
    w.Text11->setText(QStringLiteral("20"));
    w.DisplayChartToScreen();

    QProcess cli;
    cli.start(QStringLiteral(TIDEMARK_CHART_EXE),
              QStringList{QStringLiteral("--name"), QStringLiteral("Pat Example"), QStringLiteral("--birth"),
                          QStringLiteral("12-25-1985"), QStringLiteral("--days"), QStringLiteral("20"),
                          QStringLiteral("--today"), QStringLiteral("12-20-2024")} +
                  options);
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()), w.Text18->toPlainText());
}

QTEST_MAIN(TestChartDisplay)
#include "tst_chartdisplay.moc"
