#include "namedb/databasepanel.h"

#include "namedb/nameentry.h"
#include "namedb/namefile.h"
#include "platform/alerts.h"
#include "platform/widgetfont.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit *makeEdit(QWidget *parent, const char *name, const QString &tip)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setToolTip(tip);
    return edit;
}

// Enter on a focused button presses it, as Space does; outside a dialog Qt needs autoDefault.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, const QString &tip)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAutoDefault(true);
    return button;
}

// Pixels between the rows, and above the first and below the last.
constexpr int RowGap = 6;

} // namespace

DatabasePanel::DatabasePanel(Alerts &alerts, QString dataFolder, QWidget *parent)
    : QFrame(parent)
    , Label5(makeLabel(this, "Label5", QStringLiteral("NAME DATABASE")))
    , Label6(makeLabel(this, "Label6", QStringLiteral("Use to store your most often used names/birthdates!")))
    , Label1(makeLabel(this, "Label1", QStringLiteral("Name:")))
    , Text1(makeEdit(this, "Text1", QStringLiteral("Input name as Firstname Lastname")))
    , Label2(makeLabel(this, "Label2", QStringLiteral("Birthdate:")))
    , Text2(makeEdit(this, "Text2", QStringLiteral("Insert birthdate as MMDDYYYY")))
    , Label3(makeLabel(this, "Label3", QStringLiteral("Enter birthdate as MMDDYYYY ")))
    , Label4(makeLabel(this, "Label4", QStringLiteral("Example: March 9, 1975 would be 03091975")))
    , Command1(makeButton(this, "Command1", QStringLiteral("Add This Entry"),
                          QStringLiteral("Press here to save this entry!")))
    , List1(new QListWidget(this))
    , Label7(makeLabel(this, "Label7", QStringLiteral("Selected Name:")))
    , Text5(makeEdit(this, "Text5", QStringLiteral("Name selected to use for chart")))
    , cmdDeleteName(makeButton(this, "cmdDeleteName", QStringLiteral("Delete This Name"),
                               QStringLiteral("Delete the selected entry! ")))
    , cmdUseName(makeButton(this, "cmdUseName", QStringLiteral("Use This Name"),
                            QStringLiteral("Use the selected name!")))
    , Command3(makeButton(this, "Command3", QStringLiteral("Close Database"),
                          QStringLiteral("Close the Name Database window")))
    , m_alerts(alerts)
    , m_dataFolder(std::move(dataFolder))
{
    setObjectName(QStringLiteral("FrameDatabase"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);

    QFont titleFont = Label5->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    Label5->setFont(titleFont);
    Label5->setAlignment(Qt::AlignCenter);
    Label6->setAlignment(Qt::AlignCenter);
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label7->setBuddy(Text5);

    List1->setObjectName(QStringLiteral("List1"));
    List1->setToolTip(QStringLiteral("Click on a name to select it"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setUniformItemSizes(true);

    // The selected entry is shown, not edited, and is skipped by Tab.
    Text5->setReadOnly(true);
    Text5->setFocusPolicy(Qt::ClickFocus);

    buildLayout();
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, List1);
    setTabOrder(List1, cmdDeleteName);
    setTabOrder(cmdDeleteName, cmdUseName);
    setTabOrder(cmdUseName, Command3);

    connect(Command1, &QPushButton::clicked, this, &DatabasePanel::Command1_Click);
    // A selection made with the mouse or the arrow keys both count as a click on the list.
    connect(List1, &QListWidget::itemSelectionChanged, this, &DatabasePanel::List1_Click);
    connect(cmdDeleteName, &QPushButton::clicked, this, &DatabasePanel::cmdDeleteName_Click);
    connect(cmdUseName, &QPushButton::clicked, this, &DatabasePanel::cmdUseName_Click);
    connect(Command3, &QPushButton::clicked, this, &DatabasePanel::Command3_Click);

    hide();
}

void DatabasePanel::buildLayout()
{
    auto *rows = new QVBoxLayout(this);
    rows->setSpacing(RowGap);
    rows->addWidget(Label5);
    rows->addWidget(Label6);
    rows->addWidget(Label1);
    rows->addWidget(Text1);
    rows->addWidget(Label2);
    rows->addWidget(Text2);
    rows->addWidget(Label3);
    auto *example = new QHBoxLayout;
    example->addWidget(Label4);
    example->addStretch();
    example->addWidget(Command1);
    rows->addLayout(example);
    rows->addWidget(List1);
    rows->addWidget(Label7);
    rows->addWidget(Text5);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    for (QPushButton *button : {cmdDeleteName, cmdUseName, Command3})
        buttons->addWidget(button, 1);
    rows->addLayout(buttons);
}

void DatabasePanel::placeIn(const QSize &hostSize, qreal textPointSize)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{Label6, Label1, Text1, Label2, Text2, Label3,
                                                            Label4, List1, Label7})
        SetPointSize(widget, textPointSize);
    const int width = static_cast<int>(std::lround(hostSize.width() * 0.6));
    const int fullHeight = static_cast<int>(std::lround(hostSize.height() * 0.8));
    // The rows span 0.92 of the panel's width, centred.
    const int side = static_cast<int>(std::lround(width * 0.04));
    layout()->setContentsMargins(side, RowGap, side, RowGap);
    List1->setFixedHeight(static_cast<int>(std::lround(fullHeight * 0.3)));
    layout()->activate();
    const int height = layout()->sizeHint().height();
    setGeometry((hostSize.width() - width) / 2, (hostSize.height() - fullHeight) / 2, width, height);
}

