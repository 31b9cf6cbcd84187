// frmMain through its real widgets: start-up, the date boxes as a person types them, the
// command states of the panels, and the small handlers.

#include "mainwindowfixture.h"

#include "calendar/calendar.h"
#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "namedb/databasepanel.h"

#include "mainwindow/charttextview.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

QList<bool> mainCommandStates(const frmMain &w)
{
    return {w.mnuFile->menuAction()->isEnabled(),
            w.mnuEdit->menuAction()->isEnabled(),
            w.mnuHelp->menuAction()->isEnabled(),
            w.Command9->isEnabled(),
            w.Command10->isEnabled(),
            w.Command11->isEnabled(),
            w.Command12->isEnabled(),
            w.Command13->isEnabled(),
            w.Command17->isEnabled(),
            w.Command18->isEnabled()};
}

const QList<bool> AllEnabled(10, true);
const QList<bool> AllDisabled(10, false);

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startupInAnEmptyFolder();
    void noticeDismissedByAnyOfItsParts_data();
    void noticeDismissedByAnyOfItsParts();
    void tabWalksThePersonColumn();
    void startDateTypedCharacterByCharacter();
    void startDateMessages_data();
    void startDateMessages();
    void birthdateTypedFillsTheFacts();
    void birthdateMessages_data();
    void birthdateMessages();
    void lengthFillsTheEndDate_data();
    void lengthFillsTheEndDate();
    void lengthBeforeStartDateIsUndone();
    void resetPutsTodayBack_data();
    void resetPutsTodayBack();
    void clearAllTextBoxes();
    void clearButtons();
    void panelStates();
    void helpPanelDisablesEverything();
    void rightClickPopsUpTheFileMenu();
    void nameFromTheDatabaseFillsThePerson();
};

void TestMainWindow::startupInAnEmptyFolder()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    QVERIFY(!w.FrameSplash->isHidden());
    QVERIFY(w.FrameDatabase->isHidden());
    QVERIFY(w.FrameWhatIs->isHidden());
    QVERIFY(w.FrameHelp->isHidden());
    QVERIFY(w.Text18->isHidden());
    QVERIFY(w.Command24->isHidden());
    QCOMPARE(mainCommandStates(w), AllDisabled);
    QVERIFY(w.mnuFileOpenDatabase->isEnabled());
    QCOMPARE(w.Text10->text(), QStringLiteral("05-20-2025"));
    QVERIFY(f.alerts.messages().isEmpty());

    for (const char *name : {"bioname.dat", "cover.dat", "font.dat", "printer.dat", "chtspace.dat",
                             "options.dat", "color.dat"}) {
        QFileInfo file(f.dataFile(QLatin1String(name)));
        QVERIFY2(file.exists(), name);
        QCOMPARE(file.size(), 0);
    }

    QCOMPARE(w.Combo1->count(), 7);
    QCOMPARE(w.Combo1->itemText(0), QStringLiteral("This Chart Has Been Prepared Especially For You By:"));
    QCOMPARE(w.Combo1->itemText(6), QStringLiteral("This Biorhythm Chart Was Prepared By:"));
    QCOMPARE(w.Combo2->count(), 3);
    QCOMPARE(w.Combo2->itemText(1), QStringLiteral("Courier"));

    // The empty files give the defaults.
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("This Chart Has Been Prepared Especially For You By:"));
    QCOMPARE(w.Text13->text(), QStringLiteral("Your Name"));
    QCOMPARE(w.Combo2->currentText(), QStringLiteral("Arial"));
    QCOMPARE(w.Text17->text(), QStringLiteral("50"));
    QVERIFY(w.Option2->isChecked() && !w.Option1->isChecked());
    QVERIFY(w.Option5->isChecked());
    QVERIFY(w.Check1->isChecked() && w.Check2->isChecked() && w.Check3->isChecked());
    QVERIFY(!w.Check4->isChecked());
}

void TestMainWindow::noticeDismissedByAnyOfItsParts_data()
{
    QTest::addColumn<QString>("part");
    QTest::newRow("panel") << "FrameSplash";
    QTest::newRow("title") << "Label27";
    QTest::newRow("version") << "Label28";
    QTest::newRow("notice") << "Label29";
}

void TestMainWindow::noticeDismissedByAnyOfItsParts()
{
    QFETCH(QString, part);
    MainWindowFixture f;
    f.window->show();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    auto *target = f.window->findChild<QWidget *>(part);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(f.window->FrameSplash->isHidden());
    QCOMPARE(mainCommandStates(*f.window), AllEnabled);
    QCOMPARE(QApplication::focusWidget(), f.window->Text3);
}

