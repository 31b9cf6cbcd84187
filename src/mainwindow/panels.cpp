// The panels frmMain hosts over its middle, and the states they put the commands in.

#include "mainwindow/frmmain.h"

#include "info/frmabout.h"
#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "mainwindow/charttextview.h"
#include "namedb/databasepanel.h"

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

void frmMain::buildPanels()
{
    QWidget *host = centralWidget();

    FrameSplash = new QFrame(host);
    FrameSplash->setObjectName(QStringLiteral("FrameSplash"));
    FrameSplash->setFrameShape(QFrame::Panel);
    FrameSplash->setFrameShadow(QFrame::Raised);
    FrameSplash->setAutoFillBackground(true);
    FrameSplash->setFocusPolicy(Qt::StrongFocus);
    Label27 = splashLabel("Label27", QStringLiteral("Tidemark"), FrameSplash);
    Label28 = splashLabel("Label28", QStringLiteral("Version 5.6"), FrameSplash);
    QFont big = Label27->font();
    big.setPointSizeF(big.pointSizeF() * 3.5);
    big.setBold(true);
    Label27->setFont(big);
    big.setPointSizeF(big.pointSizeF() * 0.5);
    Label28->setFont(big);
    Label29 = splashLabel(
        "Label29",
        QStringLiteral("WARNING: This program is protected by copyright law.  Unauthorized reproduction or "
                       "distribution of this program, or any portion of it, will be prosecuted to the full "
                       "extent of the law.  "
                       "This program is provided for entertainment purposes only, and no claim is made that "
                       "anyone should be physically or spiritually guided by any material this program "
                       "produces.  By using this program, you agree to these terms."),
        FrameSplash);
    auto *hint =
        splashLabel("Label30", QStringLiteral("Click this notice, or press Enter, to begin."), FrameSplash);
    auto *splashLayout = new QVBoxLayout(FrameSplash);
    splashLayout->addStretch(1);
    splashLayout->addWidget(Label27);
    splashLayout->addWidget(Label28);
    splashLayout->addSpacing(24);
    splashLayout->addWidget(Label29);
    splashLayout->addSpacing(12);
    splashLayout->addWidget(hint);
    splashLayout->addStretch(1);
    splashLayout->setContentsMargins(32, 16, 32, 16);
    for (QWidget *w : std::initializer_list<QWidget *>{FrameSplash, Label27, Label28, Label29, hint})
        w->installEventFilter(this);

    FrameDatabase = new DatabasePanel(m_env.alerts, m_env.dataFolder, host);
    connect(FrameDatabase, &DatabasePanel::closed, this, [this] { mnuFileOpenDatabase->setEnabled(true); });
    connect(FrameDatabase, &DatabasePanel::nameUsed, this, [this](const QString &name, const QString &birth) {
        Text3->setText(name);
        Text4->setText(birth);
        Text11->setFocus();
    });

    FrameWhatIs = new WhatIsPanel(host);
    connect(FrameWhatIs, &WhatIsPanel::printRequested, this, &frmMain::mnuHelpPrintWhatIsABiorhythm_Click);

    FrameHelp = new HelpPanel(host);
    connect(FrameHelp, &HelpPanel::closed, this, [this] {
        mnuHelpGetHelpOn->setEnabled(true);
        setMainCommandsEnabled(true);
    });

    Text18 = new ChartTextView(host);
    Text18->setObjectName(QStringLiteral("Text18"));
    Command24 = new QPushButton(QStringLiteral("Close This Window"), host);
    Command24->setObjectName(QStringLiteral("Command24"));
    Command24->setAutoDefault(true);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (FrameSplash && FrameSplash->isVisible()) {
        const bool click = event->type() == QEvent::MouseButtonRelease &&
                           static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        const bool key = event->type() == QEvent::KeyPress && watched == FrameSplash &&
                         (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return ||
                          static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter ||
                          static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space);
        if (click || key) {
            FrameSplash_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeOverlays();
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placeOverlays();
    if (FrameSplash->isVisible())
        FrameSplash->setFocus();
}

void frmMain::placeOverlays()
{
    const QSize inner = centralWidget()->size();
    const int w = inner.width();
    const int h = inner.height();
    const qreal pointSize = Label10->font().pointSizeF();

    const QSize splash(int(w * 0.8), int(h * 0.8));
    FrameSplash->setGeometry((w - splash.width()) / 2, (h - splash.height()) / 2, splash.width(),
                             splash.height());
    FrameDatabase->placeIn(inner, pointSize);
    FrameWhatIs->placeIn(inner, pointSize);
    FrameHelp->placeIn(inner, pointSize);
    placeChartDisplay();

    FrameDatabase->raise();
    FrameWhatIs->raise();
    FrameHelp->raise();
    Text18->raise();
    Command24->raise();
    FrameSplash->raise();
}

void frmMain::mnuFileOpenDatabase_Click()
{
    FrameWhatIs->hide();
    FrameDatabase->placeIn(centralWidget()->size(), Label10->font().pointSizeF());
    FrameDatabase->raise();
    FrameDatabase->open();
    mnuFileOpenDatabase->setEnabled(false);
}

void frmMain::mnuHelpWhatIsABiorhythm_Click()
{
    FrameDatabase->hide();
    mnuFileOpenDatabase->setEnabled(true);
    FrameWhatIs->placeIn(centralWidget()->size(), Label10->font().pointSizeF());
    FrameWhatIs->raise();
    FrameWhatIs->open();
}

void frmMain::mnuHelpGetHelpOn_Click()
{
    setMainCommandsEnabled(false);
    mnuHelpGetHelpOn->setEnabled(false);
    FrameHelp->placeIn(centralWidget()->size(), Label10->font().pointSizeF());
    FrameHelp->raise();
    FrameHelp->open();
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(m_env.registry, m_env.alerts, this, windowIcon());
    about.exec();
}