void DatabasePanel::open()
{
    show();
    raise();
    Text1->setFocus();
    loadList();
}

QString DatabasePanel::filePath() const
{
    return namedb::NameFilePath(m_dataFolder);
}

void DatabasePanel::loadList()
{
    List1->clear();
    const namedb::LoadResult loaded = namedb::LoadEntries(filePath());
    if (loaded.failure)
        m_alerts.critical(loaded.failure->title, loaded.failure->text);
    List1->addItems(loaded.entries);
}

void DatabasePanel::Command1_Click()
{
    if (const auto message = namedb::CheckNewEntry(Text1->text(), Text2->text())) {
        m_alerts.critical(message->title, message->text);
        return;
    }
    if (const auto message =
            namedb::AddEntry(filePath(), namedb::ComposeEntry(Text1->text(), Text2->text()))) {
        m_alerts.critical(message->title, message->text);
        return;
    }
    Text1->clear();
    Text2->clear();
    loadList();
    Text1->setFocus();
}

void DatabasePanel::List1_Click()
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    if (!selected.isEmpty())
        Text5->setText(selected.first()->text());
}

void DatabasePanel::cmdDeleteName_Click()
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    // Text5 may still show an entry after the list was reloaded, with nothing selected.
    if (Text5->text().isEmpty() || selected.isEmpty()) {
        m_alerts.critical(QStringLiteral("NOTHING TO DELETE!"),
                          QStringLiteral("There is no name selected to delete!"));
        return;
    }
    const int row = List1->row(selected.first());
    // The entry leaves the list only once the file no longer holds it.
    if (const auto message = namedb::DeleteEntry(filePath(), selected.first()->text())) {
        m_alerts.critical(message->title, message->text);
        return;
    }
    List1->selectionModel()->clear();
    delete List1->takeItem(row);
    Text5->clear();
}

void DatabasePanel::cmdUseName_Click()
{
    if (Text5->text().isEmpty()) {
        m_alerts.critical(QStringLiteral("NO NAME SELECTED!"),
                          QStringLiteral("There is no name selected to use!"));
        return;
    }
    hide();
    Q_EMIT closed();
    const namedb::EntryParts parts = namedb::SplitEntry(Text5->text());
    Q_EMIT nameUsed(parts.name, parts.birthdate);
    Text5->clear();
}

void DatabasePanel::Command3_Click()
{
    hide();
    Q_EMIT closed();
    Text5->clear();
}
