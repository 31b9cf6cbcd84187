// The window's Print Preview, Export as PDF, Display Graph to Screen and Export to Calendar. Their
// dialogs are answered from inside the dialog's own event loop; every save question goes through
// the window's seam.

#include "graph/graphwidget.h"
#include "print/pdfpages.h"
#include "support/testmain.h"
#include "windowfixture.h"

#include <QtPrintSupport>

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
        Fixture f;
        f.showAndDismiss();
        f.enterPerson(QStringLiteral("200"));
        int pages = 0;
        WhenShown<QPrintPreviewDialog>(f.window.get(), [&](QPrintPreviewDialog *dialog) {
            dialog->findChild<QComboBox *>("PreviewDocument")->setCurrentIndex(document);
            pages = dialog->findChild<QPrintPreviewWidget *>()->pageCount();
            for (QAction *action : dialog->findChildren<QAction *>())
                if (action->text() == "Print")
                    action->trigger();
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
        QVERIFY(pages >= pdfs.size());
        QCOMPARE(pages, pdfPages);
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
        WhenShown<QPrintPreviewDialog>(f.window.get(), [&shown](QPrintPreviewDialog *preview) {
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
