#include "support/namedpipe.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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
    // in open(); closing it again gives that reader an empty file. A non-blocking open for
    // reading lets a writer waiting in open() go on: it is held open, and what the writer writes
    // read and dropped, until the writer closes.
    int reader = -1;
    while (!m_done) {
        const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            m_released = true;
            ::close(fd);
        }
        if (reader < 0)
            reader = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK);
        if (reader >= 0) {
            char buffer[4096];
            ssize_t count = 0;
            while ((count = ::read(reader, buffer, sizeof buffer)) > 0)
                m_released = true;
            if (count < 0 && errno == EAGAIN) {
                m_released = true; // a writer, with nothing written yet
            } else if (count == 0) {
                ::close(reader); // no writer, or none any more
                reader = -1;
            }
        }
        m_doneChanged.wait_for(lock, 50ms, [this] { return m_done; });
    }
    if (reader >= 0)
        ::close(reader);
}
