#include "info/whatispanel.h"

#include "info/panelgeometry.h"
#include "info/whatistext.h"
#include "platform/widgetfont.h"

#include <QPlainTextEdit>
#include <QPushButton>

WhatIsPanel::WhatIsPanel(QWidget *parent)
    : QFrame(parent)
    , m_printButton(new QPushButton(QStringLiteral("Print"), this))
    , m_closeButton(new QPushButton(QStringLiteral("Close"), this))
    , m_textBox(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FrameWhatIs"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_printButton->setObjectName(QStringLiteral("CmdPrtWhat"));
    m_closeButton->setObjectName(QStringLiteral("cmdCloseWhatIs"));
    m_textBox->setObjectName(QStringLiteral("Text22"));
    m_textBox->setReadOnly(true);
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    connect(m_printButton, &QPushButton::clicked, this, &WhatIsPanel::printRequested);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    hide();
}

void WhatIsPanel::placeIn(const QSize &hostSize, qreal textPointSize)
{
    if (textPointSize > 0) {
        SetPointSize(m_printButton, textPointSize);
        SetPointSize(m_closeButton, textPointSize);
        SetPointSize(m_textBox, textPointSize);
    }
    const QSize button = m_printButton->sizeHint().expandedTo(m_closeButton->sizeHint());
    const info::WhatIsGeometry g = info::WhatIsPanelGeometry(hostSize, button);
    setGeometry(g.panel);
    m_printButton->setGeometry(g.print);
    m_closeButton->setGeometry(g.close);
    m_textBox->setGeometry(g.text);
}

void WhatIsPanel::open()
{
    m_textBox->setPlainText(info::WhatIsScreenText());
    show();
    raise();
    m_textBox->setFocus(Qt::OtherFocusReason);
}
