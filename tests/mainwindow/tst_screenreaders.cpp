// What a screen reader is told: a name for every view, panel and symbol button, the start-up
// notice, the focus before any cursor move, a list's item after the list, a box's whole text, the
// facts of a typed date and other outcomes, the graph and its day cursor, and the chart display (a
// text view with the keys) in events of the classes Qt's AT-SPI bridge expects.

#include "info/helptopics.h"
#include "mainwindow/charttextview.h"
#include "support/datarows.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "support/testmain.h"

namespace {

// Whether an event is of the class its type promises: Qt's AT-SPI bridge casts each text event to
// that class and reads its texts.
bool OfItsClass(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::TextUpdated:
        return dynamic_cast<QAccessibleTextUpdateEvent *>(event);
    case QAccessible::TextInserted:
        return dynamic_cast<QAccessibleTextInsertEvent *>(event);
    case QAccessible::TextRemoved:
        return dynamic_cast<QAccessibleTextRemoveEvent *>(event);
    case QAccessible::TextCaretMoved:
        return dynamic_cast<QAccessibleTextCursorEvent *>(event);
    case QAccessible::TextSelectionChanged:
        return dynamic_cast<QAccessibleTextSelectionEvent *>(event);
    default:
        return true;
    }
}

// An event a screen reader would be sent; the role and name of what it is about for the events
// Orca speaks on (focus, and an object showing).
struct ReaderEvent
{
    QAccessible::Event type;
    bool ofItsClass;
    const QObject *object;
    QAccessible::Role role;
    QString name;
    QString removed; // of a text update
    QString inserted;
};
QList<ReaderEvent> readerEvents;

void RecordReaderEvent(QAccessibleEvent *event)
{
    const auto *update = dynamic_cast<QAccessibleTextUpdateEvent *>(event);
    QAccessibleInterface *about =
        event->type() == QAccessible::Focus || event->type() == QAccessible::ObjectShow
            ? event->accessibleInterface()
            : nullptr;
    readerEvents.append({event->type(), OfItsClass(event), event->object(),
                         about ? about->role() : QAccessible::NoRole,
                         about ? about->text(QAccessible::Name) : "", update ? update->textRemoved() : "",
                         update ? update->textInserted() : ""});
}

// A screen reader listening while it lives. Qt's platform accessibility is turned on as a reader's
// arrival turns it: QAccessible::setActive alone does not, offscreen, in Qt 6.4.
struct Listening
{
    Listening()
    {
        readerEvents.clear();
        QAccessible::setActive(true);
        platform->setActive(true);
    }
    ~Listening()
    {
        QAccessible::installUpdateHandler(before);
        platform->setActive(false);
    }
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(RecordReaderEvent);
};

// The names of the notifications that showed, which Orca speaks.
QStringList Notifications()
{
    QStringList names;
    for (const ReaderEvent &event : std::as_const(readerEvents)) {
        if (event.type == QAccessible::ObjectShow && event.role == QAccessible::Notification)
            names << event.name;
    }
    return names;
}

} // namespace

