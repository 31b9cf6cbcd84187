#include "settings/delimitedfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

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

QString DecodeCp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(Cp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// The index of the next comma or line end at or after i, or the text's size.
qsizetype FieldEnd(QStringView text, qsizetype i)
{
    while (i < text.size() && text[i] != u',' && !IsLineEnd(text[i]))
        ++i;
    return i;
}

QString Shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString DecodeFileText(const QByteArray &bytes)
{
    // Stateless, so that a sequence cut short at the end counts as an error too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeCp1252(bytes);
}

QStringList ReadDelimitedFields(QStringView text)
{
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && IsBlank(text[i]))
            ++i;
        QString field;
        if (i < n && text[i] == u'"') {
            ++i;
            while (i < n) {
                const qsizetype quote = text.indexOf(u'"', i);
                if (quote < 0) {
                    field += text.sliced(i);
                    i = n;
                    break;
                }
                field += text.sliced(i, quote - i);
                if (quote + 1 < n && text[quote + 1] == u'"') {
                    field += u'"';
                    i = quote + 2;
                } else {
                    i = quote + 1;
                    break;
                }
            }
            i = FieldEnd(text, i);
        } else {
            const qsizetype begin = i;
            i = FieldEnd(text, i);
            qsizetype end = i;
            while (end > begin && IsBlank(text[end - 1]))
                --end;
            field = text.sliced(begin, end - begin).toString();
        }
        // Step over the delimiter; CR LF counts as one line end.
        if (i < n)
            i += (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ? 2 : 1;
        fields.append(field);
    }
    return fields;
}

QByteArray EncodeDelimitedLines(const QStringList &values)
{
    QString text;
    for (const QString &value : values) {
        text += u'"';
        text += QString(value).replace(u'"', QStringLiteral("\"\""));
        text += QStringLiteral("\"\r\n");
    }
    return text.toUtf8();
}

FileRead ReadDelimitedFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false,
                {},
                QStringLiteral("The file %1 could not be read (%2).").arg(Shown(path), file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false,
                {},
                QStringLiteral("The file %1 could not be read (%2).").arg(Shown(path), file.errorString())};
    return {true, ReadDelimitedFields(DecodeFileText(bytes)), {}};
}

QString WriteDelimitedFile(const QString &path, const QStringList &values)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("The file %1 could not be written (%2).").arg(Shown(path), file.errorString());
    file.write(EncodeDelimitedLines(values));
    if (!file.commit())
        return QStringLiteral("The file %1 could not be written (%2).").arg(Shown(path), file.errorString());
    return {};
}

} // namespace settings
