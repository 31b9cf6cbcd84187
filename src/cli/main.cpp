#include "cli/chartargs.h"
#include "cli/chartcommand.h"
#include "platform/runtimefolder.h"
#include "platform/systemclock.h"

#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int LargestHeapBuffer = 32 << 20;
constexpr int LargeBuffersKept = 256 << 20;

// A closed standard output or error would be handed to the next file the program opens, and
// the chart written into that file. Holding its place with a descriptor open for reading only
// makes every write to it fail plainly ("Bad file descriptor").
void holdClosedStandardStreams()
{
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int held = open("/dev/null", O_RDONLY);
        if (held >= 0 && held != stream) {
            dup2(held, stream);
            close(held);
        }
    }
}

bool writesPdf(const cli::ParsedArguments &parsed)
{
    return parsed.outcome == cli::ParsedArguments::Outcome::Run && parsed.arguments.print &&
           parsed.arguments.print->output == cli::PrintArguments::Output::Pdf;
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStandardStreams();
    // The options are read before any application object exists, since they decide its kind.
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments.append(QString::fromLocal8Bit(argv[n]));
    const cli::ParsedArguments parsed = cli::ParseChartArguments(arguments);

    // Only a PDF needs the GUI side of Qt (its fonts and painter); it needs no screen, so the
    // offscreen platform serves. Everything else runs on the core alone.
    const bool pdf = writesPdf(parsed);
    // Qt's PDF writer allocates and frees large buffers for every page it compresses. Served from
    // the heap and kept there once freed, they are reused page after page instead of going back
    // to the system and coming again as fresh zeroed pages (a fifth of a long PDF's time).
    if (pdf) {
        mallopt(M_MMAP_THRESHOLD, LargestHeapBuffer);
        mallopt(M_TRIM_THRESHOLD, LargeBuffersKept);
    }
    // Offscreen even where a display is named: a stale one (after ssh -X) would abort the run.
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Under cron or ssh, without a runtime folder of the user's, Qt would warn on standard error.
    const FallbackRuntimeFolder runtimeFolder;
    const std::unique_ptr<QCoreApplication> app =
        pdf ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    switch (parsed.outcome) {
    case cli::ParsedArguments::Outcome::Help:
        return cli::WriteOutput(cli::HelpText(), stdout, stderr);
    case cli::ParsedArguments::Outcome::Version:
        return cli::WriteOutput(cli::VersionText(), stdout, stderr);
    case cli::ParsedArguments::Outcome::UsageError:
        std::fprintf(stderr, "tidemark-chart: %s\n%s", parsed.error.toUtf8().constData(),
                     cli::UsageText().toUtf8().constData());
        return cli::ExitBadInput;
    case cli::ParsedArguments::Outcome::Run:
        break;
    }
    const QString today = parsed.arguments.today.isEmpty() ? SystemClock().today() : parsed.arguments.today;
    return cli::RunChartCommand(parsed.arguments, today, stdout, stderr);
}
