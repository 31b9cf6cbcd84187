// Display Graph to Screen: the graph as a panel over the form, and its context menu's commands
// (save as PNG or PDF, print, the palette and the secondary cycles, close).

#include "mainwindow/mainwindow.h"

#include "calendar/calendar.h"
#include "chart/cycles.h"
#include "graph/graphoutput.h"
#include "graph/graphtext.h"
#include "graph/graphwidget.h"
#include "mainwindow/personcolumn.h"
#include "platform/alerts.h"
#include "platform/announcer.h"
#include "platform/clock.h"
#include "platform/messageboxalerts.h"
#include "print/pdfnames.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
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
    connect(graphAction("GraphSave", tr("Save Graph as PNG or PDF..."), QKeySequence::Save),
            &QAction::triggered, this, &MainWindow::saveGraph);
    connect(graphAction("GraphPrint", tr("Print Graph..."), QKeySequence::Print), &QAction::triggered, this,
            &MainWindow::printGraph);
    buildGraphLookMenus();
    // Escape closes the graph through the window's own Escape, as it closes every panel.
    connect(graphAction("GraphClose", tr("Close Graph"), {}), &QAction::triggered, m_graphPanel,
            &QWidget::hide);
}

namespace {

// The secondary cycles' items in the graph's menu, by chart::SecondaryCycle.
constexpr std::array<const char *, graph::SecondaryCycleCount> CycleItems = {
    "GraphCycleIntuitive", "GraphCycleAesthetic", "GraphCycleAwareness", "GraphCycleSpiritual"};

} // namespace

// The palette and the secondary cycles as checkable items of two submenus, checked as the per-user
// settings store says; their checks are the graph's look.
void MainWindow::buildGraphLookMenus()
{
    const graph::GraphLook look = graph::LoadGraphLook(*settings::OpenSettingsStore(m_env.placementFile));
    auto separator = [this] {
        auto *line = new QAction(m_graphPanel);
        line->setSeparator(true);
        m_graphPanel->addAction(line);
    };
    auto submenu = [this](const QString &title) {
        auto *menu = new QMenu(title, m_graphPanel);
        m_graphPanel->addAction(menu->menuAction());
        return menu;
    };
    auto item = [this](QMenu *menu, const char *name, const QString &caption, bool checked) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setCheckable(true);
        a->setChecked(checked);
        connect(a, &QAction::triggered, this, &MainWindow::changeGraphLook);
        return a;
    };
    separator();
    QMenu *colours = submenu(tr("Colours"));
    auto *palettes = new QActionGroup(colours);
    const bool okabeIto = look.palette == graph::Palette::OkabeIto;
    palettes->addAction(item(colours, "GraphPaletteStandard", tr("Standard Colours"), !okabeIto));
    palettes->addAction(item(colours, "GraphPaletteOkabeIto", tr("Colour-Blind Safe (Okabe-Ito)"), okabeIto));
    QMenu *cycles = submenu(tr("Secondary Cycles"));
    for (std::size_t k = 0; k < CycleItems.size(); ++k) {
        const QString name = graph::CycleName(graph::GraphCycle(graph::CycleCount + int(k)));
        //: A secondary cycle of the graph and its period: "Intuitive (38 days)".
        item(cycles, CycleItems[k], tr("%1 (%2 days)").arg(name).arg(chart::SecondaryPeriods[k]),
             look.secondary[k]);
    }
    separator();
    m_graphPanel->setLook(look);
}

void MainWindow::changeGraphLook()
{
    graph::GraphLook look;
    if (m_graphPanel->findChild<QAction *>(QStringLiteral("GraphPaletteOkabeIto"))->isChecked())
        look.palette = graph::Palette::OkabeIto;
    for (std::size_t k = 0; k < CycleItems.size(); ++k)
        look.secondary[k] = m_graphPanel->findChild<QAction *>(QLatin1String(CycleItems[k]))->isChecked();
    m_graphPanel->setLook(look);
    const auto store = settings::OpenSettingsStore(m_env.placementFile);
    graph::SaveGraphLook(*store, look);
    store->sync();
}

void MainWindow::showGraph()
{
    // Not over the start-up notice, the chart display or a graph already shown.
    if (!m_fileMenu->menuAction()->isEnabled())
        return;
    const auto plan = checkedChartPlan();
    if (!plan)
        return;
    m_graphPanel->setChart(*plan, calendar::DateOfText(m_env.clock.today()), partnerPlan(chartFields()));
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
        showCritical(TranslatedText("PrintMessages", print::PrinterErrorTitle),
                     tr("The graph could not be printed."));
    else if (printer.outputFileName().isEmpty())
        showOutcome(
            print::SentToPrinterMessage(printer.printerName(), {{tr("the graph"), 1}}, TranslatedText));
}

void MainWindow::saveGraph()
{
    statusBar()->clearMessage();
    const QString path = m_env.askSavePath(
        this, {tr("Save Graph"),
               InDocumentsFolder(print::SafeFileStem(m_person->name()) + QStringLiteral(" - graph.png")),
               tr("PNG pictures (*.png);;PDF files (*.pdf)")});
    if (path.isEmpty())
        return;
    const QString error =
        path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
            ? graph::SaveGraphPdf(path, m_graphPanel->scene(), print::GraphDocumentTitle(m_person->name()))
            : graph::SaveGraphPng(path, m_graphPanel->scene(), m_graphPanel->viewport()->size());
    if (!error.isEmpty())
        showCritical(tr(SaveErrorTitle), error);
}
