#include "platform/systemclock.h"

#include <QDate>

QString SystemClock::today() const
{
    return QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy"));
}
