#pragma once

#include <QFrame>
#include <QString>

class Alerts;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSize;

// FrameDatabase: the panel over the main window in which names and birthdates are added to
// bioname.dat, selected, deleted and used. The list box is the only copy of the entries in
// memory; every change is written to the file at once.
//
// The main window shows the panel with placeIn() and open(). When the panel hides itself
// (Use or Close) it emits closed(); Use then emits nameUsed() with the entry's name and
// birthdate for the Name and Birthdate boxes.
class DatabasePanel : public QFrame
{
    Q_OBJECT

public:
    DatabasePanel(Alerts &alerts, QString dataFolder, QWidget *parent = nullptr);

    // Sizes the panel for a host of the given size: 0.6 of its width, centred, with the list
    // 0.3 of 0.8 of its height and the panel as high as its rows need. The subtitle, labels,
    // entry fields and list take the given point size (that of the main window's Name label).
    void placeIn(const QSize &hostSize, qreal textPointSize);

    // The panel's part of opening the database: show, empty the list, cursor in the Name box,
    // then load the list from the file.
    void open();

    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label1;
    QLineEdit *Text1;
    QLabel *Label2;
    QLineEdit *Text2;
    QLabel *Label3;
    QLabel *Label4;
    QPushButton *Command1;
    QListWidget *List1;
    QLabel *Label7;
    QLineEdit *Text5;
    QPushButton *cmdDeleteName;
    QPushButton *cmdUseName;
    QPushButton *Command3;

public Q_SLOTS:
    void Command1_Click();
    void List1_Click();
    void cmdDeleteName_Click();
    void cmdUseName_Click();
    void Command3_Click();

Q_SIGNALS:
    void nameUsed(const QString &name, const QString &birthdate);
    void closed();

private:
    void buildLayout();
    void loadList();
    [[nodiscard]] QString filePath() const;

    Alerts &m_alerts;
    QString m_dataFolder;
};
