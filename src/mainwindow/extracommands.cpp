// The commands beyond the printed and displayed chart: Print Preview, Export as PDF, Display Graph
// to Screen (the graph as a panel over the form) and Export to Calendar.

#include "mainwindow/mainwindow.h"

#include "calendar/calendar.h"
#include "chart/chartchecks.h"
#include "chart/chartplan.h"
#include "export/calendarexport.h"
#include "graph/graphoutput.h"
#include "graph/graphwidget.h"
#include "mainwindow/printpreview.h"
#include "mainwindow/printprogressdialog.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "print/pdfnames.h"
#include "print/systemprinting.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <array>
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

const QString SaveErrorTitle = QStringLiteral("SAVE ERROR!");

} // namespace

void MainWindow::buildGraphPanel()
{
    m_graphPanel = new GraphWidget(centralWidget());
    m_graphPanel->hide();
    connect(m_graphPanel, &GraphWidget::closeRequested, this, &MainWindow::closeGraph);
    m_graphPanel->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto graphAction = [this](const char *name, const QString &caption, const QKeySequence &keys) {
        auto *a = new QAction(caption, m_graphPanel);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_graphPanel->addAction(a);
        return a;
    };
    connect(graphAction("GraphSave", QStringLiteral("Save Graph as PNG or PDF..."), QKeySequence::Save),
            &QAction::triggered, this, &MainWindow::saveGraph);
    connect(graphAction("GraphPrint", QStringLiteral("Print Graph..."), QKeySequence::Print),
            &QAction::triggered, this, [this] {
                QPrinter printer(QPrinter::HighResolution);
                printer.setPageOrientation(QPageLayout::Landscape);
                QPrintDialog dialog(&printer, this);
                if (dialog.exec() == QDialog::Accepted && !graph::PrintGraph(printer, m_graphPanel->scene()))
                    showCritical(print::PrinterErrorTitle, QStringLiteral("The graph could not be printed."));
            });
    // Escape closes the graph through the window's own Escape, as it closes every panel.
    connect(graphAction("GraphClose", QStringLiteral("Close Graph"), {}), &QAction::triggered, this,
            &MainWindow::closeGraph);
}

void MainWindow::showGraph()
{
    // Not over the start-up notice, the chart display or a graph already shown.
    if (!m_fileMenu->menuAction()->isEnabled())
        return;
    const auto plan = checkedChartPlan();
    if (!plan)
        return;
    m_graphPanel->setChart(*plan, calendar::DateOfText(m_env.clock.today()));
    m_graphPanel->show();
    m_graphPanel->raise();
    m_graphPanel->setFocus();
}

void MainWindow::closeGraph()
{
    m_graphPanel->hide();
}

void MainWindow::saveGraph()
{
    const QString path = m_env.askSavePath(
        this, {QStringLiteral("Save Graph"),
               InDocumentsFolder(print::SafeFileStem(m_nameEdit->text()) + QStringLiteral(" - graph.png")),
               QStringLiteral("PNG pictures (*.png);;PDF files (*.pdf)")});
    if (path.isEmpty())
        return;
    const QString error =
        path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
            ? graph::SaveGraphPdf(path, m_graphPanel->scene())
            : graph::SaveGraphPng(path, m_graphPanel->scene(), m_graphPanel->viewport()->size());
    if (!error.isEmpty())
        showCritical(SaveErrorTitle, error);
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
    const print::PdfFileQuestion askFile = [this](const QString &, const QString &suggested) {
        return m_env.askSavePath(
            this, {QStringLiteral("Export as PDF"), suggested, QStringLiteral("PDF files (*.pdf)")});
    };
    print::SystemPrintTargets targets(command, fields.name, std::nullopt, askFile, PrintProgressDialogs(this),
                                      m_env.alerts);
    print::RunPrintCommand(command, fields, m_env.clock.today(), targets, m_env.alerts);
    showWrittenFiles(targets.writtenFiles());
}

void MainWindow::exportCalendar()
{
    const auto plan = checkedChartPlan();
    if (!plan)
        return;
    const QString path =
        m_env.askSavePath(this, {QStringLiteral("Export to Calendar"),
                                 InDocumentsFolder(print::SafeFileStem(plan->name) + QStringLiteral(".ics")),
                                 QStringLiteral("iCalendar files (*.ics)")});
    if (path.isEmpty())
        return;
    const QString error = exports::SaveCalendarFile(path, *plan, calendar::DateOfText(m_env.clock.today()));
    if (!error.isEmpty())
        showCritical(SaveErrorTitle, error);
    else
        statusBar()->showMessage(
            QStringLiteral("The calendar was written to %1.").arg(QDir::toNativeSeparators(path)));
}
