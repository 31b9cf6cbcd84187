#pragma once

#include <QString>

class QFile;

// Where an output goes when the user names its file, written the way a shell's redirection
// writes it. A path that names one of the program's open descriptors (/dev/stdout, /dev/fd/3)
// is written through that descriptor where it stands, after whatever it already took. A device,
// a FIFO, a terminal or a socket is written in place and never replaced. A regular file, or a
// name nothing stands under yet, is replaced only once the output is complete, so nothing
// half-written ever stands under its name. Symbolic links are followed first: their target is
// what gets the output.
struct OutputTarget
{
    enum class Kind { Replace, InPlace, Descriptor };
    Kind kind = Kind::Replace;
    QString path;        // the file at the end of the symbolic links (for a descriptor, its name)
    int descriptor = -1; // Descriptor: the open descriptor the path names
    bool operator==(const OutputTarget &) const = default;
};

[[nodiscard]] OutputTarget OutputTargetOf(const QString &path);

// Opens `file` for writing to a target that is not replaced (InPlace or Descriptor): the device
// or FIFO itself, or a copy of the descriptor that shares its position. False, with the reason
// in `error`, when it cannot be opened.
[[nodiscard]] bool OpenInPlace(QFile &file, const OutputTarget &target, QString *error);
