// Display Graph to Screen: the graph as a panel over the form, and its context menu's commands
// (save as PNG or PDF, print, close).

#include "mainwindow/mainwindow.h"

#include "calendar/calendar.h"
#include "graph/graphoutput.h"
#include "graph/graphtext.h"
#include "graph/graphwidget.h"
#include "mainwindow/personcolumn.h"
#include "platform/alerts.h"
#include "platform/announcer.h"
#include "platform/clock.h"
#include "print/pdfnames.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

void MainWindow::buildGraphPanel()
{
    m_graphPanel = new GraphWidget(centralWidget());
    m_graphPanel->hide();
    connect(m_graphPanel, &GraphWidget::closeRequested, m_graphPanel, &QWidget::hide);
    connect(m_graphPanel, &GraphWidget::viewMoved, m_announcer,
            [this] { m_announcer->announce(graph::ViewText(m_graphPanel->days())); });
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
            &QAction::triggered, this, &MainWindow::printGraph);
    // Escape closes the graph through the window's own Escape, as it closes every panel.
    connect(graphAction("GraphClose", QStringLiteral("Close Graph"), {}), &QAction::triggered, m_graphPanel,
            &QWidget::hide);
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

void MainWindow::printGraph()
{
    statusBar()->clearMessage();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(print::GraphDocumentTitle(m_person->name()));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!graph::PrintGraph(printer, m_graphPanel->scene()))
        showCritical(print::PrinterErrorTitle, QStringLiteral("The graph could not be printed."));
    else if (printer.outputFileName().isEmpty())
        showOutcome(print::SentToPrinterMessage(printer.printerName(), {{tr("the graph"), 1}}));
}

void MainWindow::saveGraph()
{
    statusBar()->clearMessage();
    const QString path = m_env.askSavePath(
        this, {QStringLiteral("Save Graph"),
               InDocumentsFolder(print::SafeFileStem(m_person->name()) + QStringLiteral(" - graph.png")),
               QStringLiteral("PNG pictures (*.png);;PDF files (*.pdf)")});
    if (path.isEmpty())
        return;
    const QString error =
        path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
            ? graph::SaveGraphPdf(path, m_graphPanel->scene(), print::GraphDocumentTitle(m_person->name()))
            : graph::SaveGraphPng(path, m_graphPanel->scene(), m_graphPanel->viewport()->size());
    if (!error.isEmpty())
        showCritical(SaveErrorTitle, error);
}
