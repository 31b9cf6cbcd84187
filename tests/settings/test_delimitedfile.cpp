#include "settings/delimitedfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace settings;

namespace {

QByteArray Raw(const char *bytes, qsizetype size)
{
    return QByteArray(bytes, size);
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool PutFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QString DataDir = QStringLiteral(TIDEMARK_TEST_DATA "/settings");

// A save file on a disk that has room for only so many more bytes.
class FullDiskSaveFile : public QSaveFile
{
public:
    FullDiskSaveFile(const QString &path, qint64 room)
        : QSaveFile(path)
        , m_room(room)
    {}

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 written = m_room > 0 ? QSaveFile::writeData(data, std::min(size, m_room)) : 0;
        m_room -= written;
        if (written == size)
            return written;
        setErrorString(QStringLiteral("No space left on device"));
        return written > 0 ? written : -1;
    }

private:
    qint64 m_room;
};

} // namespace

class TestDelimitedFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void decodeEveryHighByte();
    void readFields_data();
    void readFields();
    void encode_data();
    void encode();
    void roundTrip_data();
    void roundTrip();
    void arbitraryBytesReadBackTheSame();
    void largeInputs_data();
    void largeInputs();
    void readWindows1252File();
    void readFailures_data();
    void readFailures();
    void writeReplacesFile();
    void writeFailures_data();
    void writeFailures();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
};

void TestDelimitedFile::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii") << QByteArray("\"Arial\"\r\n") << QStringLiteral("\"Arial\"\r\n");
    QTest::newRow("utf-8 accents") << QByteArray("Zo\xc3\xab \xc3\x85lesund")
                                   << QStringLiteral("Zoë Ålesund");
    QTest::newRow("utf-8 byte-order mark dropped")
        << QByteArray("\xef\xbb\xbf\"a\"") << QStringLiteral("\"a\"");
    QTest::newRow("windows-1252 accent") << QByteArray("Jos\xe9") << QStringLiteral("José");
    QTest::newRow("windows-1252 punctuation")
        << QByteArray("\x80\x93x\x94\x9f\x8a\x99") << QStringLiteral("€“x”ŸŠ™");
    QTest::newRow("utf-8 cut short at the end") << QByteArray("abc\xc3") << QStringLiteral("abcÃ");
    QTest::newRow("overlong utf-8") << QByteArray("\xc0\xaf") << QStringLiteral("À¯");
    QTest::newRow("utf-8 encoded surrogate") << QByteArray("\xed\xa0\x80") << QStringLiteral("í\u00a0€");
    QTest::newRow("nul bytes kept") << Raw("a\0b", 3) << QString(QStringLiteral("a") + QChar(0) + u'b');
    QTest::newRow("each line on its own")
        << QByteArray("\"Zo\xc3\xab\"\r\n\"Jos\xe9\"\n\"\xc3\x85\"\r\"\x80\"")
        << QStringLiteral("\"Zoë\"\r\n\"José\"\n\"Å\"\r\"€\"");
    QTest::newRow("byte-order mark before a windows-1252 line")
        << QByteArray("\xef\xbb\xbf\"Jos\xe9\"\r\n") << QStringLiteral("\"José\"\r\n");
}

void TestDelimitedFile::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeFileText(bytes), text);
}

void TestDelimitedFile::decodeEveryHighByte()
{
    // Reference made with another Windows-1252 decoder; the undefined bytes keep Latin-1 values.
    const QByteArray bytes = FileBytes(DataDir + QStringLiteral("/cp1252-high-bytes.bin"));
    const QString expected =
        QString::fromUtf8(FileBytes(DataDir + QStringLiteral("/cp1252-high-bytes.utf8")));
    QCOMPARE(bytes.size(), 128);
    QCOMPARE(expected.size(), 128);
    QCOMPARE(DecodeFileText(bytes), expected);
}

