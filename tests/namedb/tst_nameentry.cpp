#include "namedb/nameentry.h"
#include "namedb/namefile.h"
#include "support/datarows.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <array>

#include "support/testmain.h"

using calendar::Check;

class TestNameEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkNewEntry_data()
    {
        // Beside the one row per check of the chart test: -1 where the entry is taken.
        Columns<QString, QString, int>({"name", "birth", "check"});
        Row("valid", "Ann Lee", "03091975", -1);
        Row("day 30 of February passes", "Ann", "02301975", -1);
        Row("seven digits", "Ann", "0101199", int(Check::EntryNotEightDigits));
        Row("letters that pass the text comparisons", "Ann", "0a0b19xy", int(Check::EntryNotEightDigits));
        Row("other digits than 0-9", "Ann", QStringLiteral("0309197٥"), int(Check::EntryNotEightDigits));
        Row("month checked before the quote", "A\"n", "13091975", int(Check::EntryMonth));
        Row("line break among other control characters", "Ann\x1b\nLee", "03091975",
            int(Check::EntryLineBreak));
        Row("tab", "Ann\tLee", "03091975", int(Check::NameControlCharacter));
        Row("C1 control (NEL)", QStringLiteral("Ann\u0085Lee"), "03091975", int(Check::NameControlCharacter));
        Row("format characters are no controls", QStringLiteral("Ann\u200dLee"), "03091975", -1);
    }

    void checkNewEntry()
    {
        QFETCH(QString, name);
        QFETCH(QString, birth);
        QFETCH(int, check);
        const auto message = namedb::CheckNewEntry(name, birth);
        QCOMPARE(message, check < 0 ? std::nullopt : std::optional(calendar::MessageOf(Check(check))));
    }

    void splitEntry()
    {
        QCOMPARE(namedb::SplitEntry(u"  Lee, Ann  12-31-1999"),
                 (namedb::EntryParts{"  Lee, Ann ", "12-31-1999"}));
        QCOMPARE(namedb::SplitEntry(u"junk"), (namedb::EntryParts{"", "junk"}));
    }

    void sortedEntries()
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

    // Two copies of the program adding names at the same time keep every name that either adds.
    void twoCopiesAddAtOnce()
    {
        QTemporaryDir dir;
        const QString path = namedb::NameFilePath(dir.path());
        std::array<QProcess, 2> copies;
        for (std::size_t k = 0; k < copies.size(); ++k)
            copies[k].start(TIDEMARK_ADDNAMES_EXE,
                            {path, QStringLiteral("Copy%1").arg(k), QStringLiteral("300")});
        for (QProcess &copy : copies) {
            QVERIFY(copy.waitForFinished(120'000));
            QVERIFY2(copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0,
                     copy.readAllStandardError().constData());
        }
        const QStringList entries = namedb::LoadEntries(path).entries;
        QCOMPARE(entries.size(), 600);
        QCOMPARE(QSet<QString>(entries.cbegin(), entries.cend()).size(), 600);
        QVERIFY(!QFile::exists(path + QStringLiteral(".lock")));
    }

    // A copy killed while it changed the file leaves its lock behind; the next change takes it
    // over, as no process of its number runs any more.
    void lockOfAKilledCopy()
    {
        QTemporaryDir dir;
        const QString path = namedb::NameFilePath(dir.path());
        QProcess copy;
        copy.start(TIDEMARK_ADDNAMES_EXE, {path, QStringLiteral("hold")});
        QVERIFY(copy.waitForReadyRead(30'000) && copy.readAll() == "locked\n");
        copy.kill();
        QVERIFY(copy.waitForFinished() && QFile::exists(path + QStringLiteral(".lock")));
        QCOMPARE(namedb::AddEntry(path, QStringLiteral("Ann Lee 03-09-1975")), std::nullopt);
        QCOMPARE(namedb::LoadEntries(path).entries, QStringList{QStringLiteral("Ann Lee 03-09-1975")});
    }
};

TIDEMARK_TEST(TestNameEntry)
#include "tst_nameentry.moc"
