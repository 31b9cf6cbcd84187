#pragma once

#include <QFrame>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QSize;
class QToolButton;

// FrameHelp: the help topics over the main window, the topic names at the top and the chosen
// topic's text below. While it shows, the main window keeps its menus and picture buttons
// disabled; the panel's "x" button hides it and emits closed() so that the window gives them back.
class HelpPanel : public QFrame
{
    Q_OBJECT

public:
    explicit HelpPanel(QWidget *parent = nullptr);

    // Sizes the panel for a host (the main window's area) of the given size: 0.8 of its width,
    // centred, and as high as its rows. The list, the instruction and the text take the given
    // point size (that of the main window's Name label).
    void placeIn(const QSize &hostSize, qreal textPointSize);

    // The panel's part of mnuHelpGetHelpOn_Click: rebuilds the list with no topic selected,
    // empties the text box and shows the panel.
    void open();

    QLabel *Label33;
    QToolButton *Command16;
    QListWidget *List2;
    QLabel *Label32;
    QPlainTextEdit *TextHelp;

public Q_SLOTS:
    void List2_Click();
    void Command16_Click();

Q_SIGNALS:
    void closed();
};
