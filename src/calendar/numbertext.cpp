#include "calendar/numbertext.h"

#include <QString>

#include <cmath>

namespace calendar {

double LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype begin = i;
    auto isDigit = [&](qsizetype k) {
        return k < n && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9');
    };
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    qsizetype digits = 0;
    while (isDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype k = i + 1;
        if (k < n && (text[k] == QLatin1Char('-') || text[k] == QLatin1Char('+')))
            ++k;
        if (isDigit(k)) {
            while (isDigit(k))
                ++k;
            end = k;
        }
    }
    bool ok = false;
    const double value = text.mid(begin, end - begin).toString().toDouble(&ok);
    return ok ? value : 0.0;
}

std::optional<qint64> LeadingWholeNumber(QStringView text)
{
    const double value = std::trunc(LeadingNumber(text));
    if (!std::isfinite(value) || std::fabs(value) >= 9.0e18)
        return std::nullopt;
    return qint64(value);
}

} // namespace calendar
