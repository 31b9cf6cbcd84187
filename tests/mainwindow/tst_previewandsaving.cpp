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
