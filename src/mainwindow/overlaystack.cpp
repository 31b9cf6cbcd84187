#include "mainwindow/overlaystack.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QWidget>

OverlayStack::OverlayStack(QWidget *window, QWidget *home)
    : m_home(home)
    , m_escape(new QShortcut(QKeySequence(Qt::Key_Escape), window))
{
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &OverlayStack::closeTop);
}

void OverlayStack::addPanel(QWidget *panel, std::function<void()> close, QWidget *companion)
{
    m_panels.append({panel, std::move(close), companion});
    // Each panel tells when it shows or hides, whichever button or key did it.
    panel->installEventFilter(this);
}

void OverlayStack::setNotice(QWidget *notice, const QList<QWidget *> &labels)
{
    m_notice = notice;
    m_noticeParts = QList<QWidget *>{notice} + labels;
    for (QWidget *part : std::as_const(m_noticeParts))
        part->installEventFilter(this);
}

void OverlayStack::setForm(const QList<QWidget *> &controls)
{
    m_form = controls;
}

const OverlayStack::Panel *OverlayStack::top() const
{
    for (auto panel = m_panels.crbegin(); panel != m_panels.crend(); ++panel) {
        if (!panel->widget->isHidden())
            return &*panel;
    }
    return nullptr;
}

QWidget *OverlayStack::covering() const
{
    const Panel *panel = top();
    return panel ? panel->widget : nullptr;
}

bool OverlayStack::noticeShown() const
{
    return m_notice && !m_notice->isHidden();
}

bool OverlayStack::holds(const Panel &panel, const QWidget *widget)
{
    return widget == panel.companion || widget == panel.widget || panel.widget->isAncestorOf(widget);
}

bool OverlayStack::eventFilter(QObject *watched, QEvent *event)
{
    const bool panel = std::any_of(m_panels.cbegin(), m_panels.cend(),
                                   [watched](const Panel &p) { return p.widget == watched; });
    if (panel && event->type() == QEvent::ShowToParent)
        panelShown();
    else if (panel && event->type() == QEvent::HideToParent)
        panelHidden();
    if (m_notice && m_notice->isVisible() && m_noticeParts.contains(watched)) {
        const bool click = event->type() == QEvent::MouseButtonRelease &&
                           static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        const int pressed = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event)->key() : 0;
        const bool key = watched == m_notice && (pressed == Qt::Key_Return || pressed == Qt::Key_Enter ||
                                                 pressed == Qt::Key_Space || pressed == Qt::Key_Escape);
        if (click || key) {
            dismissNotice();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void OverlayStack::dismissNotice()
{
    m_notice->hide();
    Q_EMIT changed();
    m_home->setFocus();
}

void OverlayStack::panelShown()
{
    // The first panel over the form remembers where the user was; the form then leaves the reach
    // of Tab and of the mouse.
    if (!m_covered)
        m_focusBefore = QApplication::focusWidget();
    Q_EMIT changed();
    coverForm(true);
}

void OverlayStack::panelHidden()
{
    Q_EMIT changed();
    coverForm(top() != nullptr);
    if (const Panel *panel = top()) {
        QWidget *inside = panel->widget->focusWidget();
        (inside ? inside : panel->widget)->setFocus(Qt::OtherFocusReason);
    } else if (m_focusBefore && m_focusBefore->isEnabled() && m_focusBefore->isVisible()) {
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    } else {
        m_home->setFocus(Qt::OtherFocusReason);
    }
}

void OverlayStack::coverForm(bool covered)
{
    m_covered = covered;
    for (QWidget *control : std::as_const(m_form))
        control->setEnabled(!covered);
    m_escape->setEnabled(covered);
}

void OverlayStack::closeTop()
{
    if (const Panel *panel = top()) {
        if (panel->close)
            panel->close();
        else
            panel->widget->close();
    }
}

bool OverlayStack::focusNextPrevChild(bool next)
{
    // The start-up notice keeps the keyboard until it is dismissed: keys must not reach the boxes
    // it hides.
    if (noticeShown()) {
        m_notice->setFocus(Qt::TabFocusReason);
        return true;
    }
    const Panel *panel = top();
    if (!panel)
        return false;
    QWidget *from = QApplication::focusWidget() ? QApplication::focusWidget() : panel->widget;
    QWidget *candidate = from;
    do {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (holds(*panel, candidate) && candidate->isVisible() && candidate->isEnabled() &&
            (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (candidate != from);
    return true;
}
