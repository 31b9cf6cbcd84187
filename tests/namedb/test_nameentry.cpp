#include "namedb/nameentry.h"
#include "namedb/namefile.h"

#include <QLocale>
#include <QTest>

using namedb::EntryParts;
using calendar::Message;

class TestNameEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkNewEntry_data();
    void checkNewEntry();
    void splitEntry_data();
    void splitEntry();
    void sortedEntries();
    void entryAdded_data();
    void entryAdded();
};

void TestNameEntry::checkNewEntry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("title");

    const auto row = [](const char *tag, const QString &name, const QString &birth, const QString &title) {
        QTest::newRow(tag) << name << birth << title;
    };
    row("valid", "Ann Lee", "03091975", {});
    row("month 00", "Ann", "00091975", "MONTH DATE INPUT ERROR");
    row("day 30 of February passes", "Ann", "02301975", {});
    row("year 1499", "Ann", "03091499", "YEAR DATE INPUT ERROR");
    row("short date has no year", "Ann", "0309", "YEAR DATE INPUT ERROR");
    row("nine digits", "Ann", "030919751", "DATE INPUT ERROR");
    row("seven digits", "Ann", "0101199", "DATE INPUT ERROR");
    row("letters that pass the text comparisons", "Ann", "0a0b19xy", "DATE INPUT ERROR");
    row("other digits than 0-9", "Ann", QStringLiteral("0309197٥"), "DATE INPUT ERROR");
    row("month checked before quote", "A\"n", "13091975", "MONTH DATE INPUT ERROR");
    row("double quote in name", "Ann \"Annie\" Lee", "03091975", "NAME INPUT ERROR");
    row("pasted line break in name", "Ann\nLee", "03091975", "NAME INPUT ERROR");
}

void TestNameEntry::checkNewEntry()
{
    QFETCH(QString, name);
    QFETCH(QString, birth);
    QFETCH(QString, title);
    const std::optional<Message> message = namedb::CheckNewEntry(name, birth);
    QCOMPARE(message ? message->title : QString(), title);
}

void TestNameEntry::splitEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birthdate");

    const auto row = [](const char *tag, const QString &entry, const QString &name,
                        const QString &birthdate) { QTest::newRow(tag) << entry << name << birthdate; };
    row("plain", "Ann Lee 03-09-1975", "Ann Lee", "03-09-1975");
    row("name with blanks kept", "  Lee, Ann  12-31-1999", "  Lee, Ann ", "12-31-1999");
    row("empty name", " 03-09-1975", "", "03-09-1975");
    row("shorter than a date", "junk", "", "junk");
}

void TestNameEntry::splitEntry()
{
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, birthdate);
    QCOMPARE(namedb::SplitEntry(entry), (EntryParts{name, birthdate}));
}

void TestNameEntry::sortedEntries()
{
    // The order must not follow the machine's locale: Swedish puts "Ä" after "Z".
    const QLocale machine;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    const QStringList in = {"bob 01-01-2000", "Zed 01-01-2000",   "alice 01-01-2000",
                            "Bob 01-01-2000", "ALICE 01-01-1999", "Émile 01-01-2000",
                            "éa 01-01-2000",  "Emile 01-01-2000", "Ärla 01-01-2000"};
    const QStringList expected = {"ALICE 01-01-1999", "alice 01-01-2000", "Ärla 01-01-2000",
                                  "Bob 01-01-2000",   "bob 01-01-2000",   "éa 01-01-2000",
                                  "Emile 01-01-2000", "Émile 01-01-2000", "Zed 01-01-2000"};
    QCOMPARE(namedb::SortedEntries(in), expected);
    QLocale::setDefault(machine);
}

void TestNameEntry::entryAdded_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty file") << QByteArray() << QByteArray("\"A 01-01-2000\"\r\n");
    QTest::newRow("only a byte-order mark")
        << QByteArray("\xef\xbb\xbf") << QByteArray("\xef\xbb\xbf\"A 01-01-2000\"\r\n");
    QTest::newRow("last line without an end") << QByteArray("x") << QByteArray("x\r\n\"A 01-01-2000\"\r\n");
    QTest::newRow("bare CR at the end") << QByteArray("x\r") << QByteArray("x\r\"A 01-01-2000\"\r\n");
}

void TestNameEntry::entryAdded()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QCOMPARE(namedb::WithEntryAdded(before, QStringLiteral("A 01-01-2000")), after);
}

QTEST_GUILESS_MAIN(TestNameEntry)
#include "test_nameentry.moc"
