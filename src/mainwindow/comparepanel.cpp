#include "mainwindow/comparepanel.h"

#include "graph/graphtext.h"
#include "namedb/nameentry.h"
#include "platform/widgetfont.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *NamedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

QPushButton *NamedButton(const char *name, const QString &caption, const QString &accessibleName,
                         QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(true);
    return button;
}

constexpr std::array<const char *, 4> PercentLabelNames = {"LabelComparePhysical", "LabelCompareEmotional",
                                                           "LabelCompareIntellectual", "LabelCompareOverall"};

} // namespace

ComparePanel::ComparePanel(QWidget *parent)
    : QFrame(parent)
    , m_titleLabel(NamedLabel("LabelCompareTitle", this))
    , m_pickList(new QComboBox(this))
    , m_nameEdit(new QLineEdit(this))
    , m_birthdateEdit(new QLineEdit(this))
    , m_compareButton(NamedButton("CommandCompare", tr("Co&mpare"), tr("Compare the two people"), this))
    , m_resultLabel(NamedLabel("LabelCompareResult", this))
    , m_criticalLabel(NamedLabel("LabelCompareCritical", this))
    , m_criticalList(new QListWidget(this))
    , m_clearButton(NamedButton("CommandCompareClear", tr("C&lear"), tr("Clear the comparison"), this))
    , m_closeButton(NamedButton("CommandCompareClose", tr("Close"),
                                tr("Close this panel and keep the comparison"), this))
{
    setObjectName(QStringLiteral("FrameCompare"));
    setAccessibleName(tr("Compare two people"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);

    m_titleLabel->setText(tr("  Compare With..."));
    StylePanelTitle(m_titleLabel);

    m_pickList->setObjectName(QStringLiteral("ComboComparePick"));
    m_pickList->setAccessibleName(tr("Pick the second person from the name database"));
    m_nameEdit->setObjectName(QStringLiteral("TextCompareName"));
    m_nameEdit->setAccessibleName(tr("Name of the second person"));
    m_birthdateEdit->setObjectName(QStringLiteral("TextCompareBirth"));
    m_birthdateEdit->setAccessibleName(tr("Birthdate of the second person"));
    m_birthdateEdit->setPlaceholderText(tr("MM-DD-YYYY"));
    m_criticalList->setObjectName(QStringLiteral("ListCompareCritical"));
    m_criticalList->setAccessibleName(tr("Days on which both have a critical day"));
    m_criticalList->setUniformItemSizes(true);
    m_criticalList->setMinimumHeight(m_criticalList->fontMetrics().height() * 5);
    for (std::size_t k = 0; k < m_percentLabels.size(); ++k)
        m_percentLabels[k] = NamedLabel(PercentLabelNames[k], this);

    auto *fields = new QFormLayout;
    fields->addRow(tr("From the name &database:"), m_pickList);
    fields->addRow(tr("&Name:"), m_nameEdit);
    fields->addRow(tr("&Birthdate:"), m_birthdateEdit);
    auto *compareRow = new QHBoxLayout;
    compareRow->addStretch();
    compareRow->addWidget(m_compareButton);
    auto *percents = new QHBoxLayout;
    for (QLabel *label : m_percentLabels)
        percents->addWidget(label);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_clearButton);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(m_titleLabel);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 4, 10, 10);
    body->addLayout(fields);
    body->addLayout(compareRow);
    body->addWidget(m_resultLabel);
    body->addLayout(percents);
    body->addWidget(m_criticalLabel);
    body->addWidget(m_criticalList, 1);
    body->addLayout(buttons);
    rows->addLayout(body, 1);

    connect(m_pickList, &QComboBox::activated, this, &ComparePanel::usePickedEntry);
    auto compare = [this] { Q_EMIT compareRequested(m_nameEdit->text(), m_birthdateEdit->text()); };
    connect(m_compareButton, &QPushButton::clicked, this, compare);
    connect(m_nameEdit, &QLineEdit::returnPressed, this, compare);
    connect(m_birthdateEdit, &QLineEdit::returnPressed, this, compare);
    connect(m_clearButton, &QPushButton::clicked, this, &ComparePanel::clearRequested);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    clearComparison();
    hide();
}

void ComparePanel::open(const QStringList &entries)
{
    m_pickList->clear();
    m_pickList->addItem(tr("(pick a name)"));
    m_pickList->addItems(entries);
    show();
    raise();
    m_nameEdit->setFocus();
}

void ComparePanel::usePickedEntry(int index)
{
    if (index <= 0)
        return;
    const namedb::EntryParts parts = namedb::SplitEntry(m_pickList->itemText(index));
    m_nameEdit->setText(parts.name);
    m_birthdateEdit->setText(parts.birthdate);
    // Enter then compares with the person picked.
    m_compareButton->setFocus();
}

void ComparePanel::showComparison(const chart::Comparison &comparison)
{
    const chart::Compatibility &c = comparison.compatibility;
    m_partner = Partner{comparison.partner.name, comparison.partner.birthText};
    m_resultLabel->setText(tr("Compatibility with %1, born %2 (%3 days apart):")
                               .arg(m_partner->name, m_partner->birth)
                               .arg(c.daysApart));
    const std::array<QString, 4> texts = {tr("Physical %1%"), tr("Emotional %1%"), tr("Intellectual %1%"),
                                          tr("Overall %1%")};
    for (std::size_t k = 0; k < m_percentLabels.size(); ++k)
        m_percentLabels[k]->setText(texts[k].arg(k < c.cycles.size() ? c.cycles[k] : c.overall));
    m_criticalLabel->setText(tr("Days of the chart period on which both have a critical day: %1")
                                 .arg(comparison.bothCritical.size()));
    m_criticalList->clear();
    for (const chart::ChartDay &day : comparison.bothCritical)
        m_criticalList->addItem(graph::DayDateText(day, graph::Wording::Short));
    m_clearButton->setEnabled(true);
}

void ComparePanel::clearComparison()
{
    m_partner.reset();
    m_resultLabel->setText(tr("Nobody is compared.  Type the second person's name and birthdate, or pick "
                              "them from the name database, and press Compare."));
    for (QLabel *label : m_percentLabels)
        label->clear();
    m_criticalLabel->clear();
    m_criticalList->clear();
    m_clearButton->setEnabled(false);
}
