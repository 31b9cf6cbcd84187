// The window's Print Preview, Export as PDF, Display Graph to Screen and Export to Calendar. Their
// dialogs are answered from inside the dialog's own event loop; every save question goes through
// the window's seam.

#include "graph/graphwidget.h"
#include "preview/previewdialog.h"
#include "print/pdfpages.h"
#include "print/previewpages.h"
#include "support/testmain.h"
#include "windowfixture.h"

namespace {

// Answers the modal dialog of type T that the next command runs: queued before the command, the
// call comes once the dialog's event loop runs; with no such dialog open then, it does nothing.
template <class T> void WhenShown(QObject *context, std::function<void(T *)> answer)
{
    QMetaObject::invokeMethod(
        context,
        [answer] {
            if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
                answer(dialog);
        },
        Qt::QueuedConnection);
}

// Chooses the document of Export as PDF's question by its place in the list.
void ChooseDocument(QObject *context, int document)
{
    WhenShown<QInputDialog>(context, [document](QInputDialog *dialog) {
        dialog->setTextValue(dialog->comboBoxItems().at(document));
        dialog->accept();
    });
}

} // namespace

class TestPreviewAndSaving : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The graph shows over the form with the commands off, and closes with Escape.
    void graphPanel()
    {
        Fixture f;
        f.showAndDismiss();
        f.enterPerson(QStringLiteral("200"));
        auto *graph = f.find<GraphWidget>("FrameGraph");
        auto *button = f.find<QToolButton>("CommandGraph");
        f.box("Text11")->setFocus();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(graph->isVisible() && graph->hasFocus() && !button->isEnabled());
        QVERIFY(!f.find<QMenu>("mnuFile")->menuAction()->isEnabled());
        QCOMPARE(graph->scene().days.size(), 200);
        QTest::keyClick(graph, Qt::Key_Escape);
        QVERIFY(!graph->isVisible() && button->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.box("Text11"));
    }

    // Compare With...: the second person picked from the name database or typed, and refused as
    // the Birthdate box would refuse them; the worked pair's numbers and the two days both are
    // critical. Escape keeps the comparison for the graph; Clear Comparison ends it. Nothing of it
    // reaches the files.
    void comparison()
    {
        Fixture f;
        QDir().mkpath(f.dataFolder);
        QFile names(f.dataFile("bioname.dat"));
        QVERIFY(names.open(QIODevice::WriteOnly) && names.write("\"Lee Sample 07-04-1988\"\r\n") > 0);
        names.close();
        f.showAndDismiss();
        f.enterPerson(QStringLiteral("60"));
        f.trigger("mnuFileCompareWith");
        QVERIFY(f.find("FrameCompare")->isVisible() &&
                !f.find<QAction>("mnuFileClearComparison")->isEnabled());
        f.box("TextCompareName")->setText(QStringLiteral("Lee Sample"));
        f.box("TextCompareBirth")->setText(QStringLiteral("13-04-1988"));
        f.click("CommandCompare");
        QCOMPARE(f.alerts.onlyTitle(), QStringLiteral("MONTH DATE INPUT ERROR IN BIRTH DATE"));
        f.box("TextCompareName")->clear();
        QTest::keyClick(f.find("ComboComparePick"), Qt::Key_Down);
        QCOMPARE(f.box("TextCompareBirth")->text(), QStringLiteral("07-04-1988"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QStringList percents;
        for (const char *label : {"LabelComparePhysical", "LabelCompareEmotional", "LabelCompareIntellectual",
                                  "LabelCompareOverall"})
            percents << f.find<QLabel>(label)->text().section(u' ', -1);
        QCOMPARE(percents, (QStringList{"78%", "11%", "72%", "54%"}));
        auto *days = f.find<QListWidget>("ListCompareCritical");
        QCOMPARE(days->count(), 2);
        QCOMPARE(days->item(1)->text(), QStringLiteral("MON 06-16-2025"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(f.find("FrameCompare")->isHidden() && f.find<QAction>("mnuFileClearComparison")->isEnabled());
        auto *graph = f.find<GraphWidget>("FrameGraph");
        f.trigger("mnuFileDisplayGraph");
        QCOMPARE(graph->scene().partner, QStringLiteral("Lee Sample"));
        QCOMPARE(chart::DateOf(graph->scene().partnerDays.last().day), QDate(2025, 7, 18));
        QTest::keyClick(graph, Qt::Key_Escape);
        f.trigger("mnuFileClearComparison");
        f.trigger("mnuFileDisplayGraph");
        QVERIFY(graph->scene().partner.isEmpty() && graph->scene().partnerDays.isEmpty());
        f.window->close();
        for (const QFileInfo &file : QDir(f.dataFolder).entryInfoList(QDir::Files)) {
            QFile stored(file.filePath());
            QVERIFY(stored.open(QIODevice::ReadOnly));
            QCOMPARE(stored.readAll().count("Lee"), file.fileName() == "bioname.dat" ? 1 : 0);
        }
    }

    // The palette and the secondary cycles chosen in the graph's menu show at once, and the next
    // run starts with them, kept in the per-user store's group View.
    void graphLookRemembered()
    {
        Fixture f;
        f.showAndDismiss();
        f.enterPerson(QStringLiteral("200"));
        f.trigger("mnuFileDisplayGraph");
        f.trigger("GraphPaletteOkabeIto");
        f.trigger("GraphCycleSpiritual");
        f.trigger("GraphCycleAesthetic");
        const graph::GraphLook chosen{graph::Palette::OkabeIto, {false, true, false, true}};
        QCOMPARE(f.find<GraphWidget>("FrameGraph")->scene().look, chosen);
        QSettings store(f.dir.filePath(QStringLiteral("placement.ini")), QSettings::IniFormat);
        QCOMPARE(store.value("View/Palette").toString(), QStringLiteral("okabe-ito"));
        QCOMPARE(store.value("View/Cycles").toString(), QStringLiteral("aesthetic,spiritual"));
        f.restart();
        QCOMPARE(f.find<GraphWidget>("FrameGraph")->look(), chosen);
        QVERIFY(f.find<QAction>("GraphCycleSpiritual")->isChecked() &&
                !f.find<QAction>("GraphPaletteStandard")->isChecked());
    }

    // Export to Calendar asks for a reminder before it asks where: cancelled, nothing is asked or
    // written; at 08:00, each event reminds at 08:00.
    void calendarReminder()
    {
        Fixture f;
        f.showAndDismiss();
        f.enterPerson(QStringLiteral("200"));
        QTemporaryDir folder;
        f.answer = [&](const SaveQuestion &) { return folder.filePath("c.ics"); };
        f.reminder = std::nullopt;
        f.trigger("mnuFileExportCalendar");
        QVERIFY(f.asked.isEmpty() && QDir(folder.path()).isEmpty());
        f.reminder = QTime(8, 0);
        f.trigger("mnuFileExportCalendar");
        QFile file(folder.filePath("c.ics"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(text.count("\r\nTRIGGER:PT8H\r\n"), text.count("BEGIN:VEVENT"));
        QVERIFY(text.count("BEGIN:VEVENT") > 5);
    }

    // The preview opens on "Page 1 of …" and names a count only once it is final, the count of the
    // PDF files Export as PDF writes; Print, Ctrl+P and Tab to Print then Space print the document.
    void previewAndPrint_data()
    {
        QTest::addColumn<int>("document");
        QTest::addColumn<QString>("print");
        QTest::addColumn<QStringList>("pdfs");
        QTest::newRow("chart, Print") << 0 << "click" << QStringList{"c.pdf"};
        QTest::newRow("cover sheet and chart, Ctrl+P")
            << 2 << "ctrl+p" << QStringList{"c - cover sheet.pdf", "c - chart.pdf"};
        QTest::newRow("what is, Tab to Print") << 3 << "tab" << QStringList{"c.pdf"};
    }
    void previewAndPrint()
    {
        QFETCH(int, document);
        QFETCH(QString, print);
        QFETCH(QStringList, pdfs);
        Fixture f;
        f.showAndDismiss();
        f.enterPerson(QStringLiteral("3000"));
        QStringList shown;
        WhenShown<PreviewDialog>(f.window.get(), [&](PreviewDialog *preview) {
            auto *page = preview->findChild<QSpinBox *>("PreviewPage");
            QVERIFY(QTest::qWaitForWindowActive(preview));
            preview->findChild<QComboBox *>("PreviewDocument")->setCurrentIndex(document);
            shown << page->text();
            while (!preview->pages().counted()) {
                QCoreApplication::processEvents();
                shown << page->text();
            }
            shown << page->text();
            // Every digit of the count shows.
            QVERIFY(page->width() >= page->sizeHint().width());
            if (print == "click")
                QTest::mouseClick(preview->findChild<QPushButton *>("PreviewPrint"), Qt::LeftButton);
            else if (print == "ctrl+p")
                QTest::keyClick(preview, Qt::Key_P, Qt::ControlModifier);
            for (int n = 0; n < 10 && preview->isVisible(); ++n) {
                QTest::keyClick(preview->focusWidget(), Qt::Key_Tab);
                if (preview->focusWidget()->objectName() == "PreviewPrint")
                    QTest::keyClick(preview->focusWidget(), Qt::Key_Space);
            }
            if (preview->isVisible())
                preview->reject();
        });
        f.trigger("mnuFilePrintPreview");
        QCOMPARE(f.printed.size(), pdfs.size());
        QTemporaryDir folder;
        f.answer = [&](const SaveQuestion &) { return folder.filePath("c.pdf"); };
        ChooseDocument(f.window.get(), document);
        f.trigger("mnuFileExportPdf");
        int pdfPages = 0;
        for (const QString &pdf : pdfs)
            pdfPages += PdfPageCount(folder.filePath(pdf));
        const QString final = QStringLiteral("Page 1 of %1").arg(pdfPages);
        QCOMPARE(shown.last(), final);
        QVERIFY(document == 3 || shown.first() == QStringLiteral("Page 1 of \u2026"));
        for (const QString &text : shown)
            QVERIFY2(text == final || text == QStringLiteral("Page 1 of \u2026"), qPrintable(text));
    }

    // End while the pages are counted shows the last page once they are; the keys turn the pages,
    // a screen reader reads the page and the count, and Escape closes without printing. Every
    // control has a name a screen reader says.
    void previewKeys()
    {
        Fixture f;
        f.showAndDismiss();
        f.enterPerson(QStringLiteral("3000"));
        QStringList pages;
        QStringList unnamed;
        qint64 last = 0;
        WhenShown<PreviewDialog>(f.window.get(), [&](PreviewDialog *preview) {
            for (QWidget *control : preview->findChildren<QWidget *>(QRegularExpression("^Preview"))) {
                if (control->focusPolicy() != Qt::NoFocus &&
                    QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                    unnamed << control->objectName();
            }
            auto *view = preview->findChild<QWidget *>("PreviewPages");
            QAccessibleInterface *page =
                QAccessible::queryAccessibleInterface(preview->findChild<QSpinBox *>("PreviewPage"));
            QTest::keyClick(view, Qt::Key_End);
            while (!preview->pages().counted())
                QCoreApplication::processEvents();
            last = preview->pages().pageCount();
            for (const Qt::Key key : {Qt::Key_PageUp, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_End}) {
                pages << page->text(QAccessible::Value);
                QTest::keyClick(view, key);
            }
            pages << page->text(QAccessible::Value);
            QTest::keyClick(view, Qt::Key_Escape);
        });
        f.trigger("mnuFilePrintPreview");
        QStringList expected;
        for (const qint64 page : {last, last - 1, qint64(1), qint64(2), last})
            expected << QStringLiteral("Page %1 of %2").arg(page).arg(last);
        QVERIFY(last > 100);
        QCOMPARE(pages, expected);
        QCOMPARE(unnamed, QStringList());
        QVERIFY(f.printed.isEmpty() && !QApplication::activeModalWidget());
    }

    // A chart that fails its checks (here a name with a control character) is refused before the
    // preview opens over the message.
    void previewRefusesABadChart()
    {
        Fixture f;
        f.showAndDismiss();
        f.enterPerson();
        f.box("Text3")->setText(QStringLiteral("Pat\tExample"));
        bool shown = false;
        WhenShown<PreviewDialog>(f.window.get(), [&shown](PreviewDialog *preview) {
            shown = true;
            preview->reject();
        });
        f.trigger("mnuFilePrintPreview");
        QVERIFY(!shown);
        QCOMPARE(f.alerts.onlyTitle(), QStringLiteral("NAME INPUT ERROR"));
    }

    // Every command that saves a file asks where through the window's one seam, offering the
    // person's name, made safe, in the documents folder, and for PDF files saying which files the
    // name given writes; the file the answer names is written. Declined, the command leaves no
    // word of an earlier save in the status bar.
    void saveQuestions_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("answer");
        const QString pdf = QStringLiteral("PDF files (*.pdf)");
        const QString saved =
            QStringLiteral("The chart will be saved as the PDF file \"Pat_Lee - chart.pdf\".");
        QTest::newRow("print without a queue")
            << "mnuFilePrintChart"
            << "No printer is installed: save the Chart as PDF"
            << "Pat_Lee - chart.pdf" << pdf << "No printer is installed. " + saved << "p.pdf";
        QTest::newRow("export as pdf") << "mnuFileExportPdf"
                                       << "Export as PDF"
                                       << "Pat_Lee - chart.pdf" << pdf << saved << "e.pdf";
        QTest::newRow("save graph") << "GraphSave"
                                    << "Save Graph"
                                    << "Pat_Lee - graph.png"
                                    << "PNG pictures (*.png);;PDF files (*.pdf)"
                                    << ""
                                    << "g.png";
        QTest::newRow("export to calendar") << "mnuFileExportCalendar"
                                            << "Export to Calendar"
                                            << "Pat_Lee.ics"
                                            << "iCalendar files (*.ics)"
                                            << ""
                                            << "c.ics";
    }
    void saveQuestions()
    {
        QFETCH(QString, command);
        QFETCH(QString, caption);
        QFETCH(QString, offered);
        QFETCH(QString, filter);
        QFETCH(QString, note);
        QFETCH(QString, answer);
        Fixture f;
        f.showAndDismiss();
        f.enterPerson(QStringLiteral("200"));
        f.box("Text3")->setText(QStringLiteral("Pat/Lee"));
        f.noQueue = true;
        QTemporaryDir folder;
        f.answer = [&](const SaveQuestion &) { return folder.filePath(answer); };
        if (command == QLatin1String("GraphSave"))
            f.trigger("mnuFileDisplayGraph");
        const auto run = [&] {
            if (command == QLatin1String("mnuFileExportPdf"))
                ChooseDocument(f.window.get(), 0);
            f.trigger(qPrintable(command));
        };
        run();
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        SaveQuestion asked{caption, documents + u'/' + offered, filter};
        if (!note.isEmpty())
            asked.note = [note](const QString &) { return note; };
        QCOMPARE(f.asked, QList<SaveQuestion>{asked});
        QVERIFY(f.alerts.messages().isEmpty());
        QVERIFY(QFileInfo(folder.filePath(answer)).size() > 0);
        // The graph is saved at the size it shows.
        if (command == QLatin1String("GraphSave"))
            QCOMPARE(QImage(folder.filePath(answer)).size(),
                     f.find<GraphWidget>("FrameGraph")->viewport()->size());
        f.answer = nullptr;
        f.window->statusBar()->showMessage(QStringLiteral("Saved an earlier file"));
        run();
        QCOMPARE(f.window->statusBar()->currentMessage(), QString());
    }
};

TIDEMARK_TEST(TestPreviewAndSaving)
#include "tst_previewandsaving.moc"
