#include "platform/itemviewfocus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QTimer>

namespace {

// Once the focus has settled (Qt tells of the view after its focus-in handler), tells the item.
class CurrentItemTeller : public QObject
{
public:
    explicit CurrentItemTeller(QAbstractItemView *view)
        : QObject(view)
        , m_view(view)
    {
        m_settled.setSingleShot(true);
        m_settled.setInterval(0);
        connect(&m_settled, &QTimer::timeout, this, &CurrentItemTeller::tell);
        view->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_view && event->type() == QEvent::FocusIn && QAccessible::isActive())
            m_settled.start();
        return false;
    }

private:
    void tell() const
    {
        if (!m_view->hasFocus())
            return;
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(m_view);
        if (QAccessibleInterface *item = view ? view->focusChild() : nullptr) {
            QAccessibleEvent told(item, QAccessible::Focus);
            QAccessible::updateAccessibility(&told);
        }
    }

    QAbstractItemView *m_view;
    QTimer m_settled;
};

} // namespace

void TellCurrentItemOnFocus(QAbstractItemView *view)
{
    new CurrentItemTeller(view);
}
