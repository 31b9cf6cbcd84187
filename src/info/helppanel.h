#pragma once

// Controls by object name and member:
//
//   FrameHelp the panel itself
//   Label33   m_titleLabel
//   Command16 m_closeButton
//   List2     m_topicList
//   Label32   m_instructionLabel
//   TextHelp  m_topicText

#include <QFrame>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QToolButton;

// The help topics over the main window, the topic names at the top and the chosen topic's text
// below; the main window places it and its parts. While it shows, the main window keeps its menus and picture
// buttons disabled; the panel's "x" button closes it and emits closed() so that the window gives them back.
class HelpPanel : public QFrame
{
    Q_OBJECT

public:
    explicit HelpPanel(QWidget *parent = nullptr);

    // The parts the main window places, in the panel's coordinates.
    struct Parts
    {
        QWidget *title;
        QWidget *close;
        QWidget *list;
        QWidget *instruction;
        QWidget *text;
    };
    [[nodiscard]] Parts parts() const;

    // The list, the instruction and the text take the given point size (that of the main
    // window's Name label).
    void setTextPointSize(qreal points);

    // Rebuilds the list with no topic selected, empties the text box and shows the panel with the
    // cursor in the list.
    void open();

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showSelectedTopic();

    QLabel *m_titleLabel;
    QToolButton *m_closeButton;
    QListWidget *m_topicList;
    QLabel *m_instructionLabel;
    QPlainTextEdit *m_topicText;
};
