// The main window from the keyboard: what covers the form owns the keys, each command's shortcut
// (the start-up notice and the chart display as a text view are in tst_screenreaders).

#include "support/datarows.h"
#include "windowfixture.h"

#include "support/testmain.h"

namespace {

bool Within(const QWidget *widget, const QWidget *overlay, const QWidget *companion)
{
    return widget && (widget == overlay || overlay->isAncestorOf(widget) || widget == companion);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A long lead-in the user tabbed through shows its beginning again.
    void longHeadingShowsItsStart()
    {
        Fixture f;
        f.showAndDismiss();
        QLineEdit *leadIn = f.find<QComboBox>("Combo1")->lineEdit();
        leadIn->setText(QString(200, u'x'));
        leadIn->setFocus(Qt::TabFocusReason);
        QVERIFY(leadIn->cursorPosition() > 0);
        QTest::keyClick(leadIn, Qt::Key_Tab);
        QVERIFY(!leadIn->hasFocus());
        QCOMPARE(leadIn->cursorPosition(), 0);
    }

    // While a panel or the chart shows, Tab and the mouse stay inside it; Escape closes it and the
    // cursor goes back where it was (to the name after a chart).
    void overlayOwnsTheKeys_data()
    {
        // The overlay's companion is a control of it outside its frame.
        Columns<QString, QString, QString, QString>({"command", "overlay", "companion", "returnsTo"});
        Row("name database", "mnuFileOpenDatabase", "FrameDatabase", "", "Text4");
        Row("what is", "mnuHelpWhatIsABiorhythm", "FrameWhatIs", "", "Text4");
        Row("help", "mnuHelpGetHelpOn", "FrameHelp", "", "Text4");
        Row("chart", "mnuFilePrintCharttoFullScreen", "Text18", "Command24", "Text3");
        Row("graph", "mnuFileDisplayGraph", "FrameGraph", "", "Text4");
        Row("compare", "mnuFileCompareWith", "FrameCompare", "", "Text4");
    }

    void overlayOwnsTheKeys()
    {
        QFETCH(QString, command);
        QFETCH(QString, overlay);
        QFETCH(QString, companion);
        QFETCH(QString, returnsTo);
        Fixture f;
        f.showAndDismiss();
        f.enterPerson();
        f.box("Text4")->setFocus();
        f.trigger(qPrintable(command));
        QWidget *shown = f.find(qPrintable(overlay));
        QWidget *other = companion.isEmpty() ? nullptr : f.find(qPrintable(companion));
        QVERIFY(shown->isVisible());
        for (int i = 0; i < 25; ++i) {
            QVERIFY2(Within(QApplication::focusWidget(), shown, other), qPrintable(QString::number(i)));
            QTest::keyClick(QApplication::focusWidget(), i % 5 ? Qt::Key_Tab : Qt::Key_Backtab);
        }
        QTest::mouseClick(f.box("Text10"), Qt::LeftButton);
        QVERIFY(Within(QApplication::focusWidget(), shown, other));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(shown->isHidden());
        QCOMPARE(QApplication::focusWidget(), f.box(qPrintable(returnsTo)));
        QCOMPARE(f.state(), QStringLiteral("11111111111 11"));
    }

    // Each standard shortcut runs its command; the picture buttons' tips name it, and Tab reaches
    // them.
    void shortcutsRunTheirCommands_data()
    {
        Columns<QKeySequence, QString>({"keys", "shows"});
        Row("open database", QKeySequence(QKeySequence::Open), "FrameDatabase");
        Row("help", QKeySequence(QKeySequence::HelpContents), "FrameHelp");
        Row("display chart", QKeySequence(Qt::CTRL | Qt::Key_D), "Text18");
        Row("display graph", QKeySequence(Qt::CTRL | Qt::Key_G), "FrameGraph");
        Row("print chart", QKeySequence(QKeySequence::Print), "");
        Row("exit", QKeySequence(Qt::CTRL | Qt::Key_Q), "");
    }

    void shortcutsRunTheirCommands()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, shows);
        Fixture f;
        f.showAndDismiss();
        f.enterPerson();
        QTest::keySequence(f.window.get(), keys);
        if (!shows.isEmpty())
            QVERIFY(f.find(qPrintable(shows))->isVisible());
        else if (keys == QKeySequence::Print)
            QCOMPARE(f.printed.size(), 1);
        else
            QVERIFY(!f.window->isVisible());

        Fixture g;
        g.showAndDismiss();
        for (const char *button : {"Command9", "Command11", "Command18"}) {
            const auto *action = g.find<QToolButton>(button)->defaultAction();
            QVERIFY2(action &&
                         action->toolTip().contains(action->shortcut().toString(QKeySequence::NativeText)),
                     button);
        }
        QTest::keyClick(g.box("Text3"), Qt::Key_Backtab);
        QVERIFY(qobject_cast<QToolButton *>(QApplication::focusWidget()));
    }
};

TIDEMARK_TEST(TestKeyboard)
#include "tst_keyboard.moc"
