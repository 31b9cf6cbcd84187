// The View menu: the text of the whole window larger, smaller or at its normal size.

#include "mainwindow/mainwindow.h"

#include "mainwindow/textsize.h"
#include "mainwindow/windowlayout.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

void MainWindow::buildViewMenu()
{
    m_viewMenu = menuBar()->addMenu(tr("&View"));
    m_viewMenu->setObjectName(QStringLiteral("mnuView"));
    auto command = [this](const char *name, const QString &caption, auto run, const QString &status,
                          const QList<QKeySequence> &keys) {
        auto *action = m_viewMenu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        action->setStatusTip(status);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    // Ctrl+= as well as Ctrl++: on many keyboards "+" needs Shift and shares its key with "=".
    command("mnuViewLargerText", tr("&Larger Text"), &MainWindow::enlargeText,
            tr("Make the text of the window larger"),
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_smallerTextAction =
        command("mnuViewSmallerText", tr("&Smaller Text"), &MainWindow::reduceText,
                tr("Make the text of the window smaller"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    command("mnuViewNormalTextSize", tr("&Normal Text Size"), &MainWindow::showNormalTextSize,
            tr("Show the text of the window at its own size"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
}

void MainWindow::enlargeText()
{
    if (!m_layout->setTextSize(m_layout->textSize() + layout::TextSizeStep))
        statusBar()->showMessage(tr("The text is as large as this screen holds."));
    updateCommands();
}

void MainWindow::reduceText()
{
    m_layout->setTextSize(m_layout->textSize() - layout::TextSizeStep);
    updateCommands();
}

void MainWindow::showNormalTextSize()
{
    m_layout->setTextSize(layout::NormalTextSize);
    updateCommands();
}
