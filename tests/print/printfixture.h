#pragma once

#include "chart/chartfields.h"
#include "print/printchart.h"
#include "print/textprintdevice.h"
#include "support/recordingalerts.h"

#include <QRegularExpression>

#include <functional>

// A person and a chart that the print tests start from: born Sunday 05-20-1990, six days from
// 05-20-2025 on `printer`, in Arial, single spaced, 50 lines a page, with or without the
// forecast; `change` changes them.
inline chart::ChartFields With(const std::function<void(chart::ChartFields &)> &change,
                               chart::PrinterType printer = chart::PrinterType::Matrix, bool forecast = false)
{
    chart::ChartFields f{
        "Your Name", {"05-20-1990", "Taurus", "Sunday", "12784", "35", "05-20-2025", "6", "05-25-2025"}, {}};
    f.preferences.linesPerPage = QStringLiteral("50");
    f.preferences.leadIn = QStringLiteral("This Chart Has Been Prepared Especially For You By:");
    f.preferences.heading = {"Your Company", "1 Example Street", "", "info@example.com"};
    f.preferences.font = QStringLiteral("Arial");
    f.preferences.printer = printer;
    f.preferences.spacing = chart::Spacing::Single;
    f.preferences.forecast = forecast;
    change(f);
    return f;
}

// Thirty days with every line a chart has: the date on each page, a birthday and a Friday the
// 13th, the forecast and the dashed lines.
inline chart::ChartFields LongChart(chart::PrinterType printer = chart::PrinterType::Laser)
{
    return With(
        [](auto &f) {
            f.person.length = QStringLiteral("30");
            f.preferences.forecast = f.preferences.holidays = f.preferences.color =
                f.preferences.dateEachPage = true;
            f.preferences.spacing = chart::Spacing::WithLines;
        },
        printer);
}

inline const QString Today = QStringLiteral("06-01-2025");

// The chart's pages as the text printer prints them; none when the chart was not printed.
inline QList<QStringList> ChartPages(const chart::ChartFields &fields)
{
    print::TextPrintDevice device;
    RecordingAlerts alerts;
    return print::PrintChart(fields, Today, device, alerts) == print::PrintOutcome::Printed
               ? device.pages()
               : QList<QStringList>();
}

// The lines of a page that are day lines: they begin with a weekday abbreviation.
inline QStringList DayLines(const QStringList &page)
{
    return page.filter(QRegularExpression(QStringLiteral("^ ?(SUN|MON|TUE|WED|THU|FRI|SAT)  ")));
}
