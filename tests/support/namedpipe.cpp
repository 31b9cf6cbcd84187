#include "support/namedpipe.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

using namespace std::chrono_literals;

NamedPipe::NamedPipe(const QString &path)
    : m_path(QFile::encodeName(path))
    , m_valid(::mkfifo(m_path.constData(), 0600) == 0)
{
    if (m_valid)
        m_watcher = std::thread(&NamedPipe::watch, this);
}

NamedPipe::~NamedPipe()
{
    (void)blocked();
}

bool NamedPipe::blocked()
{
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_doneChanged.notify_all();
    if (m_watcher.joinable())
        m_watcher.join();
    return m_released;
}

void NamedPipe::watch()
{
    std::unique_lock lock(m_mutex);
    if (m_doneChanged.wait_for(lock, 5s, [this] { return m_done; }))
        return;
    // A non-blocking open for writing succeeds only while a reader has the pipe open or waits
    // in open(); closing it again gives that reader an empty file.
    while (!m_done) {
        const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            m_released = true;
            ::close(fd);
        }
        m_doneChanged.wait_for(lock, 50ms, [this] { return m_done; });
    }
}
