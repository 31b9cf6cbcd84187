#include "platform/terminationsignals.h"

#include <QSocketNotifier>

#include <array>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace {

constexpr std::array Caught{SIGTERM, SIGHUP, SIGINT};

// The pipe from the handler to the event loop: read end, write end. One program has one.
int signalPipe[2] = {-1, -1};

void WriteSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char number = char(signalNumber);
    // A full pipe already holds signals enough to close the window; this one may go.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    Q_ASSERT(signalPipe[0] < 0);
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    m_notifier->setEnabled(false);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignals);
    struct sigaction action = {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on; the handler gives way to the default after one signal.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signalNumber : Caught)
        ::sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    if (signalPipe[0] < 0)
        return;
    for (const int signalNumber : Caught)
        ::signal(signalNumber, SIG_DFL);
    delete m_notifier;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void TerminationSignals::start()
{
    if (m_notifier)
        m_notifier->setEnabled(true);
}

void TerminationSignals::readSignals()
{
    char numbers[16];
    ssize_t count = 0;
    while ((count = ::read(signalPipe[0], numbers, sizeof numbers)) > 0) {
        for (ssize_t k = 0; k < count; ++k)
            Q_EMIT received(numbers[k]);
    }
}
