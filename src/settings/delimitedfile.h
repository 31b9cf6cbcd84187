#pragma once

#include "settings/textfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// The settings files hold one value per line, each value in double quotes. These functions write
// that form and read it back, accepting any bytes: lines carried over from older machines are
// Windows-1252, damaged files must not crash.
namespace settings {

// The delimited read: leading blanks (spaces, tabs) are skipped; a field beginning with a double
// quote runs to the closing quote, which is dropped, and anything after it up to the next comma
// or line end is ignored; any other field runs to the next comma or line end, without trailing
// blanks. A doubled quote "" inside a quoted field stands for one double quote, and a quoted
// field may span line ends. CR LF, a bare LF and a bare CR each end a line. A field is read
// while the end of the text has not been reached, so an empty text gives no fields and a
// blank line gives an empty field.
[[nodiscard]] QStringList ReadDelimitedFields(QStringView text);

// One line per value: the value in double quotes (inner quotes doubled), then CR LF; UTF-8.
[[nodiscard]] QByteArray EncodeDelimitedLines(const QStringList &values);

struct FileRead
{
    bool ok = false;
    QStringList fields;
    QString error; // one sentence naming the file, when ok is false
    bool operator==(const FileRead &) const = default;
};

// The error is in `words`.
[[nodiscard]] FileRead ReadDelimitedFile(const QString &path, Wording words = KeepEnglish);

// Replaces the whole file through QSaveFile, so a failure leaves the old file as it was.
// Returns nothing on success.
[[nodiscard]] std::optional<WriteFailure> WriteDelimitedFile(const QString &path, const QStringList &values);

} // namespace settings
