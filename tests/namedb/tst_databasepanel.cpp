// The name database panel through its controls, found by object name, over a real bioname.dat.

#include "namedb/databasepanel.h"
#include "namedb/namefile.h"
#include "support/datarows.h"
#include "support/filebytes.h"
#include "support/namedpipe.h"
#include "support/privileged.h"
#include "support/recordingalerts.h"

#include <QtTest>
#include <QtWidgets>

#include <optional>

#include "support/testmain.h"

namespace {

const QByteArray Ann("\"Ann Lee 03-09-1975\"\r\n");
const QByteArray Two = Ann + "\"Bob Roe 04-04-1944\"\r\n";

// The panel, opened over a folder whose bioname.dat holds the given bytes (none: no file).
struct Panel
{
    explicit Panel(const std::optional<QByteArray> &content = Two)
        : panel(alerts, dir.path())
    {
        QVERIFY(!content || PutFile(path(), *content));
        panel.show();
        panel.open();
    }
    QLineEdit *box(const char *name) { return panel.findChild<QLineEdit *>(QLatin1String(name)); }
    QListWidget *list() { return panel.findChild<QListWidget *>(QStringLiteral("List1")); }
    void click(const char *name) { QTest::mouseClick(panel.findChild<QWidget *>(name), Qt::LeftButton); }
    [[nodiscard]] QString path() const { return dir.filePath(QStringLiteral("bioname.dat")); }
    [[nodiscard]] QByteArray bytes() const { return FileBytes(path()); }
    void add(const QString &name, const QString &birth)
    {
        box("Text1")->setText(name);
        box("Text2")->setText(birth);
        click("Command1");
    }
    void remove(const QString &entry)
    {
        list()->setCurrentItem(list()->findItems(entry, Qt::MatchExactly).value(0));
        click("cmdDeleteName");
    }
    // Ctrl+Z in the list.
    void undo()
    {
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
    }

    QTemporaryDir dir;
    RecordingAlerts alerts;
    DatabasePanel panel;
};

} // namespace

class TestDatabasePanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A refused entry keeps the file and the typed text as they were; Delete removes its line alone.
    void refusedAddAndDelete()
    {
        Panel p;
        p.add(QStringLiteral("Ann"), QStringLiteral("030919751"));
        QCOMPARE(p.alerts.onlyTitle(), QStringLiteral("DATE INPUT ERROR"));
        QVERIFY(p.bytes() == Two && p.box("Text2")->text() == u"030919751" && p.list()->count() == 2);
        p.alerts.clear();
        p.remove(QStringLiteral("Bob Roe 04-04-1944"));
        QVERIFY(p.alerts.messages().isEmpty() && p.bytes() == Ann && p.box("Text5")->text().isEmpty());
        // After Add the selected name may still show, with nothing selected: nothing to delete.
        p.list()->setCurrentRow(0);
        p.add(QStringLiteral("Abe Cole"), QStringLiteral("12311999"));
        p.click("cmdDeleteName");
        QCOMPARE(p.alerts.onlyTitle(), QStringLiteral("NOTHING TO DELETE!"));
        // A delete that cannot be written keeps the entry, in the file and in the list.
        p.alerts.clear();
        QVERIFY(QDir(p.dir.path()).removeRecursively());
        p.remove(QStringLiteral("Ann Lee 03-09-1975"));
        QCOMPARE(p.alerts.onlyTitle(), QStringLiteral("NAME DATABASE ERROR"));
        QVERIFY(p.list()->count() == 2 && p.box("Text5")->text() == QStringLiteral("Ann Lee 03-09-1975"));
    }

    // From the keyboard: Enter in the Birthdate box adds, typing a name's first letters finds it,
    // Delete deletes it, and Enter or a double click uses a name.
    void keyboard_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("Enter uses") << false;
        QTest::newRow("double click uses") << true;
    }

    void keyboard()
    {
        QFETCH(bool, doubleClick);
        Panel p;
        QSignalSpy used(&p.panel, &DatabasePanel::nameUsed);
        p.panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.panel));
        p.box("Text1")->setText(QStringLiteral("Cy Poe"));
        QTest::keyClicks(p.box("Text2"), QStringLiteral("01021950"));
        QTest::keyClick(p.box("Text2"), Qt::Key_Return);
        QCOMPARE(p.list()->count(), 3);
        p.list()->setFocus();
        QTest::keyClicks(p.list(), QStringLiteral("bo"));
        QTest::keyClick(p.list(), Qt::Key_Delete);
        QVERIFY(p.list()->findItems(QStringLiteral("Bob"), Qt::MatchStartsWith).isEmpty() &&
                !p.bytes().contains("Bob"));
        QListWidgetItem *cy = p.list()->findItems(QStringLiteral("Cy Poe"), Qt::MatchStartsWith).value(0);
        p.list()->setCurrentItem(cy);
        const QPoint at = p.list()->visualItemRect(cy).center();
        if (doubleClick) {
            // As a person does it: a press and release, then the second press that doubles it.
            QTest::mouseClick(p.list()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(p.list()->viewport(), Qt::LeftButton, {}, at);
        } else
            QTest::keyClick(p.list(), Qt::Key_Return);
        QCOMPARE(used.value(0), (QVariantList{QStringLiteral("Cy Poe"), QStringLiteral("01-02-1950")}));
        QVERIFY(p.panel.isHidden() && p.alerts.messages().isEmpty());
    }

    // Add writes the old bytes unchanged before the new line; Delete removes its line alone, and
    // Ctrl+Z in the list puts it back where it was, byte for byte, selected again.
    void oldLinesKeepEveryByte_data()
    {
        // The file's bytes, and "Ann Lee 03-09-1975" as its line there.
        Columns<QByteArray, QByteArray>({"content", "deletedLine"});
        const QByteArray bob("\"Bob Roe 04-04-1944\"");
        Row("unquoted line with commas", Ann + "Lee, Bo 02-02-1980\r\n", Ann);
        Row("quotes inside a name", "\"O\"Neil 03-03-1970\"\r\n" + Ann, Ann);
        Row("unbalanced quote", Ann + "\"Bob Roe 04-04-1944\r\n", Ann);
        Row("Windows-1252 and UTF-8 lines", "\"Ren\xe9 D 01-02-1960\"\r\n\"Zo\xc3\xab\"\r\n" + Ann, Ann);
        Row("byte-order mark", "\xef\xbb\xbf" + Ann + bob + "\r\n", Ann);
        Row("no last line end", Ann + bob, Ann);
        Row("NUL bytes", QByteArray("\"A\0n 01-01-2000\"\r\n\0\0\r\n", 22) + Ann, Ann);
        Row("control characters, which Add refuses now", "\"Pat\x1b[1m Ex\x07\tX 01-01-2000\"\r\n" + Ann,
            Ann);
        Row("blank lines, bare line ends", "\r\n \t\n" + Ann.chopped(2) + "\n" + bob + "\r",
            Ann.chopped(2) + "\n");
    }

    void oldLinesKeepEveryByte()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, deletedLine);
        Panel p(content);
        p.add(QStringLiteral("Abe Cole"), QStringLiteral("12311999"));
        const bool ended = content.endsWith('\n') || content.endsWith('\r');
        const QByteArray added = content + (ended ? "" : "\r\n") + "\"Abe Cole 12-31-1999\"\r\n";
        QCOMPARE(p.bytes(), added);
        p.remove(QStringLiteral("Ann Lee 03-09-1975"));
        QCOMPARE(p.bytes(), QByteArray(added).remove(added.indexOf(deletedLine), deletedLine.size()));
        p.undo();
        QCOMPARE(p.bytes(), added);
        QCOMPARE(p.box("Text5")->text(), QStringLiteral("Ann Lee 03-09-1975"));
        QVERIFY(p.alerts.messages().isEmpty());
    }

    // Ctrl+Z puts back one deleted name a press, the last deleted first, into a file that
    // another copy of the program has changed since; with none left it does nothing.
    void undoDeletesInTurn()
    {
        Panel p(Ann + "\"Bob Roe 04-04-1944\"\r\n\"Cy Poe 01-02-1950\"\r\n");
        p.remove(QStringLiteral("Ann Lee 03-09-1975"));
        p.remove(QStringLiteral("Cy Poe 01-02-1950"));
        QVERIFY(namedb::AddEntry(p.path(), QStringLiteral("Di Fox 05-05-1955")) == std::nullopt);
        for (int press = 0; press < 3; ++press)
            p.undo();
        QCOMPARE(p.bytes(), Two + "\"Cy Poe 01-02-1950\"\r\n\"Di Fox 05-05-1955\"\r\n");
        QCOMPARE(p.list()->count(), 4);
        QVERIFY(p.alerts.messages().isEmpty());
    }

    // A file with more entries than the list can hold refuses another, saying how many it holds.
    void fullDatabaseSaysHowFull()
    {
        QByteArray lines;
        for (int k = 0; k < 40'000; ++k)
            lines += "\"Name " + QByteArray::number(k) + " 01-01-2000\"\r\n";
        Panel p(lines);
        p.add(QStringLiteral("Abe Cole"), QStringLiteral("12311999"));
        QCOMPARE(p.alerts.onlyTitle(), QStringLiteral("NAME DATABASE FULL"));
        const QString text = p.alerts.messages().constFirst().text;
        QVERIFY2(text.contains(u"holds 40,000 entries") && text.contains(u"7,234 names"), qPrintable(text));
        QCOMPARE(p.bytes(), lines);
    }

    // A file that cannot be read or written: each command says so, and nothing is lost.
    void fullDiskOrUnreadableFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("on a full disk") << "full";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe, which must not block") << "pipe";
    }

    void fullDiskOrUnreadableFile()
    {
        QFETCH(QString, file);
        Panel p(std::nullopt);
        std::optional<TmpfsMount> disk;
        std::optional<NamedPipe> fifo;
        if (file == QLatin1String("full")) {
            TIDEMARK_REQUIRE_MOUNT(disk.emplace(p.dir.path(), 64 * 1024));
            QVERIFY(PutFile(p.path(), Two) && disk->fill());
        } else {
            QVERIFY(file == QLatin1String("pipe") ? fifo.emplace(p.path()).isValid()
                                                  : QDir().mkdir(p.path()));
        }
        p.alerts.clear();
        p.panel.open();
        QCOMPARE(p.alerts.onlyTitle(), disk ? QString() : QStringLiteral("NAME DATABASE ERROR"));
        p.alerts.clear();
        p.add(QStringLiteral("Abe Cole"), QStringLiteral("12311999"));
        QVERIFY2(!fifo || !fifo->blocked(), "reading the named pipe blocked");
        QCOMPARE(p.alerts.onlyTitle(), QStringLiteral("NAME DATABASE ERROR"));
        QCOMPARE(p.box("Text1")->text(), QStringLiteral("Abe Cole"));
        if (disk) {
            p.alerts.clear();
            p.remove(QStringLiteral("Ann Lee 03-09-1975"));
            QCOMPARE(p.alerts.onlyTitle(), QStringLiteral("NAME DATABASE ERROR"));
            QVERIFY(p.list()->count() == 2 && p.bytes() == Two);
        }
    }
};

TIDEMARK_TEST(TestDatabasePanel)
#include "tst_databasepanel.moc"
