#include "cli/chartargs.h"
#include "cli/chartcommand.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const cli::ParsedArguments parsed = cli::ParseChartArguments(QCoreApplication::arguments());
    switch (parsed.outcome) {
    case cli::ParsedArguments::Outcome::Help:
        std::fputs(cli::HelpText().toUtf8().constData(), stdout);
        return cli::ExitOk;
    case cli::ParsedArguments::Outcome::UsageError:
        std::fprintf(stderr, "tidemark-chart: %s\n%s", parsed.error.toUtf8().constData(),
                     cli::UsageText().toUtf8().constData());
        return cli::ExitBadInput;
    case cli::ParsedArguments::Outcome::Run:
        break;
    }
    const QString today = parsed.arguments.today.isEmpty()
                              ? QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy"))
                              : parsed.arguments.today;
    return cli::RunChartCommand(parsed.arguments, today, stdout, stderr);
}
