#pragma once

// Controls by object name and member:
//
//   FrameWhatIs    the panel itself
//   CmdPrtWhat     m_printButton
//   cmdCloseWhatIs m_closeButton
//   Text22         m_textBox

#include <QFrame>

class QPlainTextEdit;
class QPushButton;

// The "What Is A Biorhythm?" explanation over the middle of the main window, with a Print and a
// Close button. The main window places it and its parts, opens it, and prints the sheet on
// printRequested().
class WhatIsPanel : public QFrame
{
    Q_OBJECT

public:
    explicit WhatIsPanel(QWidget *parent = nullptr);

    // The parts the main window places, in the panel's coordinates.
    struct Parts
    {
        QWidget *print;
        QWidget *close;
        QWidget *text;
    };
    [[nodiscard]] Parts parts() const;

    // The buttons and the text take the given point size (that of the main window's Name label).
    void setTextPointSize(qreal points);

    // Fills the text box with the explanation and shows the panel with the cursor in the text.
    void open();

Q_SIGNALS:
    void printRequested();

private:
    QPushButton *m_printButton;
    QPushButton *m_closeButton;
    QPlainTextEdit *m_textBox;
};
