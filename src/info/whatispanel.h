#pragma once

#include <QFrame>

class QPlainTextEdit;
class QPushButton;
class QSize;

// FrameWhatIs: the "What Is A Biorhythm?" explanation over the middle of the main window, with
// a Print and a Close button. The main window places and opens it (mnuHelpWhatIsABiorhythm_Click),
// prints on printRequested() and hears of closing through closed().
class WhatIsPanel : public QFrame
{
    Q_OBJECT

public:
    explicit WhatIsPanel(QWidget *parent = nullptr);

    // Sizes the panel for a host (the main window's area) of the given size: 0.8 of its width
    // and height, centred. The buttons and the text take the given point size (that of the
    // main window's Name label).
    void placeIn(const QSize &hostSize, qreal textPointSize);

    // Fills the text box with the explanation and shows the panel.
    void open();

    QPushButton *CmdPrtWhat;
    QPushButton *cmdCloseWhatIs;
    QPlainTextEdit *Text22;

public Q_SLOTS:
    void CmdPrtWhat_Click();
    void cmdCloseWhatIs_Click();

Q_SIGNALS:
    void printRequested();
    void closed();
};
