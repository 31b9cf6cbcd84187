#pragma once

#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

// A named pipe (FIFO) where a program file is expected. Opening a pipe blocks until the other end
// is opened, so code that opens it would hang the test: when the code has not finished within a
// few seconds, the other end is opened from another thread (and what is written there read and
// dropped), which lets the blocked open return, and blocked() then reports it.
class NamedPipe
{
public:
    explicit NamedPipe(const QString &path);
    ~NamedPipe();
    NamedPipe(const NamedPipe &) = delete;
    NamedPipe &operator=(const NamedPipe &) = delete;

    [[nodiscard]] bool isValid() const { return m_valid; }
    // Stops watching; true when the code under test blocked on the pipe and had to be released.
    [[nodiscard]] bool blocked();

private:
    void watch();

    QByteArray m_path;
    bool m_valid = false;
    std::mutex m_mutex;
    std::condition_variable m_doneChanged;
    bool m_done = false;
    bool m_released = false;
    std::thread m_watcher;
};
