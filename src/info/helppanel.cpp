#include "info/helppanel.h"

#include "info/helptopics.h"
#include "info/panelgeometry.h"
#include "platform/widgetfont.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>

HelpPanel::HelpPanel(QWidget *parent)
    : QFrame(parent)
    , Label33(new QLabel(QStringLiteral("  Tidemark Help"), this))
    , Command16(new QToolButton(this))
    , List2(new QListWidget(this))
    , Label32(new QLabel(this))
    , TextHelp(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FrameHelp"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);

    Label33->setObjectName(QStringLiteral("Label33"));
    Label33->setAutoFillBackground(true);
    Label33->setBackgroundRole(QPalette::Highlight);
    Label33->setForegroundRole(QPalette::HighlightedText);
    QFont titleFont = Label33->font();
    titleFont.setBold(true);
    Label33->setFont(titleFont);

    Command16->setObjectName(QStringLiteral("Command16"));
    Command16->setText(QStringLiteral("x"));
    Command16->setToolTip(QStringLiteral("close"));

    List2->setObjectName(QStringLiteral("List2"));
    List2->setSelectionMode(QAbstractItemView::SingleSelection);

    Label32->setObjectName(QStringLiteral("Label32"));
    Label32->setWordWrap(true);
    Label32->setText(QStringLiteral(
        "Select the category or topic at the top that you need help on by highlighting it with your "
        "mouse cursor.  The information will appear in the box below.  Scroll down the list to see "
        "more topics."));

    TextHelp->setObjectName(QStringLiteral("TextHelp"));
    TextHelp->setReadOnly(true);
    TextHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // A click and the arrow keys both select; either way the chosen topic's text shows.
    connect(List2, &QListWidget::itemSelectionChanged, this, &HelpPanel::List2_Click);
    connect(Command16, &QToolButton::clicked, this, &HelpPanel::Command16_Click);
    hide();
}

void HelpPanel::placeIn(const QSize &hostSize, qreal textPointSize)
{
    if (textPointSize > 0) {
        SetPointSize(List2, textPointSize);
        SetPointSize(Label32, textPointSize);
        SetPointSize(TextHelp, textPointSize);
    }
    const int titleHeight = Label33->sizeHint().height() + Label33->fontMetrics().height() / 2;
    const info::HelpGeometry g = info::HelpPanelGeometry(
        hostSize, titleHeight, [this](int width) { return Label32->heightForWidth(width); });
    setGeometry(g.panel);
    Label33->setGeometry(g.title);
    Command16->setGeometry(g.close);
    List2->setGeometry(g.list);
    Label32->setGeometry(g.instruction);
    TextHelp->setGeometry(g.text);
    Command16->raise();
}

void HelpPanel::open()
{
    List2->clear();
    TextHelp->clear();
    for (const info::HelpTopic &topic : info::HelpTopics())
        List2->addItem(QString::fromLatin1(topic.name));
    show();
    raise();
}

void HelpPanel::List2_Click()
{
    const QList<QListWidgetItem *> selected = List2->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = List2->row(selected.first());
    TextHelp->setPlainText(QString::fromLatin1(info::HelpTopics()[row].text));
}

void HelpPanel::Command16_Click()
{
    hide();
    Q_EMIT closed();
}
