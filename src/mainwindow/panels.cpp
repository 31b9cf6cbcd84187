// The start-up notice, the panels and the chart display over the form, and the commands that open
// the panels; which of them covers the form, and where the keyboard goes, is the OverlayStack's.

#include "mainwindow/mainwindow.h"

#include "graph/graphwidget.h"
#include "info/aboutdialog.h"
#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "mainwindow/charttextview.h"
#include "mainwindow/comparepanel.h"
#include "mainwindow/overlaystack.h"
#include "mainwindow/personcolumn.h"
#include "mainwindow/windowlayout.h"
#include "namedb/databasepanel.h"
#include "tidemarkversion.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel *splashLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

void MainWindow::buildPanels()
{
    using layout::Item;
    QWidget *host = centralWidget();

    m_startupNotice = new QFrame(host);
    m_startupNotice->setObjectName(QStringLiteral("FrameSplash"));
    m_startupNotice->setFrameShape(QFrame::Panel);
    m_startupNotice->setFrameShadow(QFrame::Raised);
    m_startupNotice->setAutoFillBackground(true);
    m_startupNotice->setFocusPolicy(Qt::StrongFocus);
    auto *title = splashLabel("Label27", QStringLiteral("Tidemark"), m_startupNotice);
    auto *version = splashLabel("Label28", //: %1 is the version number
                                tr("Version %1").arg(QStringLiteral(TIDEMARK_VERSION)), m_startupNotice);
    for (QLabel *big : {title, version}) {
        QFont font = big->font();
        font.setBold(true);
        big->setFont(font);
    }
    auto *notice =
        splashLabel("Label29",
                    tr("WARNING: This program is protected by copyright law.  Unauthorized reproduction or "
                       "distribution of this program, or any portion of it, will be prosecuted to the full "
                       "extent of the law.  "
                       "This program is provided for entertainment purposes only, and no claim is made that "
                       "anyone should be physically or spiritually guided by any material this program "
                       "produces.  By using this program, you agree to these terms."),
                    m_startupNotice);
    auto *hint = splashLabel("Label30", tr("Click this notice, or press Enter, to begin."), m_startupNotice);
    notice->setWordWrap(true);
    hint->setWordWrap(true);
    // The notice has the keyboard at start-up: a screen reader names it and says how to go on.
    m_startupNotice->setAccessibleName(title->text() + QLatin1Char(' ') + version->text());
    m_startupNotice->setAccessibleDescription(tr("Press Enter to begin"));
    m_layout->add(Item::Splash, m_startupNotice);
    m_layout->add(Item::SplashTitle, title);
    m_layout->add(Item::SplashVersion, version);
    m_layout->add(Item::SplashNotice, notice);
    m_layout->add(Item::SplashHint, hint);

    m_databasePanel = new DatabasePanel(m_env.alerts, m_env.dataFolder, host);
    connect(m_databasePanel, &DatabasePanel::nameUsed, this,
            [this](const QString &name, const QString &birth) { m_person->use(name, birth); });
    m_whatIsPanel = new WhatIsPanel(host);
    connect(m_whatIsPanel, &WhatIsPanel::printRequested, this, &MainWindow::printWhatIs);
    m_helpPanel = new HelpPanel(host);
    m_comparePanel = new ComparePanel(host);
    connect(m_comparePanel, &ComparePanel::compareRequested, this, &MainWindow::compareWithPartner);
    connect(m_comparePanel, &ComparePanel::clearRequested, this, &MainWindow::clearComparison);

    m_chartView = new ChartTextView(host);
    m_chartView->setObjectName(QStringLiteral("Text18"));
    m_chartView->setAccessibleName(tr("Chart"));
    m_closeChartButton = new QPushButton(tr("Close This Window"), host);
    m_closeChartButton->setObjectName(QStringLiteral("Command24"));
    m_closeChartButton->setAutoDefault(true);
    connect(m_closeChartButton, &QPushButton::clicked, this, &MainWindow::closeChart);
    m_layout->add(Item::ChartView, m_chartView);
    m_layout->add(Item::CloseChart, m_closeChartButton);
    buildGraphPanel();
    m_layout->add(Item::GraphPanel, m_graphPanel);
    m_layout->add(Item::DatabasePanel, m_databasePanel);
    m_layout->add(Item::ComparePanel, m_comparePanel);
    const WhatIsPanel::Parts whatIs = m_whatIsPanel->parts();
    m_layout->add(Item::WhatIsPanel, m_whatIsPanel);
    m_layout->add(Item::WhatIsPrint, whatIs.print);
    m_layout->add(Item::WhatIsClose, whatIs.close);
    m_layout->add(Item::WhatIsText, whatIs.text);
    const HelpPanel::Parts help = m_helpPanel->parts();
    m_layout->add(Item::HelpPanel, m_helpPanel);
    m_layout->add(Item::HelpTitle, help.title);
    m_layout->add(Item::HelpClose, help.close);
    m_layout->add(Item::HelpList, help.list);
    m_layout->add(Item::HelpInstruction, help.instruction);
    m_layout->add(Item::HelpText, help.text);

    // The notice lies over everything, the chart over the panels, the graph over the chart.
    m_overlays = std::make_unique<OverlayStack>(this, m_person->home());
    m_overlays->setNotice(m_startupNotice, {title, version, notice, hint});
    m_overlays->addPanel(m_whatIsPanel);
    m_overlays->addPanel(m_databasePanel);
    m_overlays->addPanel(m_comparePanel);
    m_overlays->addPanel(m_helpPanel);
    m_overlays->addPanel(
        m_chartView, [this] { closeChart(); }, m_closeChartButton);
    m_overlays->addPanel(m_graphPanel);
    // The form's own controls go off under a panel; the picture buttons follow the commands.
    m_overlays->setForm(m_layout->formControls());
    connect(m_overlays.get(), &OverlayStack::changed, this, &MainWindow::updateCommands);
    m_startupNotice->raise();
}

// The name database, the "What Is" text and the comparison replace each other.
void MainWindow::openDatabase()
{
    m_whatIsPanel->hide();
    m_comparePanel->hide();
    m_databasePanel->open();
}

void MainWindow::showWhatIs()
{
    m_databasePanel->hide();
    m_comparePanel->hide();
    m_whatIsPanel->open();
}

void MainWindow::showHelp()
{
    m_helpPanel->open();
}

void MainWindow::showAbout()
{
    AboutDialog about(m_env.systemInfo, m_env.alerts, this, windowIcon());
    about.exec();
}