class TestScreenReaders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each view, panel and list, and each button whose caption is a symbol, has a name a person
    // understands: not its object name, nor its symbol.
    void everythingHasAName()
    {
        Fixture f;
        for (const char *control : {"Text18", "List2", "TextHelp", "Text22", "List1", "FrameSplash",
                                    "FrameDatabase", "FrameWhatIs", "FrameHelp", "FrameGraph", "Command16",
                                    "Command2", "Command4", "Command5", "Command6", "Command7", "Command8"}) {
            const QString name =
                QAccessible::queryAccessibleInterface(f.find(control))->text(QAccessible::Name);
            QVERIFY2(name.size() > 1 && name != QLatin1String(control) && !name.startsWith(u"<<"), control);
        }
    }

    // The notice has the keyboard at start-up: Tab and typing cannot reach the boxes under it, and
    // it says how to go on. Escape puts it aside as Enter does, and the name box is told as the focus.
    void noticeLetsGo()
    {
        Fixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QWidget *notice = f.find("FrameSplash");
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(QApplication::focusWidget(), i % 3 ? Qt::Key_Tab : Qt::Key_Backtab);
        QTest::keyClicks(QApplication::focusWidget(), "Zed");
        QVERIFY(QApplication::focusWidget() == notice && f.box("Text3")->text().isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(notice)->text(QAccessible::Description),
                 QStringLiteral("Press Enter to begin"));
        Listening reader;
        QTest::keyClick(notice, Qt::Key_Escape);
        QCOMPARE(f.state(), QStringLiteral("11111111111 11"));
        QCOMPARE(QApplication::focusWidget(), f.box("Text3"));
        QVERIFY(std::any_of(readerEvents.cbegin(), readerEvents.cend(), [&f](const ReaderEvent &e) {
            return e.type == QAccessible::Focus && e.object == f.box("Text3");
        }));
    }

    // What a command did that shows only in the status bar is told too.
    void outcomeIsTold()
    {
        Fixture f;
        f.showAndDismiss();
        f.enterPerson();
        f.answer = [&f](const SaveQuestion &) { return f.dir.filePath(QStringLiteral("pat.ics")); };
        Listening reader;
        f.trigger("mnuFileExportCalendar");
        const QString shown = f.window->statusBar()->currentMessage();
        QVERIFY(shown.contains(u"pat.ics"));
        QCOMPARE(Notifications(), QStringList{shown});
    }

    // A box's text reaches a screen reader whole: Orca reads a line as the text attribute runs that
    // cover it, joined, so every run must reach the end of the text.
    void boxTextIsWhole()
    {
        Fixture f;
        f.showAndDismiss();
        f.enterPerson();
        f.find<QComboBox>("Combo1")->setEditText(QStringLiteral("Prepared By:"));
        f.box("Text13")->setText(QStringLiteral("Your Name"));
        for (QLineEdit *box : {f.box("Text3"), f.box("Text8"), f.box("Text12"), f.box("Text13"),
                               f.find<QComboBox>("Combo1")->lineEdit()}) {
            QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(box)->textInterface();
            const int count = text->characterCount();
            QVERIFY2(count > 1, qPrintable(box->text()));
            int reach = 0;
            for (int offset = 0; offset < count; ++offset) {
                int start = -1;
                int end = -1;
                text->attributes(offset, &start, &end);
                QVERIFY(start <= offset && offset < end);
                reach = std::max(reach, end);
            }
            QCOMPARE(text->text(0, reach), box->text());
        }
    }

    // A list that takes the keyboard has its current item told after the list itself, so a screen
    // reader speaks it: the one name of the name list (reached with Tab), the first help topic.
    void listTellsItsItem_data()
    {
        Columns<QString, QString, QString>({"command", "list", "item"});
        Row("name list", "mnuFileOpenDatabase", "List1", "Pat Example 05-20-1990");
        Row("help topics", "mnuHelpGetHelpOn", "List2", QString::fromLatin1(info::HelpTopics().front().name));
    }

    void listTellsItsItem()
    {
        QFETCH(QString, command);
        QFETCH(QString, list);
        QFETCH(QString, item);
        Fixture f;
        f.showAndDismiss();
        Listening reader;
        f.trigger(qPrintable(command));
        if (list == u"List1") {
            f.box("Text1")->setText(QStringLiteral("Pat Example"));
            f.box("Text2")->setText(QStringLiteral("05201990"));
            QTest::keyClick(f.box("Text2"), Qt::Key_Return);
        }
        const QWidget *target = f.find(qPrintable(list));
        for (int tab = 0; tab < 10 && QApplication::focusWidget() != target; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        QVERIFY(!readerEvents.isEmpty());
        QCOMPARE(readerEvents.last().type, QAccessible::Focus);
        QCOMPARE(readerEvents.last().role, QAccessible::ListItem);
        QCOMPARE(readerEvents.last().name, item);
    }

    // Where the keyboard goes is told before any cursor move there: Orca takes a cursor move in a
    // control that has the focus for the focus arriving, and then says nothing of it.
    void focusComesFirst_data()
    {
        // The keys pressed or the button clicked, and where the keyboard goes.
        Columns<QString, QString>({"action", "to"});
        Row("Tab from the name to the empty birthdate", "Tab", "Text4");
        Row("Display Chart", "Ctrl+D", "Text18");
        Row("<< Clear of line 1", "Command4", "Text13");
        Row("Clear All Text Boxes Below", "Command13", "Text3");
        Row("<< Reset", "Command8", "Text11");
    }

    void focusComesFirst()
    {
        QFETCH(QString, action);
        QFETCH(QString, to);
        Fixture f;
        f.showAndDismiss();
        if (action != u"Tab")
            f.enterPerson();
        f.box(action == u"Tab" ? "Text3" : "Text10")->setFocus();
        const QObject *target = f.find(qPrintable(to));
        Listening reader;
        if (action.startsWith(u"Command"))
            f.click(qPrintable(action));
        else
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::fromString(action));
        const auto told =
            std::find_if(readerEvents.cbegin(), readerEvents.cend(), [target](const ReaderEvent &e) {
                return e.object == target &&
                       (e.type == QAccessible::Focus || e.type == QAccessible::TextCaretMoved);
            });
        QVERIFY(told != readerEvents.cend() && told->type == QAccessible::Focus);
    }

    // A complete date that changes the facts has them told once; a wrong one has its message only.
    void factsAreTold_data()
    {
        // The box emptied and typed into (the birthdate is there before a start date is typed), the
        // text typed, and the ages told after the sign and weekday of birth, or none.
        QTest::addColumn<QStringList>("typing");
        QTest::newRow("birthdate") << QStringList{"Text4", "05-20-1990", "12784, Age in Years: 35"};
        QTest::newRow("month 13") << QStringList{"Text4", "13-20-1990", ""};
        QTest::newRow("start date") << QStringList{"Text10", "05-20-2030", "14610, Age in Years: 40"};
    }

    void factsAreTold()
    {
        QFETCH(QStringList, typing);
        Fixture f;
        f.showAndDismiss();
        f.box("Text4")->setText(typing[0] == u"Text10" ? QStringLiteral("05-20-1990") : QString());
        QLineEdit *box = f.box(qPrintable(typing[0]));
        box->clear();
        Listening reader;
        QTest::keyClicks(box, typing[1]);
        const QString facts =
            "Astrological Sign: Taurus, Day of Week Born: Sunday, Age In Days: " + typing[2];
        QCOMPARE(Notifications(), typing[2].isEmpty() ? QStringList{} : QStringList{facts});
        QCOMPARE(f.alerts.messages().isEmpty(), !typing[2].isEmpty());
    }

    // The graph is named by the person and the period, and its description gives the critical days
    // of the text chart; Right moves the day cursor, whose readout is the focused day's name; a zoom
    // tells the new period; Shift+F10 opens the context menu on its first command.
    void graphSpeaks()
    {
        Fixture f;
        f.showAndDismiss();
        f.enterPerson();
        Listening reader;
        f.trigger("mnuFileDisplayGraph");
        QWidget *graph = f.find("FrameGraph");
        QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(graph);
        QCOMPARE(
            chart->text(QAccessible::Name),
            "Biorhythm graph, PAT EXAMPLE - 05-20-1990, Tuesday, May 20, 2025 to Wednesday, June 18, 2025");
        const QString summary = chart->text(QAccessible::Description);
        for (const char *day : {"May 23, 2025 (intellectual down)", "May 24, 2025 (physical up)",
                                "June 1, 2025 (emotional)", "June 16, 2025 (physical up)"})
            QVERIFY2(summary.contains(QLatin1String(day)), qPrintable(summary));
        QTest::keyClick(graph, Qt::Key_Right);
        QCOMPARE(readerEvents.last().name,
                 "Wednesday, May 21, 2025, day 12785, Physical -73%, Emotional -62%, Intellectual +46%");
        QTest::keyClick(graph, Qt::Key_Plus);
        QCOMPARE(Notifications(),
                 QStringList{"24 days in view: Tuesday, May 20, 2025 to Thursday, June 12, 2025"});

        QString picked; // seen once the menu has opened, and picked its first command
        QTimer::singleShot(0, graph, [&picked, graph] {
            QTimer::singleShot(0, graph, [&picked] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                picked = menu && menu->activeAction() ? menu->activeAction()->objectName() : QString();
                if (menu)
                    menu->close();
            });
        });
        QTest::keyClick(graph, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(picked, QStringLiteral("GraphSave"));
    }

    // The chart display is a text view that has the keys at once: Shift with the arrows selects,
    // Ctrl+A and Ctrl+C copy it all; its longest lines show whole, in a fixed-pitch face. Screen
    // readers read the same text, cursor and selection, and a chart that replaces another, and the
    // cursor and selection moving through it, are told in events of the classes their types
    // promise, each with what it says changed.
    void chartIsATextView()
    {
        Fixture f;
        f.showAndDismiss();
        f.find<QAbstractButton>("Check4")->setChecked(true);
        f.enterPerson();
        f.click("Command18");
        auto *view = f.find<ChartTextView>("Text18");
        const QString first = view->toPlainText();
        f.click("Command24");
        Listening reader;
        f.box("Text11")->setText(QStringLiteral("31"));
        QTest::keySequence(f.window.get(), QKeySequence(Qt::CTRL | Qt::Key_D));
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
        QAccessibleInterface *account = QAccessible::queryAccessibleInterface(view);
        QAccessibleTextInterface *text = account->textInterface();
        QVERIFY(account->state().readOnly && text);
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
        QSet<QAccessible::Event> types;
        for (const ReaderEvent &event : std::as_const(readerEvents)) {
            QVERIFY2(event.ofItsClass, qPrintable(QString::number(event.type, 16)));
            types.insert(event.type);
        }
        const auto replaced =
            std::find_if(readerEvents.cbegin(), readerEvents.cend(), [&](const ReaderEvent &event) {
                return event.type == QAccessible::TextUpdated && event.removed == first;
            });
        QVERIFY(replaced != readerEvents.cend() && replaced->inserted == view->toPlainText());
        QVERIFY(types.contains(QAccessible::TextCaretMoved) &&
                types.contains(QAccessible::TextSelectionChanged));
    }
};

TIDEMARK_TEST(TestScreenReaders)
#include "tst_screenreaders.moc"
