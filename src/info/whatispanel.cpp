#include "info/whatispanel.h"

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
    setAccessibleName(tr("What Is A Biorhythm?"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_printButton->setObjectName(QStringLiteral("CmdPrtWhat"));
    m_closeButton->setObjectName(QStringLiteral("cmdCloseWhatIs"));
    m_textBox->setObjectName(QStringLiteral("Text22"));
    m_textBox->setReadOnly(true);
    m_textBox->setAccessibleName(tr("What Is A Biorhythm? text"));
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    connect(m_printButton, &QPushButton::clicked, this, &WhatIsPanel::printRequested);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    hide();
}

WhatIsPanel::Parts WhatIsPanel::parts() const
{
    return {m_printButton, m_closeButton, m_textBox};
}

void WhatIsPanel::setTextPointSize(qreal points)
{
    SetPointSize(m_printButton, points);
    SetPointSize(m_closeButton, points);
    SetPointSize(m_textBox, points);
}

void WhatIsPanel::open()
{
    m_textBox->setPlainText(info::WhatIsScreenText());
    show();
    raise();
    m_textBox->setFocus(Qt::OtherFocusReason);
}