void TestDelimitedFile::readFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    const QChar nul(0);
    QTest::newRow("empty text") << QString() << QStringList{};
    QTest::newRow("one quoted line") << QStringLiteral("\"Arial\"\r\n") << QStringList{"Arial"};
    QTest::newRow("no final line end") << QStringLiteral("\"a\"\r\n\"b\"") << QStringList{"a", "b"};
    QTest::newRow("bare LF") << QStringLiteral("\"a\"\n\"b\"\n") << QStringList{"a", "b"};
    QTest::newRow("bare CR") << QStringLiteral("\"a\"\r\"b\"\r") << QStringList{"a", "b"};
    QTest::newRow("LF then CR are two line ends") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("unquoted") << QStringLiteral("single\r\n") << QStringList{"single"};
    QTest::newRow("unquoted trailing blanks dropped")
        << QStringLiteral("true \t \r\n") << QStringList{"true"};
    QTest::newRow("leading blanks skipped")
        << QStringLiteral(" \t \"x\"\r\n \ty\r\n") << QStringList{"x", "y"};
    QTest::newRow("blanks inside quotes kept") << QStringLiteral("\"  x  \"") << QStringList{"  x  "};
    QTest::newRow("junk after closing quote")
        << QStringLiteral("\"a\"junk\r\n\"b\"") << QStringList{"a", "b"};
    QTest::newRow("junk then comma") << QStringLiteral("\"a\" junk,\"b\"\r\n") << QStringList{"a", "b"};
    QTest::newRow("fields on one line") << QStringLiteral("\"a\",\"b\",c\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("comma inside quotes")
        << QStringLiteral("\"Anytown, ST\"\r\n") << QStringList{"Anytown, ST"};
    QTest::newRow("empty quoted field") << QStringLiteral("\"\"\r\n\"b\"\r\n") << QStringList{"", "b"};
    QTest::newRow("doubled quotes") << QStringLiteral("\"say \"\"hi\"\"\"\r\n\"b\"")
                                    << QStringList{"say \"hi\"", "b"};
    QTest::newRow("value that is one quote") << QStringLiteral("\"\"\"\"\r\n") << QStringList{"\""};
    QTest::newRow("quoted field spans line ends")
        << QStringLiteral("\"a\r\nb\"\r\n\"c\"") << QStringList{"a\r\nb", "c"};
    QTest::newRow("unterminated quote runs to the end")
        << QStringLiteral("\"abc\r\ndef") << QStringList{"abc\r\ndef"};
    QTest::newRow("lone quote") << QStringLiteral("\"") << QStringList{""};
    QTest::newRow("blank line is an empty field")
        << QStringLiteral("\"a\"\r\n\r\n\"b\"\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("blanks only") << QStringLiteral("   ") << QStringList{""};
    QTest::newRow("trailing comma at the end") << QStringLiteral("a,") << QStringList{"a"};
    QTest::newRow("comma before line end") << QStringLiteral("a,\r\n") << QStringList{"a", ""};
    QTest::newRow("quote inside unquoted field") << QStringLiteral("ab\"c\r\n") << QStringList{"ab\"c"};
    QTest::newRow("nul characters") << QString(QStringLiteral("\"a") + nul + QStringLiteral("b\"\r\n") + nul)
                                    << QStringList{QStringLiteral("a") + nul + u'b', QString(nul)};
    // Older files wrote a quote inside a value as it was; the rest of that line is lost, but
    // the following lines are still read in their places.
    QTest::newRow("old unescaped quote")
        << QStringLiteral("\"say \"hi\" there\"\r\n\"next\"\r\n") << QStringList{"say ", "next"};
}

void TestDelimitedFile::readFields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QCOMPARE(ReadDelimitedFields(text), fields);
}

void TestDelimitedFile::encode_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no values") << QStringList{} << QByteArray();
    QTest::newRow("two values") << QStringList{"50", "laser"} << QByteArray("\"50\"\r\n\"laser\"\r\n");
    QTest::newRow("empty value") << QStringList{""} << QByteArray("\"\"\r\n");
    QTest::newRow("quote doubled") << QStringList{"say \"hi\""} << QByteArray("\"say \"\"hi\"\"\"\r\n");
    QTest::newRow("non-ascii as utf-8")
        << QStringList{QStringLiteral("Zoë")} << QByteArray("\"Zo\xc3\xab\"\r\n");
}

void TestDelimitedFile::encode()
{
    QFETCH(QStringList, values);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeDelimitedLines(values), bytes);
}

void TestDelimitedFile::roundTrip_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::newRow("comma in a heading") << QStringList{"Lead", "1 Harbour Road, Flat 2", "after"};
    QTest::newRow("quote then more fields") << QStringList{"Ann \"Annie\" Example", "next", "last"};
    QTest::newRow("quotes and commas only") << QStringList{"\"", "\"\"", ",", "\",\""};
    QTest::newRow("empty values") << QStringList{"", "", "x", ""};
    QTest::newRow("non-ascii") << QStringList{QStringLiteral("Zoë"), QStringLiteral("Ålesund"),
                                              QStringLiteral("東京"), QStringLiteral("🌊 tide")};
    QTest::newRow("leading and trailing blanks") << QStringList{"  x", "y  ", "\t"};
    QTest::newRow("line break in a value") << QStringList{"a\r\nb", "c\nd", "e"};
    QTest::newRow("nul character") << QStringList{QString(QChar(0)), "after"};
}

void TestDelimitedFile::roundTrip()
{
    QFETCH(QStringList, values);
    QCOMPARE(ReadDelimitedFields(DecodeFileText(EncodeDelimitedLines(values))), values);
}

