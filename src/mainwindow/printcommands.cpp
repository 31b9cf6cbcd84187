// The print commands of the File and Help menus and their picture buttons, Print Preview (the
// documents drawn on the preview's printer) and Export as PDF.

#include "mainwindow/mainwindow.h"

#include "mainwindow/printprogressdialog.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "print/pdfnames.h"
#include "print/pdfprintdevice.h"
#include "print/printcommands.h"
#include "print/systemprinting.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

#include <array>
#include <memory>
#include <utility>

namespace {

// The documents to preview or export, in the order of their choice boxes.
const std::array<std::pair<print::PrintCommand, const char *>, 4> Documents = {{
    {print::PrintCommand::Chart, "Chart"},
    {print::PrintCommand::CoverSheet, "Cover Sheet"},
    {print::PrintCommand::CoverSheetAndChart, "Cover Sheet and Chart"},
    {print::PrintCommand::WhatIs, "What Is A Biorhythm?"},
}};

QStringList DocumentNames()
{
    QStringList names;
    for (const auto &[command, name] : Documents)
        names << QLatin1String(name);
    return names;
}

// A PdfPrintDevice per document on the preview's painter; a later document starts a new page.
class PreviewTargets final : public print::PrintTargetProvider
{
public:
    PreviewTargets(QPrinter &printer, QPainter &painter, print::ProgressFactory makeProgress)
        : m_printer(printer)
        , m_painter(painter)
        , m_makeProgress(std::move(makeProgress))
    {}
    print::PrintDevice &open(print::PrintDocument) override
    {
        if (m_drawn)
            m_printer.newPage();
        print::PdfPrintTarget target;
        target.painter = &m_painter;
        m_device = std::make_unique<print::PdfPrintDevice>(target);
        return *m_device;
    }
    // A long chart's preview can be called off; the pages drawn so far stay in view.
    print::PrintProgress progress(print::PrintDocument document) override
    {
        if (document != print::PrintDocument::Chart || !m_makeProgress)
            return {};
        return m_makeProgress(QStringLiteral("Preparing the preview of the chart..."));
    }
    void close(print::PrintDocument, print::PrintOutcome outcome) override
    {
        m_drawn = m_drawn || outcome == print::PrintOutcome::Printed;
    }

private:
    QPrinter &m_printer;
    QPainter &m_painter;
    print::ProgressFactory m_makeProgress;
    std::unique_ptr<print::PdfPrintDevice> m_device;
    bool m_drawn = false;
};

// Draws the command's documents on a print preview's printer, on the pages a PDF file of them has,
// one document after the other; a long chart shows the progress makeProgress makes.
void PaintPreview(QPrinter &printer, print::PrintCommand command, const chart::ChartFields &fields,
                  const QString &today, Alerts &alerts, const print::ProgressFactory &makeProgress)
{
    // The resolution and pages of a PDF file, so that the preview breaks the pages where it does.
    printer.setResolution(1200);
    printer.setPageLayout(print::PdfPageLayout({}));
    QPainter painter(&printer);
    PreviewTargets targets(printer, painter, makeProgress);
    print::RunPrintCommand(command, fields, today, targets, alerts);
}

// The save question of a command's PDF files, which says inside the dialog which files the name
// given writes (and, when it comes for want of a printer, that there is none).
SaveQuestion PdfSaveQuestion(print::PrintCommand command, const QString &caption, const QString &suggested,
                             bool noPrinter)
{
    return {
        caption, suggested, QCoreApplication::translate("print", "PDF files (*.pdf)"),
        [command, noPrinter](const QString &name) { return print::PdfFilesNote(command, name, noPrinter); }};
}

} // namespace

void MainWindow::runPrintCommand(print::PrintCommand command)
{
    const chart::ChartFields fields = chartFields();
    const auto targets = m_env.printTargets(
        command, fields.name, [this, command](const QString &caption, const QString &suggested) {
            return m_env.askSavePath(this, PdfSaveQuestion(command, caption, suggested, true));
        });
    print::RunPrintCommand(command, fields, m_env.clock.today(), *targets, m_env.alerts);
    // Said where it takes no click to go on: the files are there, or the queue has the pages; a
    // command that put out nothing leaves no word of an earlier one standing.
    statusBar()->showMessage(targets->doneMessage());
}

void MainWindow::printCoverSheet()
{
    runPrintCommand(print::PrintCommand::CoverSheet);
}

void MainWindow::printChart()
{
    runPrintCommand(print::PrintCommand::Chart);
}

void MainWindow::printCoverSheetAndChart()
{
    runPrintCommand(print::PrintCommand::CoverSheetAndChart);
}

void MainWindow::printWhatIs()
{
    runPrintCommand(print::PrintCommand::WhatIs);
}

void MainWindow::showPrintPreview()
{
    // Checked before the preview opens: a message raised while it paints would sit under it.
    if (!checkedChartPlan())
        return;
    const chart::ChartFields fields = chartFields();
    const QString today = m_env.clock.today();
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    auto *choice = new QComboBox(&dialog);
    choice->setObjectName(QStringLiteral("PreviewDocument"));
    choice->addItems(DocumentNames());
    // The documents keep their own paper, so the preview offers no other.
    for (QAction *a : dialog.findChildren<QAction *>()) {
        if (a->text() == QLatin1String("Page setup") || a->text() == QLatin1String("Portrait") ||
            a->text() == QLatin1String("Landscape"))
            a->setVisible(false);
    }
    dialog.findChild<QToolBar *>()->addWidget(choice);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *target) {
        PaintPreview(*target, Documents[choice->currentIndex()].first, fields, today, m_env.alerts,
                     PrintProgressDialogs(&dialog));
    });
    connect(choice, &QComboBox::currentIndexChanged, dialog.findChild<QPrintPreviewWidget *>(),
            &QPrintPreviewWidget::updatePreview);
    // Printing from the preview runs the print command itself, to the print queue or PDF files.
    bool print = false;
    for (QAction *a : dialog.findChildren<QAction *>()) {
        if (a->text() == QLatin1String("Print")) {
            a->disconnect(&dialog);
            connect(a, &QAction::triggered, &dialog, [&] {
                print = true;
                dialog.accept();
            });
        }
    }
    dialog.exec();
    if (!print)
        return;
    runPrintCommand(Documents[choice->currentIndex()].first);
}

void MainWindow::exportPdf()
{
    bool chosen = false;
    const QString name =
        QInputDialog::getItem(this, QStringLiteral("Export as PDF"), QStringLiteral("Document:"),
                              DocumentNames(), 0, false, &chosen);
    if (!chosen)
        return;
    const print::PrintCommand command = Documents[DocumentNames().indexOf(name)].first;
    const chart::ChartFields fields = chartFields();
    const print::PdfFileQuestion askFile = [this, command](const QString &, const QString &suggested) {
        return m_env.askSavePath(this,
                                 PdfSaveQuestion(command, QStringLiteral("Export as PDF"), suggested, false));
    };
    print::SystemPrintTargets targets(command, fields.name, std::nullopt, askFile, PrintProgressDialogs(this),
                                      m_env.alerts);
    print::RunPrintCommand(command, fields, m_env.clock.today(), targets, m_env.alerts);
    statusBar()->showMessage(targets.doneMessage());
}
