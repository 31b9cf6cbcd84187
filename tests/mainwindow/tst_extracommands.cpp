// The window's Print Preview, Export as PDF, Display Graph to Screen and Export to Calendar, with
// their dialogs answered as they show.

#include "graph/graphwidget.h"
#include "mainwindow/mainwindow.h"
#include "print/pdfpages.h"
#include "print/printcommands.h"
#include "print/textprintdevice.h"
#include "support/fixedclock.h"
#include "support/recordingalerts.h"
#include "support/testmain.h"
#include "windowfixture.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

#include <optional>

namespace {

// The window, shown with Pat Example's 200-day chart in its boxes, printing to a recorder.
struct Window
{
    Window()
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(window.findChild<QWidget *>("Label29"), Qt::LeftButton);
        window.findChild<QLineEdit *>("Text3")->setText("Pat Example");
        window.findChild<QLineEdit *>("Text4")->setText("05-20-1990");
        window.findChild<QLineEdit *>("Text11")->setText("200");
    }
    void trigger(const char *name) { window.findChild<QAction *>(name)->trigger(); }
    QTemporaryDir dir;
    RecordingAlerts alerts;
    FixedClock clock{QStringLiteral("05-20-2025")};
    QStringList printed;
    MainWindow window{MainWindowEnv{alerts,
                                    clock,
                                    dir.filePath("data"),
                                    dir.filePath("placement.ini"),
                                    {{}, {}},
                                    [this](print::PrintCommand, const QString &) {
                                        return std::unique_ptr<print::PrintTargetProvider>(
                                            new RecordingTargets(printed));
                                    }}};
};

// Answers the next modal dialog of type T once it shows.
template <class T> void WhenShown(std::function<void(T *)> answer)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start(10);
}

void SaveAs(const QString &path)
{
    WhenShown<QFileDialog>([path](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

class TestExtraCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The graph shows over the form with the commands off, saves itself, and closes with Escape.
    void graphPanel()
    {
        Window w;
        auto *graph = w.window.findChild<GraphWidget *>("FrameGraph");
        auto *button = w.window.findChild<QToolButton *>("CommandGraph");
        w.window.findChild<QLineEdit *>("Text11")->setFocus();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(graph->isVisible() && graph->hasFocus() && !button->isEnabled());
        QVERIFY(!w.window.findChild<QMenu *>("mnuFile")->menuAction()->isEnabled());
        QCOMPARE(graph->scene().days.size(), 200);
        QTest::keyClick(graph, Qt::Key_Escape);
        QVERIFY(!graph->isVisible() && button->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w.window.findChild<QLineEdit *>("Text11"));
        w.trigger("mnuFileDisplayGraph");
        QVERIFY(graph->isVisible());
        SaveAs(w.dir.filePath("graph.png"));
        w.trigger("GraphSave");
        QCOMPARE(QImage(w.dir.filePath("graph.png")).size(), graph->viewport()->size());
    }

    // The preview of each document has the pages of its PDF; printing from it runs the print command.
    void previewAndPdf_data()
    {
        QTest::addColumn<int>("document");
        QTest::addColumn<QStringList>("pdfs");
        QTest::newRow("chart") << 0 << QStringList{"c.pdf"};
        QTest::newRow("cover sheet and chart") << 2 << QStringList{"c - cover sheet.pdf", "c - chart.pdf"};
        QTest::newRow("what is") << 3 << QStringList{"c.pdf"};
    }
    void previewAndPdf()
    {
        QFETCH(int, document);
        QFETCH(QStringList, pdfs);
        Window w;
        int pages = 0;
        WhenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog *dialog) {
            dialog->findChild<QComboBox *>("PreviewDocument")->setCurrentIndex(document);
            pages = dialog->findChild<QPrintPreviewWidget *>()->pageCount();
            for (QAction *action : dialog->findChildren<QAction *>())
                if (action->text() == "Print")
                    action->trigger();
        });
        w.trigger("mnuFilePrintPreview");
        QCOMPARE(w.printed.size(), pdfs.size());
        WhenShown<QInputDialog>([document](QInputDialog *dialog) {
            dialog->setTextValue(dialog->comboBoxItems().at(document));
            dialog->accept();
        });
        SaveAs(w.dir.filePath("c.pdf"));
        w.trigger("mnuFileExportPdf");
        int pdfPages = 0;
        for (const QString &pdf : pdfs)
            pdfPages += PdfPageCount(w.dir.filePath(pdf));
        QVERIFY(pages >= pdfs.size());
        QCOMPARE(pages, pdfPages);
    }

    // A chart that fails its checks is refused by every command before any dialog or panel opens
    // over the message, and nothing is printed.
    void commandsRefuseABadChart_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        for (const char *command : {"mnuFilePrintPreview", "mnuFileDisplayGraph", "mnuFileExportCalendar",
                                    "mnuFilePrintChart", "mnuFilePrintCoverSheet"}) {
            const auto row = [command](const char *what, const char *box, const QString &text,
                                       const char *title) {
                QTest::addRow("%s, %s", command, what) << command << box << text << title;
            };
            row("no name", "Text3", "", "NO NAME ENTERED!");
            row("an escape sequence in the name", "Text3", "Pat \x1b[31mExample", "NAME INPUT ERROR");
            row("a tab in the name", "Text3", "Pat\tExample", "NAME INPUT ERROR");
            row("ending after 12-31-9999", "Text11", "99999999999", "LENGTH OF CHART TOO LONG!");
        }
    }
    void commandsRefuseABadChart()
    {
        QFETCH(QString, command);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Window w;
        w.window.findChild<QLineEdit *>(box)->setText(text);
        bool shown = false;
        QTimer guard;
        guard.callOnTimeout([&shown] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                shown = true;
                dialog->reject();
            }
        });
        guard.start(10);
        w.trigger(qPrintable(command));
        QVERIFY(!shown);
        QVERIFY(!w.window.findChild<GraphWidget *>("FrameGraph")->isVisible());
        QVERIFY(w.printed.join(QString()).isEmpty()); // a refused document prints nothing
        QCOMPARE(w.alerts.onlyTitle(), title);
    }

    void calendar()
    {
        Window w;
        w.window.findChild<QLineEdit *>("Text3")->setText("Pat/Lee");
        QString offered;
        WhenShown<QFileDialog>([&](QFileDialog *dialog) {
            offered = dialog->selectedFiles().value(0);
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(w.dir.filePath("pat.ics"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        w.trigger("mnuFileExportCalendar");
        QCOMPARE(QFileInfo(offered).fileName(), QStringLiteral("Pat_Lee.ics"));
        QFile file(w.dir.filePath("pat.ics"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().count("BEGIN:VEVENT") > 10);
        QVERIFY(w.alerts.messages().isEmpty());
    }
};

TIDEMARK_TEST(TestExtraCommands)
#include "tst_extracommands.moc"
