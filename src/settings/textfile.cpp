#include "settings/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtGlobal>

namespace settings {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes it leaves undefined keep
// their Latin-1 values, as Windows itself maps them.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

QString DecodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(Cp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

constexpr QByteArrayView ByteOrderMark("\xef\xbb\xbf");

QString ReadError(const QString &path, const QString &reason, Wording words)
{
    //: %1 is the file's path, %2 why it could not be read
    return words("SettingsMessages",
                 QT_TRANSLATE_NOOP("SettingsMessages", "The file %1 could not be read (%2)."))
        .arg(QDir::toNativeSeparators(path), reason);
}

QString WriteError(const QString &path, const QString &reason, Wording words)
{
    //: %1 is the file's path, %2 why it could not be written
    return words("SettingsMessages",
                 QT_TRANSLATE_NOOP("SettingsMessages", "The file %1 could not be written (%2)."))
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QList<LineSpan> SplitLines(QByteArrayView bytes)
{
    QList<LineSpan> lines;
    qsizetype begin = bytes.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
    while (begin < bytes.size()) {
        qsizetype end = begin;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype endSize = 0;
        if (end < bytes.size())
            endSize = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
        lines.append({begin, end - begin, endSize});
        begin = end + endSize;
    }
    return lines;
}

QString DecodeLine(QByteArrayView line)
{
    // Stateless, so that a sequence cut short at the end of the line counts as an error too.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(line);
    return utf8.hasError() ? DecodeCp1252(line) : text;
}

QString DecodeFileText(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const LineSpan &line : SplitLines(bytes)) {
        text += DecodeLine(bytes.sliced(line.begin, line.size));
        text += QLatin1StringView(bytes.sliced(line.begin + line.size, line.endSize));
    }
    return text;
}

BytesRead ReadFileBytes(const QString &path, Wording words)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {false,
                {},
                ReadError(path,
                          //: Why a file could not be read
                          words("SettingsMessages",
                                QT_TRANSLATE_NOOP("SettingsMessages", "it is not a regular file")),
                          words)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, ReadError(path, file.errorString(), words)};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, {}, ReadError(path, file.errorString(), words)};
    return {true, std::move(bytes), {}};
}

std::optional<WriteFailure> WriteFileBytes(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    return WriteFileBytes(file, bytes);
}

std::optional<WriteFailure> WriteFileBytes(QSaveFile &file, QByteArrayView bytes)
{
    if (!file.open(QIODevice::WriteOnly))
        return WriteFailure{file.fileName(), file.errorString()};
    // The program's files hold people's names and birthdates: only their owner may read them,
    // whatever mode the old file had. A file system without modes keeps its own.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // A full disk shows as a short write or, for data still in the buffer, a failed flush.
    // commit() would still put the incomplete file in place of the old one, so any failure
    // cancels the save and the old file stays as it was.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const WriteFailure failure{file.fileName(), file.errorString()};
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return WriteFailure{file.fileName(), file.errorString()};
    return std::nullopt;
}

QString SaveFileBytes(const QString &path, QByteArrayView bytes, Wording words)
{
    const std::optional<WriteFailure> failure = WriteFileBytes(path, bytes);
    return failure ? WriteError(failure->path, failure->reason, words) : QString();
}

} // namespace settings
