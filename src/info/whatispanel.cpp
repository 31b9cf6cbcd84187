#include "info/whatispanel.h"

#include "info/panelgeometry.h"
#include "info/whatistext.h"
#include "platform/widgetfont.h"

#include <QPlainTextEdit>
#include <QPushButton>

WhatIsPanel::WhatIsPanel(QWidget *parent)
    : QFrame(parent)
    , CmdPrtWhat(new QPushButton(QStringLiteral("Print"), this))
    , cmdCloseWhatIs(new QPushButton(QStringLiteral("Close"), this))
    , Text22(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FrameWhatIs"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    CmdPrtWhat->setObjectName(QStringLiteral("CmdPrtWhat"));
    cmdCloseWhatIs->setObjectName(QStringLiteral("cmdCloseWhatIs"));
    Text22->setObjectName(QStringLiteral("Text22"));
    Text22->setReadOnly(true);
    Text22->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text22->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text22->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    connect(CmdPrtWhat, &QPushButton::clicked, this, &WhatIsPanel::CmdPrtWhat_Click);
    connect(cmdCloseWhatIs, &QPushButton::clicked, this, &WhatIsPanel::cmdCloseWhatIs_Click);
    hide();
}

void WhatIsPanel::placeIn(const QSize &hostSize, qreal textPointSize)
{
    if (textPointSize > 0) {
        SetPointSize(CmdPrtWhat, textPointSize);
        SetPointSize(cmdCloseWhatIs, textPointSize);
        SetPointSize(Text22, textPointSize);
    }
    const QSize button = CmdPrtWhat->sizeHint().expandedTo(cmdCloseWhatIs->sizeHint());
    const info::WhatIsGeometry g = info::WhatIsPanelGeometry(hostSize, button);
    setGeometry(g.panel);
    CmdPrtWhat->setGeometry(g.print);
    cmdCloseWhatIs->setGeometry(g.close);
    Text22->setGeometry(g.text);
}

void WhatIsPanel::open()
{
    Text22->setPlainText(info::WhatIsScreenText());
    show();
    raise();
}

void WhatIsPanel::CmdPrtWhat_Click()
{
    Q_EMIT printRequested();
}

void WhatIsPanel::cmdCloseWhatIs_Click()
{
    hide();
    Q_EMIT closed();
}
