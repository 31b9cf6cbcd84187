// The settings-file reader. The input is one file's bytes: any bytes split into lines that
// cover them, decode and read without a crash; a file of UTF-8 throughout decodes as UTF-8; the
// fields read, written again by the writer, read back equal. So do the input's parts taken as
// values to write.
#include "fuzzcheck.h"
#include "settings/delimitedfile.h"
#include "settings/textfile.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

QStringList writtenAndRead(const QStringList &values)
{
    return settings::ReadDelimitedFields(settings::DecodeFileText(settings::EncodeDelimitedLines(values)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::InputBytes(data, size);
    const qsizetype bom = bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;

    qsizetype next = bom;
    for (const settings::LineSpan &line : settings::SplitLines(bytes)) {
        const QByteArrayView text = QByteArrayView(bytes).sliced(line.begin, line.size);
        FUZZ_CHECK(line.begin == next && !text.contains('\r') && !text.contains('\n'));
        FUZZ_CHECK(line.endSize <= 2 && (line.endSize > 0 || line.end() == bytes.size()));
        next = line.end();
    }
    FUZZ_CHECK(next == bytes.size());

    const QString text = settings::DecodeFileText(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString asUtf8 = utf8.decode(QByteArrayView(bytes).sliced(bom));
    FUZZ_CHECK(utf8.hasError() || text == asUtf8);

    const QStringList fields = settings::ReadDelimitedFields(text);
    FUZZ_CHECK(writtenAndRead(fields) == fields);

    QStringList values;
    for (const QByteArray &part : fuzz::InputParts(data, size))
        values.append(QString::fromUtf8(part));
    FUZZ_CHECK(writtenAndRead(values) == values);
    return 0;
}
