#pragma once

// Controls by object name and member:
//
//   FrameCompare              the panel itself
//   LabelCompareTitle         m_titleLabel
//   ComboComparePick          m_pickList          the name database's entries
//   TextCompareName           m_nameEdit          the second person's name
//   TextCompareBirth          m_birthdateEdit     their birthdate, MM-DD-YYYY
//   CommandCompare            m_compareButton
//   LabelCompareResult        m_resultLabel       who is compared, or that nobody is
//   LabelComparePhysical      m_percentLabels[0]
//   LabelCompareEmotional     m_percentLabels[1]
//   LabelCompareIntellectual  m_percentLabels[2]
//   LabelCompareOverall       m_percentLabels[3]
//   LabelCompareCritical      m_criticalLabel
//   ListCompareCritical       m_criticalList      the days both have a critical day
//   CommandCompareClear       m_clearButton
//   CommandCompareClose       m_closeButton

#include "chart/compare.h"

#include <QFrame>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The small panel over the main window in which the person of the form is compared with a second
// one, typed or picked from the name database. It shows what the window computed: the
// compatibility per cycle and overall, and the days of the chart period on which both have a
// critical day. Closing it (Close, or Escape through the window) keeps the comparison; Clear ends
// it.
class ComparePanel : public QFrame
{
    Q_OBJECT

public:
    explicit ComparePanel(QWidget *parent = nullptr);

    // Shows the panel with the name database's entries ("Name MM-DD-YYYY") to pick from.
    void open(const QStringList &entries);
    // The comparison the window computed for the name and birthdate typed: from now on the one set.
    void showComparison(const chart::Comparison &comparison);
    // Ends the comparison: nobody is compared any more.
    void clearComparison();

    // The second person of the comparison set, as typed; none when nobody is compared.
    struct Partner
    {
        QString name;
        QString birth;
    };
    [[nodiscard]] const std::optional<Partner> &partner() const { return m_partner; }

Q_SIGNALS:
    // Compare was pressed (or Enter in a box) with this name and birthdate.
    void compareRequested(const QString &name, const QString &birth);
    // Clear was pressed.
    void clearRequested();

private:
    void usePickedEntry(int index);

    QLabel *m_titleLabel;
    QComboBox *m_pickList;
    QLineEdit *m_nameEdit;
    QLineEdit *m_birthdateEdit;
    QPushButton *m_compareButton;
    QLabel *m_resultLabel;
    std::array<QLabel *, 4> m_percentLabels{};
    QLabel *m_criticalLabel;
    QListWidget *m_criticalList;
    QPushButton *m_clearButton;
    QPushButton *m_closeButton;
    std::optional<Partner> m_partner;
};