void TestDelimitedFile::arbitraryBytesReadBackTheSame()
{
    // Whatever a damaged file holds, what was read must survive being written and read again.
    static const char alphabet[] = {'"', ',',  '\r',   '\n',   ' ',    '\t',
                                    'a', '\0', '\xc3', '\xa9', '\x93', '\xff'};
    QRandomGenerator random(20240601);
    for (int round = 0; round < 5000; ++round) {
        QByteArray bytes;
        const int size = random.bounded(48);
        const bool anyByte = round % 4 == 0;
        for (int k = 0; k < size; ++k)
            bytes.append(anyByte ? char(random.bounded(256))
                                 : alphabet[random.bounded(int(sizeof alphabet))]);
        const QString text = DecodeFileText(bytes);
        const QStringList fields = ReadDelimitedFields(text);
        QVERIFY2(fields.size() <= text.size(), bytes.toHex().constData());
        QVERIFY2(ReadDelimitedFields(DecodeFileText(EncodeDelimitedLines(fields))) == fields,
                 bytes.toHex().constData());
    }
}

void TestDelimitedFile::largeInputs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("fieldCount");
    const qsizetype n = 1 << 20;
    QTest::newRow("a megabyte of quotes") << QString(n, u'"') << qsizetype(1);
    QTest::newRow("a megabyte of commas") << QString(n, u',') << n;
    QTest::newRow("a megabyte of line feeds") << QString(n, u'\n') << n;
    QTest::newRow("a megabyte of blanks") << QString(n, u' ') << qsizetype(1);
}

void TestDelimitedFile::largeInputs()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, fieldCount);
    QCOMPARE(ReadDelimitedFields(text).size(), fieldCount);
}

void TestDelimitedFile::readWindows1252File()
{
    const FileRead read = ReadDelimitedFile(DataDir + QStringLiteral("/cp1252-cover.dat"));
    QVERIFY(read.ok);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.fields, (QStringList{QStringLiteral("This Chart Was Prepared By:"),
                                       QStringLiteral("José Muñoz"), QStringLiteral("12 Rue de l’Église"),
                                       QStringLiteral("Zürich – 8000"), QStringLiteral("jose@example.com")}));
}

void TestDelimitedFile::readFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("makeDirectory");
    QTest::newRow("missing file") << QStringLiteral("cover.dat") << false;
    QTest::newRow("a folder in place of the file") << QStringLiteral("font.dat") << true;
}

void TestDelimitedFile::readFailures()
{
    QFETCH(QString, name);
    QFETCH(bool, makeDirectory);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (makeDirectory)
        QVERIFY(QDir(dir.path()).mkdir(name));
    const FileRead read = ReadDelimitedFile(dir.filePath(name));
    QVERIFY(!read.ok);
    QVERIFY(read.fields.isEmpty());
    QVERIFY2(read.error.contains(name) && read.error.endsWith(u'.'), qPrintable(read.error));
}

void TestDelimitedFile::writeReplacesFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("printer.dat"));
    QVERIFY(PutFile(path, QByteArray(4000, 'x')));
    QCOMPARE(WriteDelimitedFile(path, {"60", "matrix"}), QString());
    QCOMPARE(FileBytes(path), QByteArray("\"60\"\r\n\"matrix\"\r\n"));
    const FileRead read = ReadDelimitedFile(path);
    QVERIFY(read.ok);
    QCOMPARE(read.fields, (QStringList{"60", "matrix"}));
}

void TestDelimitedFile::writeFailures_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("folder under a regular file") << QStringLiteral("plain.txt/cover.dat");
    QTest::newRow("missing folder") << QStringLiteral("absent/cover.dat");
    QTest::newRow("a folder in place of the file") << QStringLiteral("taken");
}

void TestDelimitedFile::writeFailures()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(PutFile(dir.filePath(QStringLiteral("plain.txt")), "keep"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    const QString error = WriteDelimitedFile(dir.filePath(relativePath), {"a"});
    QVERIFY2(error.contains(QFileInfo(relativePath).fileName()) && error.endsWith(u'.'), qPrintable(error));
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("plain.txt"))), QByteArray("keep"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("taken"))).isDir());
}

void TestDelimitedFile::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<qint64>("room");
    QTest::newRow("no room at all") << qint64(0);
    QTest::newRow("room for a part") << qint64(4);
}

void TestDelimitedFile::fullDiskKeepsTheOldFile()
{
    QFETCH(qint64, room);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("cover.dat"));
    QVERIFY(PutFile(path, "\"old\"\r\n"));
    {
        FullDiskSaveFile file(path, room);
        const QString error = SaveFileBytes(file, "\"new, and longer\"\r\n");
        QVERIFY2(error.contains(QStringLiteral("cover.dat")) && error.contains(QStringLiteral("No space")),
                 qPrintable(error));
    }
    QCOMPARE(FileBytes(path), QByteArray("\"old\"\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cover.dat"});
}

QTEST_GUILESS_MAIN(TestDelimitedFile)
#include "test_delimitedfile.moc"
