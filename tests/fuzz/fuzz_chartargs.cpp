// The command-line parser of tidemark-chart. The input is an argument list, its words separated
// by NUL bytes as in the process's argv. Any list parses without a crash; a usage error says
// what was wrong; a list that parses to a run gave --name, --birth and --days, and the values
// run with are among the values given to them.
#include "cli/chartargs.h"
#include "fuzzcheck.h"

namespace {

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments{QStringLiteral("tidemark-chart")};
    for (const QByteArray &word : fuzz::InputParts(data, size, '\0'))
        arguments.append(QString::fromLocal8Bit(word));
    const cli::ParsedArguments parsed = cli::ParseChartArguments(arguments);
    switch (parsed.outcome) {
    case cli::ParsedArguments::Outcome::Run:
        FUZZ_CHECK(given(arguments, QStringLiteral("name"), parsed.arguments.name));
        FUZZ_CHECK(given(arguments, QStringLiteral("birth"), parsed.arguments.birth));
        FUZZ_CHECK(given(arguments, QStringLiteral("days"), parsed.arguments.days));
        break;
    case cli::ParsedArguments::Outcome::UsageError:
        FUZZ_CHECK(!parsed.error.isEmpty());
        break;
    case cli::ParsedArguments::Outcome::Help:
        break;
    }
    return 0;
}
