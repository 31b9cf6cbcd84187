// The main window from the keyboard: what covers the form owns the keys, each command's shortcut,
// the chart display as a text view.

#include "mainwindow/charttextview.h"
#include "windowfixture.h"

#include <QAccessible>

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
    // Tab and typing cannot reach the boxes under the start-up notice; Escape dismisses it as Enter
    // does, and the cursor goes to the name.
    void noticeKeepsTheKeys()
    {
        Fixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(QApplication::focusWidget(), i % 3 ? Qt::Key_Tab : Qt::Key_Backtab);
        QTest::keyClicks(QApplication::focusWidget(), "Zed");
        QCOMPARE(QApplication::focusWidget(), f.find("FrameSplash"));
        QVERIFY(f.box("Text3")->text().isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(f.state(), QStringLiteral("11111111111 11"));
        QCOMPARE(QApplication::focusWidget(), f.box("Text3"));
    }

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
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("overlay");
        QTest::addColumn<QString>("companion"); // a control of the overlay's outside its frame
        QTest::addColumn<QString>("returnsTo");
        QTest::newRow("name database") << "mnuFileOpenDatabase"
                                       << "FrameDatabase"
                                       << ""
                                       << "Text4";
        QTest::newRow("what is") << "mnuHelpWhatIsABiorhythm"
                                 << "FrameWhatIs"
                                 << ""
                                 << "Text4";
        QTest::newRow("help") << "mnuHelpGetHelpOn"
                              << "FrameHelp"
                              << ""
                              << "Text4";
        QTest::newRow("chart") << "mnuFilePrintCharttoFullScreen"
                               << "Text18"
                               << "Command24"
                               << "Text3";
        QTest::newRow("graph") << "mnuFileDisplayGraph"
                               << "FrameGraph"
                               << ""
                               << "Text4";
        QTest::newRow("compare") << "mnuFileCompareWith"
                                 << "FrameCompare"
                                 << ""
                                 << "Text4";
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

    // The chart has the keys at once: Shift with the arrows selects, Ctrl+A and Ctrl+C copy it
    // all; screen readers read the same text, cursor and selection. Its longest lines show whole,
    // in a fixed-pitch face.
    void chartIsATextView()
    {
        Fixture f;
        f.showAndDismiss();
        f.find<QAbstractButton>("Check4")->setChecked(true);
        f.enterPerson();
        QTest::keySequence(f.window.get(), QKeySequence(Qt::CTRL | Qt::Key_D));
        auto *view = f.find<ChartTextView>("Text18");
        QCOMPARE(QApplication::focusWidget(), view);
        QVERIFY(QFontInfo(view->font()).fixedPitch());
        qsizetype longest = 0;
        for (const QString &line : view->toPlainText().split(u'\n'))
            longest = std::max(longest, line.size());
        const qreal needed = QFontMetricsF(view->font()).horizontalAdvance(QString(longest, u'M'));
        QVERIFY(view->viewport()->width() >= std::ceil(needed) + 2 * ChartTextView::TextMargin);

        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        const QString firstLine = view->toPlainText().section(u'\n', 0, 0) + u'\n';
        QCOMPARE(view->selectedText(), firstLine);
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(view);
        QAccessibleTextInterface *text = reader->textInterface();
        QVERIFY(reader->state().readOnly && text);
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(text->text(start, end), firstLine);
        QCOMPARE(text->cursorPosition(), firstLine.size());
        QCOMPARE(text->text(0, text->characterCount()), view->toPlainText());

        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClicks(view, QStringLiteral("xyz"));
        QCOMPARE(QApplication::clipboard()->text(), view->toPlainText());
    }

    // Each standard shortcut runs its command; the picture buttons' tips name it, and Tab reaches
    // them.
    void shortcutsRunTheirCommands_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("shows");
        QTest::newRow("open database") << QKeySequence(QKeySequence::Open) << "FrameDatabase";
        QTest::newRow("help") << QKeySequence(QKeySequence::HelpContents) << "FrameHelp";
        QTest::newRow("display chart") << QKeySequence(Qt::CTRL | Qt::Key_D) << "Text18";
        QTest::newRow("display graph") << QKeySequence(Qt::CTRL | Qt::Key_G) << "FrameGraph";
        QTest::newRow("print chart") << QKeySequence(QKeySequence::Print) << "";
        QTest::newRow("exit") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "";
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
