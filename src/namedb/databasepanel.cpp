#include "namedb/databasepanel.h"

#include "namedb/nameentry.h"
#include "namedb/namefile.h"
#include "platform/alerts.h"
#include "platform/itemviewfocus.h"
#include "platform/namedlineedit.h"
#include "platform/widgetfont.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
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
    QLineEdit *edit = NamedLineEdit(name, parent);
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
// The margin each side of the rows, as a share of the panel's width.
constexpr double SideShare = 0.04;

} // namespace

DatabasePanel::DatabasePanel(Alerts &alerts, QString dataFolder, QWidget *parent)
    : QFrame(parent)
    //: The name database panel's title.
    , m_titleLabel(makeLabel(this, "Label5", tr("NAME DATABASE")))
    , m_subtitleLabel(makeLabel(this, "Label6", tr("Use to store your most often used names/birthdates!")))
    , m_nameLabel(makeLabel(this, "Label1", tr("Name:")))
    //: The name box's tooltip: "Firstname Lastname" shows the order of a name's parts.
    , m_nameEdit(makeEdit(this, "Text1", tr("Input name as Firstname Lastname")))
    , m_birthdateLabel(makeLabel(this, "Label2", tr("Birthdate:")))
    //: The birthdate box's tooltip: MMDDYYYY is the form the box takes (month, day, year): keep it.
    , m_birthdateEdit(makeEdit(this, "Text2", tr("Insert birthdate as MMDDYYYY")))
    //: MMDDYYYY is the form the birthdate box takes (month, day, year): keep it.
    , m_hintLabel(makeLabel(this, "Label3", tr("Enter birthdate as MMDDYYYY ")))
    //: 03091975 is the date written as the birthdate box takes it (month, day, year): keep the digits.
    , m_exampleLabel(makeLabel(this, "Label4", tr("Example: March 9, 1975 would be 03091975")))
    //: A button, beside the example; its tooltip follows.
    , m_addButton(makeButton(this, "Command1", tr("Add This Entry"), tr("Press here to save this entry!")))
    , m_entryList(new QListWidget(this))
    , m_selectedLabel(makeLabel(this, "Label7", tr("Selected Name:")))
    , m_selectedField(makeEdit(this, "Text5", tr("Name selected to use for chart")))
    //: One of three buttons side by side under the list; its tooltip follows.
    , m_deleteButton(
          makeButton(this, "cmdDeleteName", tr("Delete This Name"), tr("Delete the selected entry! ")))
    //: One of three buttons side by side under the list; its tooltip follows.
    , m_useButton(makeButton(this, "cmdUseName", tr("Use This Name"), tr("Use the selected name!")))
    //: One of three buttons side by side under the list; its tooltip follows.
    , m_closeButton(makeButton(this, "Command3", tr("Close Database"), tr("Close the Name Database window")))
    , m_alerts(alerts)
    , m_dataFolder(std::move(dataFolder))
{
    setObjectName(QStringLiteral("FrameDatabase"));
    setAccessibleName(tr("Name database"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);

    QFont titleFont = m_titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_subtitleLabel->setAlignment(Qt::AlignCenter);
    m_nameLabel->setBuddy(m_nameEdit);
    m_birthdateLabel->setBuddy(m_birthdateEdit);
    m_selectedLabel->setBuddy(m_selectedField);

    m_entryList->setObjectName(QStringLiteral("List1"));
    m_entryList->setAccessibleName(tr("Saved names"));
    TellCurrentItemOnFocus(m_entryList);
    m_entryList->setToolTip(tr("Click on a name to select it"));
    m_entryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entryList->setUniformItemSizes(true);

    // The selected entry is shown, not edited, and is skipped by Tab.
    m_selectedField->setReadOnly(true);
    m_selectedField->setFocusPolicy(Qt::ClickFocus);

    buildLayout();
    setTabOrder(m_nameEdit, m_birthdateEdit);
    setTabOrder(m_birthdateEdit, m_addButton);
    setTabOrder(m_addButton, m_entryList);
    setTabOrder(m_entryList, m_deleteButton);
    setTabOrder(m_deleteButton, m_useButton);
    setTabOrder(m_useButton, m_closeButton);

    connect(m_addButton, &QPushButton::clicked, this, &DatabasePanel::addEntry);
    connect(m_birthdateEdit, &QLineEdit::returnPressed, this, &DatabasePanel::addEntry);
    // A selection made with the mouse, the arrow keys or by typing a name's first letters all
    // count as a click on the list; Enter or a double click uses the name.
    connect(m_entryList, &QListWidget::itemSelectionChanged, this, &DatabasePanel::selectEntry);
    connect(m_entryList, &QListWidget::itemActivated, this, &DatabasePanel::useItem);
    new QShortcut(QKeySequence::Delete, m_entryList, this, &DatabasePanel::deleteEntry, Qt::WidgetShortcut);
    new QShortcut(QKeySequence::Undo, m_entryList, this, &DatabasePanel::restoreDeletedEntry,
                  Qt::WidgetShortcut);
    connect(m_deleteButton, &QPushButton::clicked, this, &DatabasePanel::deleteEntry);
    connect(m_useButton, &QPushButton::clicked, this, &DatabasePanel::useEntry);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    hide();
}

void DatabasePanel::buildLayout()
{
    auto *rows = new QVBoxLayout(this);
    rows->setSpacing(RowGap);
    rows->setContentsMargins(0, RowGap, 0, RowGap);
    rows->addWidget(m_titleLabel);
    rows->addWidget(m_subtitleLabel);
    rows->addWidget(m_nameLabel);
    rows->addWidget(m_nameEdit);
    rows->addWidget(m_birthdateLabel);
    rows->addWidget(m_birthdateEdit);
    rows->addWidget(m_hintLabel);
    auto *example = new QHBoxLayout;
    example->addWidget(m_exampleLabel);
    example->addStretch();
    example->addWidget(m_addButton);
    rows->addLayout(example);
    rows->addWidget(m_entryList);
    rows->addWidget(m_selectedLabel);
    rows->addWidget(m_selectedField);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    for (QPushButton *button : {m_deleteButton, m_useButton, m_closeButton})
        buttons->addWidget(button, 1);
    rows->addLayout(buttons);
}

void DatabasePanel::setPointSizes(qreal text, qreal buttons)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{m_subtitleLabel, m_nameLabel, m_nameEdit,
                                                            m_birthdateLabel, m_birthdateEdit, m_hintLabel,
                                                            m_exampleLabel, m_entryList, m_selectedLabel})
        SetPointSize(widget, text);
    for (QWidget *button :
         std::initializer_list<QWidget *>{m_addButton, m_deleteButton, m_useButton, m_closeButton})
        SetPointSize(button, buttons);
    // The rows take their new sizes now, not at the next pass of the event loop: the window
    // measures them at once, perhaps at several sizes in turn.
    layout()->activate();
}

