// Export to Calendar: the critical days and birthdays of the chart period as an iCalendar file,
// each with a reminder on its day when the user asks for one.

#include "mainwindow/mainwindow.h"

#include "calendar/calendar.h"
#include "export/calendarexport.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "platform/translation.h"
#include "print/pdfnames.h"

#include <QDir>
#include <QStatusBar>

void MainWindow::exportCalendar()
{
    statusBar()->clearMessage();
    const auto plan = checkedChartPlan();
    if (!plan)
        return;
    const std::optional<QTime> reminder = m_env.askReminder(this);
    if (!reminder)
        return;
    const QString path =
        m_env.askSavePath(this, {tr("Export to Calendar"),
                                 InDocumentsFolder(print::SafeFileStem(plan->name) + QStringLiteral(".ics")),
                                 tr("iCalendar files (*.ics)")});
    if (path.isEmpty())
        return;
    const QString error = exports::SaveCalendarFile(path, *plan, calendar::DateOfText(m_env.clock.today()),
                                                    *reminder, TranslatedText);
    if (!error.isEmpty())
        showCritical(tr(SaveErrorTitle), error);
    else
        //: %1 is the calendar file's path
        showOutcome(tr("The calendar was written to %1.").arg(QDir::toNativeSeparators(path)));
}
