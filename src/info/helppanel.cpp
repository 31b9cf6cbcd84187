#include "info/helppanel.h"

#include "info/helptopics.h"
#include "platform/itemviewfocus.h"
#include "platform/widgetfont.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>

HelpPanel::HelpPanel(QWidget *parent)
    : QFrame(parent)
    , m_titleLabel(new QLabel(this))
    , m_closeButton(new QToolButton(this))
    , m_topicList(new QListWidget(this))
    , m_instructionLabel(new QLabel(this))
    , m_topicText(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FrameHelp"));
    // Screen readers name the panel by its title, and its parts by what they hold.
    setAccessibleName(tr("Tidemark Help"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);

    m_titleLabel->setObjectName(QStringLiteral("Label33"));
    //: The help panel's title bar; the two blanks set it off from the panel's edge.
    m_titleLabel->setText(tr("  Tidemark Help"));
    StylePanelTitle(m_titleLabel);

    m_closeButton->setObjectName(QStringLiteral("Command16"));
    //: The help panel's close button, a small square at the title's right end: one letter.
    m_closeButton->setText(tr("x"));
    m_closeButton->setToolTip(tr("close"));
    m_closeButton->setAccessibleName(tr("Close help"));

    m_topicList->setObjectName(QStringLiteral("List2"));
    m_topicList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_topicList->setAccessibleName(tr("Help topics"));
    TellCurrentItemOnFocus(m_topicList);

    m_instructionLabel->setObjectName(QStringLiteral("Label32"));
    m_instructionLabel->setWordWrap(true);
    m_instructionLabel->setText(
        tr("Select the category or topic at the top that you need help on by highlighting it with your "
           "mouse cursor.  The information will appear in the box below.  Scroll down the list to see "
           "more topics."));

    m_topicText->setObjectName(QStringLiteral("TextHelp"));
    m_topicText->setReadOnly(true);
    m_topicText->setAccessibleName(tr("Help text"));
    m_topicText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_topicText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // A click and the arrow keys both select; either way the chosen topic's text shows.
    connect(m_topicList, &QListWidget::itemSelectionChanged, this, &HelpPanel::showSelectedTopic);
    connect(m_closeButton, &QToolButton::clicked, this, &QWidget::close);
    // The "x" stands on the title's right end.
    m_closeButton->raise();
    hide();
}

HelpPanel::Parts HelpPanel::parts() const
{
    return {m_titleLabel, m_closeButton, m_topicList, m_instructionLabel, m_topicText};
}

void HelpPanel::setTextPointSize(qreal points)
{
    SetPointSize(m_topicList, points);
    SetPointSize(m_instructionLabel, points);
    SetPointSize(m_topicText, points);
}

void HelpPanel::open()
{
    m_topicList->clear();
    m_topicText->clear();
    for (const info::HelpTopic &topic : info::HelpTopics())
        m_topicList->addItem(QCoreApplication::translate("HelpTopics", topic.name));
    show();
    raise();
    m_topicList->setFocus(Qt::OtherFocusReason);
}

void HelpPanel::showSelectedTopic()
{
    const QList<QListWidgetItem *> selected = m_topicList->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_topicList->row(selected.first());
    m_topicText->setPlainText(QCoreApplication::translate("HelpTopics", info::HelpTopics()[row].text));
}

void HelpPanel::closeEvent(QCloseEvent *event)
{
    QFrame::closeEvent(event);
    Q_EMIT closed();
}
