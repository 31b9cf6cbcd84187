#include "cli/chartcommand.h"

#include "calendar/profile.h"
#include "chart/chartplan.h"
#include "cli/streamsink.h"
#include "print/cliprint.h"

#include <QTextStream>

namespace cli {

namespace {

// The screen chart has no pages, but its checks still ask for a lines-per-page value: the
// Default Settings one.
const QString LinesPerPage = QStringLiteral("50");

void writeMessage(std::FILE *err, const chart::ChartMessage &message)
{
    const QByteArray text =
        (message.title + QStringLiteral(": ") + message.text + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), err);
}

} // namespace

std::variant<chart::ChartFields, chart::ChartMessage> FieldsFromArguments(const ChartArguments &args,
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
    fields.linesPerPage = LinesPerPage;
    fields.holidays = args.holidays;
    fields.forecast = args.forecast;
    fields.spacing = args.spacing;
    return chart::WithPersonBoxes(fields, boxes);
}

int RunChartCommand(const ChartArguments &args, const QString &today, std::FILE *out, std::FILE *err)
{
    const auto filled = FieldsFromArguments(args, today);
    if (const auto *message = std::get_if<chart::ChartMessage>(&filled)) {
        writeMessage(err, *message);
        return ExitBadInput;
    }
    const auto &fields = std::get<chart::ChartFields>(filled);
    if (args.print) {
        QTextStream outStream(out);
        QTextStream errStream(err);
        return print::PrintFromCli(*args.print, fields, today, outStream, errStream);
    }
    if (const auto message = chart::CheckChartFields(fields)) {
        writeMessage(err, *message);
        return ExitBadInput;
    }
    const auto plan = chart::PlanChart(fields, chart::Correction::Apply);
    if (!plan) {
        writeMessage(err, {QStringLiteral("DATE ERROR!"), QStringLiteral("The dates cannot be read.")});
        return ExitBadInput;
    }
    StreamLineSink sink(out);
    const bool written = chart::ComposeScreenChart(*plan, sink);
    return written && sink.flush() ? ExitOk : ExitWriteFailed;
}

} // namespace cli
