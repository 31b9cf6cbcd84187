#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QShortcut;
class QWidget;

// Owns which panel covers the main window's form (the name database, "What Is", help, the chart
// display, the graph) and the start-up notice over it all: where the keyboard goes while one
// shows and after the last one closes, and Escape.
//
// While a panel covers the form, the form's controls are off, out of reach of Tab and the mouse;
// Tab goes round the topmost panel's controls only, and Escape closes that panel. When the last
// panel closes, the cursor goes back where it was before the first one opened. The start-up
// notice keeps the keyboard until a click on it, Enter, Space or Escape dismisses it; the form
// under it stays on. The window's commands follow changed().
class OverlayStack : public QObject
{
    Q_OBJECT

public:
    // `window` takes the Escape key; `home` gets the cursor when the notice goes, or when the
    // control it came from is gone. The stack must go before the panels it is given.
    OverlayStack(QWidget *window, QWidget *home);

    // Adds a panel over those added before. `close` closes it (by default QWidget::close);
    // `companion` is a control of the panel that stands outside its frame.
    void addPanel(QWidget *panel, std::function<void()> close = {}, QWidget *companion = nullptr);
    // The start-up notice and the labels on it, each of which dismisses it when clicked.
    void setNotice(QWidget *notice, const QList<QWidget *> &labels);
    // The controls that go off while a panel covers the form.
    void setForm(const QList<QWidget *> &controls);

    // The topmost panel showing, or none.
    [[nodiscard]] QWidget *covering() const;
    [[nodiscard]] bool noticeShown() const;

    // Tab (next) or Shift+Tab within what covers the form; false when nothing does, so that the
    // window's own order applies.
    bool focusNextPrevChild(bool next);

Q_SIGNALS:
    // A panel or the notice showed or went.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Panel
    {
        QWidget *widget;
        std::function<void()> close;
        QWidget *companion;
    };

    [[nodiscard]] const Panel *top() const;
    [[nodiscard]] static bool holds(const Panel &panel, const QWidget *widget);
    void panelShown();
    void panelHidden();
    void coverForm(bool covered);
    void closeTop();
    void dismissNotice();

    QWidget *m_home;
    QShortcut *m_escape;
    QList<Panel> m_panels; // the lowest first
    QWidget *m_notice = nullptr;
    QList<QWidget *> m_noticeParts;
    QList<QWidget *> m_form;
    bool m_covered = false;
    QPointer<QWidget> m_focusBefore;
};
