#include "settings/delimitedfile.h"

namespace settings {

namespace {

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

} // namespace

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

FileRead ReadDelimitedFile(const QString &path, Wording words)
{
    const BytesRead read = ReadFileBytes(path, words);
    if (!read.ok)
        return {false, {}, read.error};
    return {true, ReadDelimitedFields(DecodeFileText(read.bytes)), {}};
}

std::optional<WriteFailure> WriteDelimitedFile(const QString &path, const QStringList &values)
{
    return WriteFileBytes(path, EncodeDelimitedLines(values));
}

} // namespace settings