void TestMainWindow::tabWalksThePersonColumn()
{
    MainWindowFixture f;
    f.showAndDismiss();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    frmMain &w = *f.window;
    const QList<QWidget *> expected = {w.Text4, w.Text10, w.Text11, w.Command8, w.Combo1};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestMainWindow::startDateTypedCharacterByCharacter()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    w.Text4->setText(QStringLiteral("05-20-1990"));
    QVERIFY(!w.Text8->text().isEmpty());
    w.Text10->clear();
    QVERIFY(w.Text8->text().isEmpty());

    const QString typed = QStringLiteral("05-19-2024");
    for (int i = 0; i < typed.size(); ++i) {
        QTest::keyClick(w.Text10, typed[i].toLatin1());
        if (i < 9)
            QVERIFY2(w.Text9->text().isEmpty(), qPrintable(w.Text10->text()));
    }
    QVERIFY(f.alerts.messages().isEmpty());
    QCOMPARE(w.Text9->text(), QStringLiteral("33"));
    QCOMPARE(w.Text8->text(), QString::number(*calendar::AgeInDays(u"05-20-1990", u"05-19-2024")));

    // An eleventh character complains on every change until the text is ten characters again.
    QTest::keyClicks(w.Text10, QStringLiteral("12"));
    QCOMPARE(f.alerts.titles(), QStringList({QStringLiteral("DATE ERROR!"), QStringLiteral("DATE ERROR!")}));
    QVERIFY(w.Text9->text().isEmpty());
    QTest::keyClick(w.Text10, Qt::Key_Backspace);
    QTest::keyClick(w.Text10, Qt::Key_Backspace);
    QCOMPARE(f.alerts.messages().size(), 3);
    QCOMPARE(w.Text9->text(), QStringLiteral("33"));
}

void TestMainWindow::startDateMessages_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::newRow("slashes") << "03/15/2024"
                             << "DATE HYPHEN ERROR IN MM-DD-YYYY!";
    QTest::newRow("month 00") << "00-10-2000"
                              << "MONTH DATE INPUT ERROR";
    QTest::newRow("day 32") << "01-32-2000"
                            << "DAY DATE INPUT ERROR";
    QTest::newRow("year 2100") << "01-01-2100"
                               << "YEAR DATE INPUT ERROR";
    QTest::newRow("day past month end passes") << "02-31-2001"
                                               << "";
}

void TestMainWindow::startDateMessages()
{
    QFETCH(QString, typed);
    QFETCH(QString, title);
    MainWindowFixture f;
    auto *start = f.window->findChild<QLineEdit *>(QStringLiteral("Text10"));
    start->clear();
    QTest::keyClicks(start, typed);
    QCOMPARE(f.alerts.onlyTitle(), title);
    QCOMPARE(start->text(), typed);
    // A start date that failed its checks gives no ages and no end date until it is corrected.
    f.window->findChild<QLineEdit *>(QStringLiteral("Text4"))->setText(QStringLiteral("05-20-1990"));
    QTest::keyClicks(f.window->findChild<QLineEdit *>(QStringLiteral("Text11")), QStringLiteral("30"));
    for (const char *derived : {"Text8", "Text9", "Text12"})
        QCOMPARE(f.window->findChild<QLineEdit *>(QLatin1String(derived))->text().isEmpty(),
                 !title.isEmpty());
}

void TestMainWindow::birthdateTypedFillsTheFacts()
{
    MainWindowFixture f;
    frmMain &w = *f.window;
    w.Text10->setText(QStringLiteral("05-19-2024"));
    QTest::keyClicks(w.Text4, QStringLiteral("05-20-199"));
    QVERIFY(w.Text7->text().isEmpty());
    QVERIFY(w.Text9->text().isEmpty());
    QTest::keyClick(w.Text4, '0');
    QCOMPARE(w.Text6->text(), QStringLiteral("Taurus"));
    QCOMPARE(w.Text7->text(), QStringLiteral("Sunday"));
    QCOMPARE(w.Text9->text(), QStringLiteral("33"));
    QVERIFY(f.alerts.messages().isEmpty());

    QTest::keyClick(w.Text4, Qt::Key_Backspace);
    QCOMPARE(w.Text6->text(), QStringLiteral("Taurus"));
    QVERIFY(w.Text7->text().isEmpty() && w.Text8->text().isEmpty() && w.Text9->text().isEmpty());
    w.Text4->selectAll();
    QTest::keyClick(w.Text4, Qt::Key_Backspace);
    QVERIFY(w.Text6->text().isEmpty());
}

