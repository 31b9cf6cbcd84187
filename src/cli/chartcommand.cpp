#include "cli/chartcommand.h"

#include "calendar/calendar.h"
#include "calendar/profile.h"
#include "chart/chartplan.h"
#include "chart/compare.h"
#include "cli/printoutput.h"
#include "cli/streamalerts.h"
#include "cli/streamsink.h"
#include "export/calendarexport.h"
#include "export/jsonchart.h"

#include <QFile>

namespace cli {

namespace {

// The screen chart has no pages, but its checks still ask for a lines-per-page value: the
// Default Settings one.
const QString LinesPerPage = QStringLiteral("50");

// Says what went wrong on standard error, and returns the status of a failed write.
int writeFailed(std::FILE *err, const QString &what)
{
    const QByteArray text = (QStringLiteral("tidemark-chart: ") + what + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), err);
    return ExitWriteFailed;
}

int printToStream(const PrintArguments &arguments, const chart::ChartFields &fields, const QString &today,
                  std::FILE *out, std::FILE *err)
{
    StreamLineSink sink(out);
    StreamAlerts alerts(err);
    const int status = PrintDocuments(arguments, fields, today, sink, alerts);
    if (!sink.flush())
        return writeFailed(err, QStringLiteral("cannot write the output: ") + sink.error());
    return status;
}

// The calendar into its file, or onto standard output for "-".
int writeCalendar(const QString &path, const chart::ChartPlan &plan, const QString &today,
                  const QTime &reminder, std::FILE *out, std::FILE *err)
{
    if (path == QLatin1String("-")) {
        QFile file;
        if (!file.open(out, QIODevice::WriteOnly) ||
            !exports::WriteCalendar(plan, calendar::DateOfText(today), file, reminder) || !file.flush())
            return writeFailed(err, QStringLiteral("cannot write the output: ") + file.errorString());
        return ExitOk;
    }
    const QString error = exports::SaveCalendarFile(path, plan, calendar::DateOfText(today), reminder);
    return error.isEmpty() ? ExitOk : writeFailed(err, error);
}

} // namespace

std::variant<chart::ChartFields, calendar::Message> FieldsFromArguments(const ChartArguments &args,
                                                                        const QString &today)
{
    calendar::PersonBoxes boxes;
    boxes.birth = args.birth;
    const calendar::BoxUpdate birth = calendar::BirthdateChanged(boxes);
    if (birth.message)
        return *birth.message;
    boxes = birth.boxes;
    boxes.start = args.start.value_or(today);
    const calendar::BoxUpdate start = calendar::StartDateChanged(boxes);
    if (start.message)
        return *start.message;
    boxes = start.boxes;
    boxes.length = args.days;
    boxes = calendar::LengthChanged(boxes);

    chart::ChartFields fields;
    fields.name = args.name;
    fields.preferences.linesPerPage = LinesPerPage;
    fields.preferences.holidays = args.holidays;
    fields.preferences.forecast = args.forecast;
    fields.preferences.spacing = args.spacing;
    fields.person = boxes;
    return fields;
}

int RunChartCommand(const ChartArguments &args, const QString &today, std::FILE *out, std::FILE *err)
{
    StreamAlerts alerts(err);
    if (args.print && args.print->what == print::PrintCommand::WhatIs)
        return printToStream(*args.print, chart::ChartFields{}, today, out, err);
    const auto filled = FieldsFromArguments(args, today);
    if (const auto *message = std::get_if<calendar::Message>(&filled)) {
        alerts.critical(message->title, message->text);
        return ExitBadInput;
    }
    const auto &fields = std::get<chart::ChartFields>(filled);
    if (args.print)
        return printToStream(*args.print, fields, today, out, err);
    if (const auto message = chart::CheckChartFields(fields)) {
        alerts.critical(message->title, message->text);
        return ExitBadInput;
    }
    const auto plan = chart::PlanChart(fields);
    if (!plan) {
        alerts.critical(QStringLiteral("DATE ERROR!"), QStringLiteral("The dates cannot be read."));
        return ExitBadInput;
    }
    if (!args.icsPath.isEmpty())
        return writeCalendar(args.icsPath, *plan, today, args.reminder, out, err);
    std::optional<chart::Comparison> comparison;
    if (args.partner) {
        if (const auto message = chart::CheckPartner(args.partner->name, args.partner->birth)) {
            alerts.critical(message->title, message->text);
            return ExitBadInput;
        }
        comparison = chart::Compare(fields, args.partner->name, args.partner->birth);
    }
    StreamLineSink sink(out);
    const exports::JsonCycles cycles =
        args.allCycles ? exports::JsonCycles::All : exports::JsonCycles::Primary;
    bool written = args.format == ChartArguments::Format::Json
                       ? exports::ComposeJsonChart(*plan, sink, cycles, comparison ? &*comparison : nullptr)
                       : chart::ComposeScreenChart(*plan, sink);
    if (comparison && args.format == ChartArguments::Format::Text) {
        const QStringList lines = chart::CompatibilityLines(*comparison);
        for (auto line = lines.begin(); written && line != lines.end(); ++line)
            written = sink.line(*line);
    }
    if (!written || !sink.flush())
        return writeFailed(err, QStringLiteral("cannot write the output: ") + sink.error());
    return ExitOk;
}

int WriteOutput(QStringView text, std::FILE *out, std::FILE *err)
{
    StreamLineSink sink(out);
    if (!sink.write(text) || !sink.flush())
        return writeFailed(err, QStringLiteral("cannot write the output: ") + sink.error());
    return ExitOk;
}

} // namespace cli
