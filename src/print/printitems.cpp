#include "print/printitems.h"

namespace print {

QString NumberItem(qint64 value)
{
    const QString digits = QString::number(value);
    return (value < 0 ? digits : QLatin1Char(' ') + digits) + QLatin1Char(' ');
}

} // namespace print
