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
class QSize;

// The "What Is A Biorhythm?" explanation over the middle of the main window, with a Print and a
// Close button. The main window places and opens it, and prints the sheet on printRequested().
class WhatIsPanel : public QFrame
{
    Q_OBJECT

public:
    explicit WhatIsPanel(QWidget *parent = nullptr);

    // Sizes the panel for a host (the main window's area) of the given size: 0.8 of its width
    // and height, centred. The buttons and the text take the given point size (that of the
    // main window's Name label).
    void placeIn(const QSize &hostSize, qreal textPointSize);

    // Fills the text box with the explanation and shows the panel with the cursor in the text.
    void open();

Q_SIGNALS:
    void printRequested();

private:
    QPushButton *m_printButton;
    QPushButton *m_closeButton;
    QPlainTextEdit *m_textBox;
};
