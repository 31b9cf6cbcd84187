#include "chart/specialdays.h"

namespace chart {

namespace {

constexpr int Friday = 5;

} // namespace

QString OrdinalSuffix(qint64 age)
{
    const qint64 a = age < 0 ? -age : age;
    QString suffix = QStringLiteral("TH");
    if (a == 1)
        suffix = QStringLiteral("ST");
    else if (a == 2)
        suffix = QStringLiteral("ND");
    else if (a == 3)
        suffix = QStringLiteral("RD");
    if (a > 20) {
        switch (a % 10) {
        case 1:
            suffix = QStringLiteral("ST");
            break;
        case 2:
            suffix = QStringLiteral("ND");
            break;
        case 3:
            suffix = QStringLiteral("RD");
            break;
        default:
            break;
        }
    }
    return suffix;
}

QList<SpecialDayLine> SpecialDayLines(const ChartDay &day, const calendar::DateParts &birth)
{
    QList<SpecialDayLine> lines;
    if (day.month == 1 && day.day == 1)
        lines.append({SpecialDay::NewYear, 40, QStringLiteral("**** HAPPY NEW YEAR ****")});
    if (day.month == 12 && day.day == 25)
        lines.append({SpecialDay::Christmas, 40, QStringLiteral("**** MERRY CHRISTMAS ****")});
    if (day.weekday == Friday && day.day == 13)
        lines.append(
            {SpecialDay::FridayThe13th, 34, QStringLiteral("** BEWARE??? FRIDAY THE THIRTEENTH **")});
    if (day.month == birth.month && day.day == birth.day) {
        const qint64 age = qint64(day.year) - birth.year;
        lines.append({SpecialDay::Birthday, 41,
                      QStringLiteral("** HAPPY ") + QString::number(age < 0 ? -age : age) +
                          OrdinalSuffix(age) + QStringLiteral(" BIRTHDAY **")});
    }
    return lines;
}

QString ScreenText(const SpecialDayLine &line)
{
    return QString(line.column - 1, QLatin1Char(' ')) + line.text;
}

} // namespace chart
