#pragma once

#include <QWidget>

// Tells a screen reader a short message once: an outcome that shows only in the status bar, the
// facts that follow from a typed date, the graph's new period. Qt 6.4 has no announcement event
// and its AT-SPI bridge drops QAccessible::Alert, but Orca speaks an object of the notification
// role when it shows; so the announcer is such an object, named with the message, shown anew for
// each one. It draws nothing, takes no mouse click or key, and sits in a corner of its parent.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
};
