#pragma once

// Controls by object name and member:
//
//   FrameDatabase the panel itself
//   Label5        m_titleLabel
//   Label6        m_subtitleLabel
//   Label1        m_nameLabel
//   Text1         m_nameEdit
//   Label2        m_birthdateLabel
//   Text2         m_birthdateEdit
//   Label3        m_hintLabel
//   Label4        m_exampleLabel
//   Command1      m_addButton
//   List1         m_entryList
//   Label7        m_selectedLabel
//   Text5         m_selectedField
//   cmdDeleteName m_deleteButton
//   cmdUseName    m_useButton
//   Command3      m_closeButton

#include "namedb/namefile.h"

#include <QFrame>
#include <QList>
#include <QString>

class Alerts;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The panel over the main window in which names and birthdates are added to bioname.dat,
// selected, deleted and used. The list box is the only copy of the entries in memory; every
// change is written to the file at once.
//
// The main window places the panel (as high as rowsSize() and its list) and shows it with open().
// When the panel closes (Use or Close) it emits closed(); Use then emits nameUsed() with the
// entry's name and birthdate for the Name and Birthdate boxes. From the keyboard: Enter in the
// Birthdate box adds, Enter (or a double click) on a name uses it, Delete deletes it, Ctrl+Z in the
// list puts the name deleted last back (each press one more), and typing a name's first letters
// finds it.
class DatabasePanel : public QFrame
{
    Q_OBJECT

public:
    DatabasePanel(Alerts &alerts, QString dataFolder, QWidget *parent = nullptr);

    // The subtitle, labels, entry fields and list take `text` points (the size of the main
    // window's Name label), the four buttons `buttons` points.
    void setPointSizes(qreal text, qreal buttons);
    [[nodiscard]] qreal buttonPointSize() const;

    // The least width of the rows and their height without the list, at the present point sizes.
    [[nodiscard]] QSize rowsSize() const;

    // Lays the rows out in the panel's present size: they span 0.92 of its width, centred, and
    // the list takes the height the other rows leave.
    void fitRows();

    // Shows the panel, empties the list, puts the cursor in the Name box, then loads the list
    // from the file.
    void open();

Q_SIGNALS:
    void nameUsed(const QString &name, const QString &birthdate);
    void closed();

protected:
    // Closing (the Close button, or Use) forgets the selected entry; typed text stays.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void loadList();
    [[nodiscard]] QString filePath() const;

    void addEntry();
    void selectEntry();
    void deleteEntry();
    void restoreDeletedEntry();
    void useEntry();
    void useItem(const QListWidgetItem *item);

    QLabel *m_titleLabel;
    QLabel *m_subtitleLabel;
    QLabel *m_nameLabel;
    QLineEdit *m_nameEdit;
    QLabel *m_birthdateLabel;
    QLineEdit *m_birthdateEdit;
    QLabel *m_hintLabel;
    QLabel *m_exampleLabel;
    QPushButton *m_addButton;
    QListWidget *m_entryList;
    QLabel *m_selectedLabel;
    QLineEdit *m_selectedField;
    QPushButton *m_deleteButton;
    QPushButton *m_useButton;
    QPushButton *m_closeButton;

    Alerts &m_alerts;
    QString m_dataFolder;
    // The lines deleted in this run, the last one last, as they stood in the file.
    QList<namedb::RemovedLine> m_deletedLines;
};
