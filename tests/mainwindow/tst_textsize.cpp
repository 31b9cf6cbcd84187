// The View menu's text size through the real window: its keys, its least size on the screen, and
// the size kept from one run to the next.

#include "windowfixture.h"

#include "support/testmain.h"

class TestTextSize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The keys change the text of the form and the chart. Larger Text stops where the least window
    // would no longer fit the screen, where a stored larger size opens too, measured as when
    // chosen there; Smaller Text stops at 80 %, which the next run keeps.
    void keysAndLimits()
    {
        Fixture f(QStringLiteral("05-20-2025"), 768 * 15);
        f.showAndDismiss();
        const auto points = [](const Fixture &x) { return x.window->centralWidget()->font().pointSizeF(); };
        const auto press = [&f](QKeyCombination key) {
            QTest::keySequence(f.window.get(), QKeySequence(key));
        };
        press(Qt::CTRL | Qt::Key_Equal);
        QCOMPARE(points(f), 14 * 1.1);
        press(Qt::CTRL | Qt::Key_0);
        QCOMPARE(points(f), 14.0);
        for (qreal before = 0; points(f) > before;) {
            before = points(f);
            press(Qt::CTRL | Qt::Key_Plus);
        }
        QVERIFY(points(f) > 14 && f.window->minimumHeight() <= 768);
        QVERIFY(!f.window->statusBar()->currentMessage().isEmpty());
        const Fixture stored(QStringLiteral("05-20-2025"), 768 * 15, 400);
        QCOMPARE(points(stored), points(f));
        QCOMPARE(stored.window->minimumSize(), f.window->minimumSize());
        for (int i = 0; i < 9 && f.find<QAction>("mnuViewSmallerText")->isEnabled(); ++i)
            press(Qt::CTRL | Qt::Key_Minus);
        QCOMPARE(f.find("Text18")->font().pointSizeF(), 14 * 0.8);
        f.restart();
        QCOMPARE(points(f), 14 * 0.8);
    }
};

TIDEMARK_TEST(TestTextSize)
#include "tst_textsize.moc"
