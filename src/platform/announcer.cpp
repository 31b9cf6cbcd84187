#include "platform/announcer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *AnnouncerFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncerFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString &message)
{
    // Showing is what a screen reader hears, so the message shows anew even when it repeats.
    hide();
    setAccessibleName(message);
    show();
}
