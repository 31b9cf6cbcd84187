// Compare With...: the person of the form beside a second one, in a small panel over the form,
// and the graph drawing the second person's cycles while the comparison is set; Clear Comparison
// (or the panel's Clear) ends it. Nothing of it is kept in the settings files or between runs.

#include "mainwindow/mainwindow.h"

#include "chart/compare.h"
#include "graph/graphwidget.h"
#include "info/whatispanel.h"
#include "mainwindow/comparepanel.h"
#include "namedb/databasepanel.h"
#include "namedb/namefile.h"

#include <QAction>
#include <QStatusBar>

void MainWindow::compareWith()
{
    // The comparison is of the chart the boxes describe: they are checked first.
    if (!checkedChartPlan())
        return;
    m_databasePanel->hide();
    m_whatIsPanel->hide();
    // A name database that cannot be read leaves typing the second person in.
    const QStringList names =
        m_filesUsable ? namedb::LoadEntries(namedb::NameFilePath(m_env.dataFolder)).entries : QStringList();
    m_comparePanel->open(names);
    // The boxes may have changed since the comparison was made.
    if (const auto &partner = m_comparePanel->partner()) {
        if (const auto comparison = chart::Compare(chartFields(), partner->name, partner->birth))
            m_comparePanel->showComparison(*comparison);
    }
}

void MainWindow::compareWithPartner(const QString &name, const QString &birth)
{
    if (!checkedChartPlan())
        return;
    if (const auto message = chart::CheckPartner(name, birth)) {
        showCritical(message->title, message->text);
        return;
    }
    if (const auto comparison = chart::Compare(chartFields(), name, birth)) {
        m_comparePanel->showComparison(*comparison);
        updateCommands();
    }
}

void MainWindow::clearComparison()
{
    m_comparePanel->clearComparison();
    updateCommands();
    statusBar()->showMessage(tr("The comparison is cleared."));
}

std::optional<chart::ChartPlan> MainWindow::partnerPlan(const chart::ChartFields &fields) const
{
    const auto &partner = m_comparePanel->partner();
    return partner ? chart::PartnerPlan(fields, partner->name, partner->birth) : std::nullopt;
}
