#include "info/whatispanel.h"

#include "info/whatistext.h"
#include "platform/widgetfont.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>

WhatIsPanel::WhatIsPanel(QWidget *parent)
    : QFrame(parent)
    //: A button of the "What Is A Biorhythm?" panel: prints the sheet.
    , m_printButton(new QPushButton(tr("Print"), this))
    //: A button of the "What Is A Biorhythm?" panel: closes the panel.
    , m_closeButton(new QPushButton(tr("Close"), this))
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
    // The sheet prints in English; the panel shows the same words in the user's language.
    QStringList items;
    for (const char *item : info::WhatIsScreenItems())
        items << QCoreApplication::translate("WhatIsText", item);
    m_textBox->setPlainText(info::WhatIsScreenText(items));
    show();
    raise();
    m_textBox->setFocus(Qt::OtherFocusReason);
}