void TestMainWindow::birthdateMessages_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("month 13")
        << "13-20-1990"
        << "MONTH DATE INPUT ERROR IN BIRTH DATE"
        << "Input error in Birth date! The Month must be a number from 01 to 12 and be in "
           "the format: MM-DD-YYYY";
    QTest::newRow("day 32")
        << "12-32-1990"
        << "DAY DATE INPUT ERROR IN BIRTH DATE"
        << "Input error in Birth date! The Day must be a number from 01 to 31 and be in the "
           "format: MM-DD-YYYY";
    QTest::newRow("year 1499")
        << "12-31-1499"
        << "YEAR DATE INPUT ERROR IN BIRTH DATE"
        << "Input error in Birth date! The Year must be a number from 1500 to 2099 and be "
           "in the format: MM-DD-YYYY";
    QTest::newRow("eleven characters") << "12-31-19990"
                                       << "DATE ERROR!"
                                       << "Input error in Birthdate! Too much data in Birthdate box.";
    QTest::newRow("slashes pass while typing") << "03/15/1990"
                                               << ""
                                               << "";
}

void TestMainWindow::birthdateMessages()
{
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, text);
    MainWindowFixture f;
    QTest::keyClicks(f.window->Text4, typed);
    QCOMPARE(f.alerts.onlyTitle(), title);
    if (!title.isEmpty())
        QCOMPARE(f.alerts.messages().first().text, text);
    QCOMPARE(f.window->Text4->text(), typed);
}

void TestMainWindow::lengthFillsTheEndDate_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("end");
    QTest::newRow("twenty days") << "01-15-2024"
                                 << "20"
                                 << "02-03-2024";
    QTest::newRow("leap") << "02-20-2024"
                          << "10"
                          << "02-29-2024";
    QTest::newRow("1900") << "02-20-1900"
                          << "10"
                          << "03-01-1900";
    QTest::newRow("into 2100") << "12-31-2099"
                               << "2"
                               << "01-01-2100";
    QTest::newRow("zero clears") << "01-15-2024"
                                 << "0"
                                 << "";
    QTest::newRow("letters clear") << "01-15-2024"
                                   << "ab"
                                   << "";
    QTest::newRow("too large clears") << "01-15-2024"
                                      << "999999999999"
                                      << "";
}

void TestMainWindow::lengthFillsTheEndDate()
{
    QFETCH(QString, start);
    QFETCH(QString, length);
    QFETCH(QString, end);
    MainWindowFixture f;
    f.window->Text10->setText(start);
    QTest::keyClicks(f.window->Text11, length);
    QCOMPARE(f.window->Text11->text(), length);
    QCOMPARE(f.window->Text12->text(), end);
    // A new start date asks for the length again.
    QTest::keyClick(f.window->Text10, Qt::Key_Backspace);
    QVERIFY(f.window->Text11->text().isEmpty());
    QVERIFY(f.window->Text12->text().isEmpty());
}

void TestMainWindow::lengthBeforeStartDateIsUndone()
{
    MainWindowFixture f;
    f.window->Text10->setText(QStringLiteral("01-15-20"));
    QTest::keyClicks(f.window->Text11, QStringLiteral("30"));
    QVERIFY(f.window->Text11->text().isEmpty());
    QVERIFY(f.window->Text12->text().isEmpty());
}

void TestMainWindow::resetPutsTodayBack_data()
{
    QTest::addColumn<QString>("start");
    QTest::newRow("another start date") << "01-01-2000";
    QTest::newRow("already today") << "05-20-2025";
}

void TestMainWindow::resetPutsTodayBack()
{
    QFETCH(QString, start);
    MainWindowFixture f;
    f.showAndDismiss();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    auto box = [&f](const char *name) { return f.window->findChild<QLineEdit *>(QLatin1String(name)); };
    box("Text10")->setText(start);
    box("Text11")->setText(QStringLiteral("30"));
    QVERIFY(!box("Text12")->text().isEmpty());
    box("Text3")->setFocus();
    QTest::mouseClick(f.window->findChild<QPushButton *>(QStringLiteral("Command8")), Qt::LeftButton);
    QCOMPARE(box("Text10")->text(), QStringLiteral("05-20-2025"));
    QVERIFY(box("Text11")->text().isEmpty());
    QVERIFY(box("Text12")->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), box("Text11"));
}

void TestMainWindow::clearAllTextBoxes()
{
    MainWindowFixture f;
    f.showAndDismiss();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    frmMain &w = *f.window;
    w.Text3->setText(QStringLiteral("Ada"));
    w.Text4->setText(QStringLiteral("05-20-1990"));
    w.Text11->setText(QStringLiteral("30"));
    const QString heading = w.Text13->text();
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    for (QLineEdit *box :
         {w.Text3, w.Text4, w.Text6, w.Text7, w.Text8, w.Text9, w.Text10, w.Text11, w.Text12})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(QApplication::focusWidget(), w.Text3);
    QCOMPARE(w.Text13->text(), heading);
    QVERIFY(!w.Combo1->currentText().isEmpty());
}

