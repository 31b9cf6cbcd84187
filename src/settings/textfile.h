#pragma once

#include "platform/wording.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

class QSaveFile;

// Bytes of the program's small text files, line by line. Files carried over from older
// machines may mix UTF-8 lines with Windows-1252 ones, so each line is decoded on its own.
namespace settings {

// One line of a file's bytes: where it starts, the length of its text and of its line end.
// CR LF, a bare LF and a bare CR each end a line; the last line may have no line end. A UTF-8
// byte-order mark at the start of the bytes belongs to no line.
struct LineSpan
{
    qsizetype begin = 0;
    qsizetype size = 0;
    qsizetype endSize = 0;
    [[nodiscard]] qsizetype end() const { return begin + size + endSize; }
    bool operator==(const LineSpan &) const = default;
};

[[nodiscard]] QList<LineSpan> SplitLines(QByteArrayView bytes);

// A line's text: UTF-8 when the line is valid UTF-8, otherwise Windows-1252.
[[nodiscard]] QString DecodeLine(QByteArrayView line);

// A whole file's text, each line decoded on its own and its line end kept; a UTF-8 byte-order
// mark at the start of the file is dropped.
[[nodiscard]] QString DecodeFileText(QByteArrayView bytes);

struct BytesRead
{
    bool ok = false;
    QByteArray bytes;
    QString error; // one sentence naming the file, when ok is false
    bool operator==(const BytesRead &) const = default;
};

// Reads a whole file. Only a regular file is read: opening a named pipe blocks until a writer
// comes, and a device may never end; anything else fails as a file that cannot be read. The
// error is in `words`.
[[nodiscard]] BytesRead ReadFileBytes(const QString &path, Wording words = KeepEnglish);

// A file that could not be written, and why, in the system's words.
struct WriteFailure
{
    QString path;
    QString reason;
    bool operator==(const WriteFailure &) const = default;
};

// Replaces the whole file with `bytes` through `file`, a save file not yet open, so that the old
// file stays whole until the new one is complete, even on a full disk. The new file is for its
// owner only (0600). Returns nothing on success.
[[nodiscard]] std::optional<WriteFailure> WriteFileBytes(QSaveFile &file, QByteArrayView bytes);

// The same for the file at `path`.
[[nodiscard]] std::optional<WriteFailure> WriteFileBytes(const QString &path, QByteArrayView bytes);

// The same, with an empty string on success and otherwise one sentence in `words` naming the file.
[[nodiscard]] QString SaveFileBytes(const QString &path, QByteArrayView bytes, Wording words = KeepEnglish);

} // namespace settings
