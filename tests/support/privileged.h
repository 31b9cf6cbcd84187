#pragma once

#include <QString>
#include <QTest>

// Some tests need root: they mount a small file system to meet a full or read-only disk for
// real. Where they cannot run they skip, except on CI (CI=true in the environment), where a
// skip would let the run pass without them: there they fail.

[[nodiscard]] bool OnCi();

// Ends the running test function when `ready` is false: a skip giving `reason`, or on CI a
// failure giving it.
#define TIDEMARK_REQUIRE(ready, reason)                                                                      \
    do {                                                                                                     \
        if (!(ready)) {                                                                                      \
            if (OnCi())                                                                                      \
                QFAIL(qPrintable(QStringLiteral("cannot run on CI: ") + (reason)));                          \
            QSKIP(qPrintable(reason));                                                                       \
        }                                                                                                    \
    } while (false)

// A tmpfs of the given size mounted over an existing folder for the life of the object; the
// destructor unmounts it. Mounting needs root (CAP_SYS_ADMIN).
class TmpfsMount
{
public:
    TmpfsMount(QString folder, qint64 sizeBytes);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    [[nodiscard]] bool isMounted() const { return m_error.isEmpty(); }
    // Why the mount failed, as a sentence for TIDEMARK_REQUIRE.
    [[nodiscard]] QString error() const { return m_error; }

    // Makes the mounted file system read-only.
    [[nodiscard]] bool remountReadOnly();
    // Writes a file until the file system has no room left.
    [[nodiscard]] bool fill();

private:
    QString m_folder;
    QString m_error;
};

#define TIDEMARK_REQUIRE_MOUNT(mount) TIDEMARK_REQUIRE((mount).isMounted(), (mount).error())