qreal DatabasePanel::buttonPointSize() const
{
    return m_addButton->font().pointSizeF();
}

QSize DatabasePanel::rowsSize() const
{
    const QMargins margins = layout()->contentsMargins();
    const int list = layout()->itemAt(layout()->indexOf(m_entryList))->sizeHint().height();
    return {layout()->minimumSize().width() - margins.left() - margins.right(),
            layout()->sizeHint().height() - list};
}

void DatabasePanel::fitRows()
{
    const int side = static_cast<int>(std::lround(width() * SideShare));
    layout()->setContentsMargins(side, RowGap, side, RowGap);
    m_entryList->setFixedHeight(std::max(0, height() - rowsSize().height()));
    layout()->activate();
}

void DatabasePanel::open()
{
    show();
    raise();
    m_nameEdit->setFocus();
    loadList();
}

QString DatabasePanel::filePath() const
{
    return namedb::NameFilePath(m_dataFolder);
}

void DatabasePanel::loadList()
{
    m_entryList->clear();
    const namedb::LoadResult loaded = namedb::LoadEntries(filePath());
    if (loaded.failure)
        m_alerts.critical(loaded.failure->title, loaded.failure->text);
    m_entryList->addItems(loaded.entries);
}

void DatabasePanel::addEntry()
{
    if (const auto message = namedb::CheckNewEntry(m_nameEdit->text(), m_birthdateEdit->text())) {
        m_alerts.critical(message->title, message->text);
        return;
    }
    if (const auto message =
            namedb::AddEntry(filePath(), namedb::ComposeEntry(m_nameEdit->text(), m_birthdateEdit->text()))) {
        m_alerts.critical(message->title, message->text);
        return;
    }
    // The focus first: a screen reader takes the cursor moves of a box emptied before it has the
    // focus for the focus arriving, and says nothing.
    m_nameEdit->setFocus();
    m_nameEdit->clear();
    m_birthdateEdit->clear();
    loadList();
}

void DatabasePanel::selectEntry()
{
    const QList<QListWidgetItem *> selected = m_entryList->selectedItems();
    if (!selected.isEmpty())
        m_selectedField->setText(selected.first()->text());
}

void DatabasePanel::deleteEntry()
{
    const QList<QListWidgetItem *> selected = m_entryList->selectedItems();
    // The selected name may still show after the list was reloaded, with nothing selected.
    if (m_selectedField->text().isEmpty() || selected.isEmpty()) {
        //: The title of a message.
        m_alerts.critical(tr("NOTHING TO DELETE!"), tr("There is no name selected to delete!"));
        return;
    }
    const int row = m_entryList->row(selected.first());
    // The entry leaves the list only once the file no longer holds it.
    namedb::Deletion deletion = namedb::DeleteEntry(filePath(), selected.first()->text());
    if (deletion.failure) {
        m_alerts.critical(deletion.failure->title, deletion.failure->text);
        return;
    }
    if (deletion.removed)
        m_deletedLines.append(std::move(*deletion.removed));
    m_entryList->selectionModel()->clear();
    delete m_entryList->takeItem(row);
    m_selectedField->clear();
}

void DatabasePanel::restoreDeletedEntry()
{
    if (m_deletedLines.isEmpty())
        return;
    if (const auto message = namedb::RestoreLine(filePath(), m_deletedLines.constLast())) {
        m_alerts.critical(message->title, message->text);
        return;
    }
    const QList<namedb::NameLine> restored = namedb::ReadNameLines(m_deletedLines.takeLast().bytes);
    loadList();
    // The name shows selected again, as it was when it was deleted.
    if (!restored.isEmpty())
        m_entryList->setCurrentItem(
            m_entryList->findItems(restored.first().entry, Qt::MatchExactly).value(0));
}

void DatabasePanel::useItem(const QListWidgetItem *item)
{
    m_selectedField->setText(item->text());
    useEntry();
}

void DatabasePanel::useEntry()
{
    if (m_selectedField->text().isEmpty()) {
        //: The title of a message.
        m_alerts.critical(tr("NO NAME SELECTED!"), tr("There is no name selected to use!"));
        return;
    }
    const namedb::EntryParts parts = namedb::SplitEntry(m_selectedField->text());
    close();
    Q_EMIT nameUsed(parts.name, parts.birthdate);
}

void DatabasePanel::closeEvent(QCloseEvent *event)
{
    QFrame::closeEvent(event);
    m_selectedField->clear();
    Q_EMIT closed();
}
