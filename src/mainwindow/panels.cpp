// The panels the main window hosts over its middle, and the states they put the commands in.

#include "mainwindow/mainwindow.h"

#include "info/aboutdialog.h"
#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "mainwindow/charttextview.h"
#include "namedb/databasepanel.h"
#include "tidemarkversion.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *splashLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

void MainWindow::buildPanels()
{
    QWidget *host = centralWidget();

    m_startupNotice = new QFrame(host);
    m_startupNotice->setObjectName(QStringLiteral("FrameSplash"));
    m_startupNotice->setFrameShape(QFrame::Panel);
    m_startupNotice->setFrameShadow(QFrame::Raised);
    m_startupNotice->setAutoFillBackground(true);
    m_startupNotice->setFocusPolicy(Qt::StrongFocus);
    auto *title = splashLabel("Label27", QStringLiteral("Tidemark"), m_startupNotice);
    auto *version = splashLabel("Label28", QStringLiteral("Version " TIDEMARK_VERSION), m_startupNotice);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 3.5);
    big.setBold(true);
    title->setFont(big);
    big.setPointSizeF(big.pointSizeF() * 0.5);
    version->setFont(big);
    auto *notice = splashLabel(
        "Label29",
        QStringLiteral("WARNING: This program is protected by copyright law.  Unauthorized reproduction or "
                       "distribution of this program, or any portion of it, will be prosecuted to the full "
                       "extent of the law.  "
                       "This program is provided for entertainment purposes only, and no claim is made that "
                       "anyone should be physically or spiritually guided by any material this program "
                       "produces.  By using this program, you agree to these terms."),
        m_startupNotice);
    auto *hint = splashLabel("Label30", QStringLiteral("Click this notice, or press Enter, to begin."),
                             m_startupNotice);
    auto *splashLayout = new QVBoxLayout(m_startupNotice);
    splashLayout->addStretch(1);
    splashLayout->addWidget(title);
    splashLayout->addWidget(version);
    splashLayout->addSpacing(24);
    splashLayout->addWidget(notice);
    splashLayout->addSpacing(12);
    splashLayout->addWidget(hint);
    splashLayout->addStretch(1);
    splashLayout->setContentsMargins(32, 16, 32, 16);
    for (QWidget *w : std::initializer_list<QWidget *>{m_startupNotice, title, version, notice, hint})
        w->installEventFilter(this);

    m_databasePanel = new DatabasePanel(m_env.alerts, m_env.dataFolder, host);
    connect(m_databasePanel, &DatabasePanel::closed, this,
            [this] { m_openDatabaseAction->setEnabled(true); });
    connect(m_databasePanel, &DatabasePanel::nameUsed, this,
            [this](const QString &name, const QString &birth) {
                m_nameEdit->setText(name);
                m_birthdateEdit->setText(birth);
                m_lengthEdit->setFocus();
            });

    m_whatIsPanel = new WhatIsPanel(host);
    connect(m_whatIsPanel, &WhatIsPanel::printRequested, this, &MainWindow::printWhatIs);

    m_helpPanel = new HelpPanel(host);
    connect(m_helpPanel, &HelpPanel::closed, this, [this] {
        m_showHelpAction->setEnabled(true);
        setMainCommandsEnabled(true);
    });

    m_chartView = new ChartTextView(host);
    m_chartView->setObjectName(QStringLiteral("Text18"));
    m_closeChartButton = new QPushButton(QStringLiteral("Close This Window"), host);
    m_closeChartButton->setObjectName(QStringLiteral("Command24"));
    m_closeChartButton->setAutoDefault(true);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_startupNotice && m_startupNotice->isVisible()) {
        const bool click = event->type() == QEvent::MouseButtonRelease &&
                           static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        const bool key = event->type() == QEvent::KeyPress && watched == m_startupNotice &&
                         (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return ||
                          static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter ||
                          static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space);
        if (click || key) {
            dismissStartupNotice();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeControls();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placeControls();
    if (m_startupNotice->isVisible())
        m_startupNotice->setFocus();
}

void MainWindow::placeControls()
{
    const QSize inner = centralWidget()->size();
    const int w = inner.width();
    const int h = inner.height();
    const qreal pointSize = m_nameLabel->font().pointSizeF();

    const QSize splash(int(w * 0.8), int(h * 0.8));
    m_startupNotice->setGeometry((w - splash.width()) / 2, (h - splash.height()) / 2, splash.width(),
                                 splash.height());
    m_databasePanel->placeIn(inner, pointSize);
    m_whatIsPanel->placeIn(inner, pointSize);
    m_helpPanel->placeIn(inner, pointSize);
    // The chart box finds its font in the font database; Display Chart to Screen places it.
    if (m_chartView->isVisible())
        placeChartView();

    m_databasePanel->raise();
    m_whatIsPanel->raise();
    m_helpPanel->raise();
    m_chartView->raise();
    m_closeChartButton->raise();
    m_startupNotice->raise();
}

void MainWindow::openDatabase()
{
    m_whatIsPanel->hide();
    m_databasePanel->placeIn(centralWidget()->size(), m_nameLabel->font().pointSizeF());
    m_databasePanel->raise();
    m_databasePanel->open();
    m_openDatabaseAction->setEnabled(false);
}

void MainWindow::showWhatIs()
{
    m_databasePanel->hide();
    m_openDatabaseAction->setEnabled(true);
    m_whatIsPanel->placeIn(centralWidget()->size(), m_nameLabel->font().pointSizeF());
    m_whatIsPanel->raise();
    m_whatIsPanel->open();
}

void MainWindow::showHelp()
{
    setMainCommandsEnabled(false);
    m_showHelpAction->setEnabled(false);
    m_helpPanel->placeIn(centralWidget()->size(), m_nameLabel->font().pointSizeF());
    m_helpPanel->raise();
    m_helpPanel->open();
}

void MainWindow::showAbout()
{
    AboutDialog about(m_env.systemInfo, m_env.alerts, this, windowIcon());
    about.exec();
}
