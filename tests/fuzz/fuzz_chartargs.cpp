// The command line of tidemark-chart. The input is an argument list, its words separated by NUL
// bytes as in the process's argv. Any list parses without a crash; a usage error says what was
// wrong; a list that parses to a run gave --name, --birth and --days, the values run with are
// among the values given to them, and its days are a whole number in digits. A run of a few days
// then goes through the command itself, into an output that counts what it takes: a chart, its
// pages or its calendar may not grow past what that many days can write, so a length that the
// chart reads otherwise than the command line does is caught at once. (PDFs become text pages, a
// calendar goes onto that output, so nothing is written to files.)
#include "cli/chartargs.h"
#include "cli/chartcommand.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <cstdio>

namespace {

// Runs of more days than this are left to the parser: the command would take too long.
constexpr qint64 RunDays = 64;

// Whether the arguments give `value` to --`option`, as the next word or after "=".
bool given(const QStringList &arguments, const QString &option, const QString &value)
{
    const QString word = QStringLiteral("--") + option;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        if (arguments[k] == word + u'=' + value || (arguments[k] == word && arguments.value(k + 1) == value))
            return true;
    }
    return false;
}

// An output that takes everything and counts it, and stops the fuzzer once it holds more than
// its bound.
struct BoundedOutput
{
    qint64 bound = 0;
    qint64 taken = 0;
};

ssize_t take(void *cookie, const char *, size_t size)
{
    auto *output = static_cast<BoundedOutput *>(cookie);
    output->taken += qint64(size);
    FUZZ_CHECK(output->taken <= output->bound);
    return ssize_t(size);
}

std::FILE *openBounded(BoundedOutput &output)
{
    return fopencookie(&output, "w", cookie_io_functions_t{nullptr, take, nullptr, nullptr});
}

// Runs what was parsed, as tidemark-chart would, into bounded outputs.
void run(cli::ChartArguments arguments, qint64 days, qint64 inputSize)
{
    if (arguments.print)
        arguments.print->output = cli::PrintArguments::Output::Text;
    if (!arguments.icsPath.isEmpty())
        arguments.icsPath = QStringLiteral("-");
    // Every day's lines, pages or events, each perhaps with the name and the heading lines.
    BoundedOutput out{(days + 2) * (64 * 1024 + 16 * inputSize)};
    BoundedOutput err{64 * 1024 + 16 * inputSize};
    std::FILE *outStream = openBounded(out);
    std::FILE *errStream = openBounded(err);
    const QString today = arguments.today.isEmpty() ? QStringLiteral("05-20-2025") : arguments.today;
    const int status = cli::RunChartCommand(arguments, today, outStream, errStream);
    std::fclose(outStream);
    std::fclose(errStream);
    FUZZ_CHECK(status == cli::ExitOk || status == cli::ExitBadInput || status == cli::ExitWriteFailed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments{QStringLiteral("tidemark-chart")};
    for (const QByteArray &word : fuzz::InputParts(data, size, '\0'))
        arguments.append(QString::fromLocal8Bit(word));
    const cli::ParsedArguments parsed = cli::ParseChartArguments(arguments);
    using Outcome = cli::ParsedArguments::Outcome;
    FUZZ_CHECK(parsed.outcome != Outcome::UsageError || !parsed.error.isEmpty());
    if (parsed.outcome != Outcome::Run)
        return 0;
    const QString &days = parsed.arguments.days;
    FUZZ_CHECK(given(arguments, QStringLiteral("name"), parsed.arguments.name));
    FUZZ_CHECK(given(arguments, QStringLiteral("birth"), parsed.arguments.birth));
    FUZZ_CHECK(given(arguments, QStringLiteral("days"), days));
    FUZZ_CHECK(!days.isEmpty() &&
               std::all_of(days.begin(), days.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }));
    bool whole = false;
    const qint64 count = days.toLongLong(&whole);
    if (whole && count <= RunDays)
        run(parsed.arguments, count, qint64(size));
    return 0;
}