void TestMainWindow::clearButtons()
{
    MainWindowFixture f;
    f.showAndDismiss();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    frmMain &w = *f.window;
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    QVERIFY(w.Combo1->currentText().isEmpty());
    QCOMPARE(w.Combo1->count(), 7);
    QCOMPARE(QApplication::focusWidget(), w.Combo1);
    const QList<std::pair<QPushButton *, QLineEdit *>> rows = {
        {w.Command4, w.Text13}, {w.Command5, w.Text14}, {w.Command6, w.Text15}, {w.Command7, w.Text16}};
    for (const auto &[button, box] : rows) {
        box->setText(QStringLiteral("x"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(box->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), box);
        // Enter on the focused button does the same.
        box->setText(QStringLiteral("y"));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QVERIFY(box->text().isEmpty());
    }
}

void TestMainWindow::panelStates()
{
    MainWindowFixture f;
    f.showAndDismiss();
    frmMain &w = *f.window;

    w.mnuFileOpenDatabase->trigger();
    QVERIFY(w.FrameDatabase->isVisible());
    QVERIFY(!w.mnuFileOpenDatabase->isEnabled());
    QCOMPARE(mainCommandStates(w), AllEnabled);

    // "What Is" replaces the database and gives Open Database back.
    w.mnuHelpWhatIsABiorhythm->trigger();
    QVERIFY(w.FrameWhatIs->isVisible());
    QVERIFY(w.FrameDatabase->isHidden());
    QVERIFY(w.mnuFileOpenDatabase->isEnabled());

    // The database replaces "What Is", from the picture button too.
    QTest::mouseClick(w.Command9, Qt::LeftButton);
    QVERIFY(w.FrameDatabase->isVisible());
    QVERIFY(w.FrameWhatIs->isHidden());
    QVERIFY(!w.mnuFileOpenDatabase->isEnabled());

    QTest::mouseClick(w.FrameDatabase->Command3, Qt::LeftButton);
    QVERIFY(w.FrameDatabase->isHidden());
    QVERIFY(w.mnuFileOpenDatabase->isEnabled());
}

void TestMainWindow::helpPanelDisablesEverything()
{
    MainWindowFixture f;
    f.showAndDismiss();
    frmMain &w = *f.window;
    w.mnuHelpGetHelpOn->trigger();
    QVERIFY(w.FrameHelp->isVisible());
    QCOMPARE(mainCommandStates(w), AllDisabled);
    QVERIFY(!w.mnuHelpGetHelpOn->isEnabled());
    QTest::mouseClick(w.FrameHelp->Command16, Qt::LeftButton);
    QVERIFY(w.FrameHelp->isHidden());
    QCOMPARE(mainCommandStates(w), AllEnabled);
    QVERIFY(w.mnuHelpGetHelpOn->isEnabled());
}

void TestMainWindow::rightClickPopsUpTheFileMenu()
{
    MainWindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    // Not while the notice is up: the File menu is disabled then.
    QTest::mouseClick(f.window->centralWidget(), Qt::RightButton, {}, QPoint(1, 1));
    QVERIFY(!f.window->mnuFile->isVisible());
    QTest::mouseClick(f.window->Label29, Qt::LeftButton);
    QTest::mouseClick(f.window->centralWidget(), Qt::RightButton, {}, QPoint(1, 1));
    QTRY_VERIFY(f.window->mnuFile->isVisible());
    f.window->mnuFile->close();
}

void TestMainWindow::nameFromTheDatabaseFillsThePerson()
{
    MainWindowFixture f;
    f.showAndDismiss();
    frmMain &w = *f.window;
    QTest::mouseClick(w.Command9, Qt::LeftButton);
    DatabasePanel &db = *w.FrameDatabase;
    QCOMPARE(QApplication::focusWidget(), db.Text1);
    QTest::keyClicks(db.Text1, QStringLiteral("Pat Example"));
    QTest::keyClicks(db.Text2, QStringLiteral("05201990"));
    QTest::mouseClick(db.Command1, Qt::LeftButton);
    QCOMPARE(db.List1->count(), 1);
    db.List1->setCurrentRow(0);
    QTest::mouseClick(db.cmdUseName, Qt::LeftButton);

    QVERIFY(db.isHidden());
    QVERIFY(w.mnuFileOpenDatabase->isEnabled());
    QCOMPARE(w.Text3->text(), QStringLiteral("Pat Example"));
    QCOMPARE(w.Text4->text(), QStringLiteral("05-20-1990"));
    QCOMPARE(w.Text6->text(), QStringLiteral("Taurus"));
    QCOMPARE(w.Text7->text(), QStringLiteral("Sunday"));
    QCOMPARE(w.Text9->text(), QStringLiteral("35"));
    QCOMPARE(w.Text8->text(), QStringLiteral("12784"));
    QCOMPARE(QApplication::focusWidget(), w.Text11);
    QVERIFY(f.alerts.messages().isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
