#include "namedb/databasepanel.h"
#include "support/namedpipe.h"
#include "support/privileged.h"
#include "support/recordingalerts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray golden(const char *name)
{
    return readBytes(QStringLiteral(TIDEMARK_TEST_DATA "/namedb/") + QLatin1String(name));
}

// A stand-in for the main window hosting the panel over a data folder; the database file
// starts with the given bytes, as start-up leaves it.
class Harness
{
public:
    explicit Harness(const std::optional<QByteArray> &content = QByteArray())
        : panel(alerts, dir.path(), &host)
    {
        if (content)
            put(*content);
        host.resize(800, 700);
        host.show();
        panel.placeIn(host.size(), 10);
        QVERIFY(QTest::qWaitForWindowActive(&host));
        QObject::connect(&panel, &DatabasePanel::closed, [this] { events << QStringLiteral("closed"); });
        QObject::connect(&panel, &DatabasePanel::nameUsed, [this](const QString &name, const QString &date) {
            events << QStringLiteral("used [%1] [%2]").arg(name, date);
        });
    }

    [[nodiscard]] QString path() const { return dir.filePath(QStringLiteral("bioname.dat")); }
    void put(const QByteArray &content) const
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    [[nodiscard]] QByteArray fileBytes() const { return readBytes(path()); }

    [[nodiscard]] QStringList items() const
    {
        QStringList out;
        for (int i = 0; i < panel.List1->count(); ++i)
            out << panel.List1->item(i)->text();
        return out;
    }

    void add(const QString &name, const QString &birth)
    {
        panel.Text1->clear();
        panel.Text2->clear();
        QTest::keyClicks(panel.Text1, name);
        QTest::keyClicks(panel.Text2, birth);
        QTest::mouseClick(panel.Command1, Qt::LeftButton);
    }

    void clickRow(int row)
    {
        QListWidget *list = panel.List1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    QTemporaryDir dir;
    RecordingAlerts alerts;
    QWidget host;
    DatabasePanel panel;
    QStringList events;
};

} // namespace

class TestDatabasePanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionsAndTips();
    void openLoadsSortedIgnoringCase();
    void addAppendsAndReloads();
    void addCreatesMissingFile();
    void addMessages_data();
    void addMessages();
    void commasAndLeadingBlanksRoundTrip();
    void unicodeNamesKept();
    void useSendsNameAndDate();
    void useWithNothingSelected();
    void closeKeepsTypedText();
    void deleteRemovesOnlyItsLine();
    void deleteOnlyEntryLeavesEmptyFile();
    void deleteAfterAddWithStaleSelection();
    void deleteThatCannotBeWrittenKeepsTheEntry();
    void oldLinesKeepEveryByte_data();
    void oldLinesKeepEveryByte();
    void fullDiskKeepsTheFile();
    void unreadableFile_data();
    void unreadableFile();
    void largeDatabase();
    void tabOrder();
    void keyboardSelectsAndPresses();
};

void TestDatabasePanel::captionsAndTips()
{
    Harness h;
    const DatabasePanel &p = h.panel;
    QCOMPARE(p.objectName(), "FrameDatabase");
    QCOMPARE(p.Label3->text(), "Enter birthdate as MMDDYYYY ");
    QCOMPARE(p.cmdDeleteName->toolTip(), "Delete the selected entry! ");
    QCOMPARE(p.List1->toolTip(), "Click on a name to select it");
    QVERIFY(p.Text5->isReadOnly());
    QVERIFY(p.findChild<QPushButton *>("cmdUseName") == p.cmdUseName);
    QVERIFY(!p.isVisible());
    // The list sits between the hints and the selected name, the buttons side by side below.
    QVERIFY(p.Label4->y() < p.List1->y() && p.List1->y() < p.Text5->y());
    QCOMPARE(p.Command1->y(), p.Label4->y() + (p.Label4->height() - p.Command1->height()) / 2);
    QCOMPARE(p.cmdUseName->y(), p.cmdDeleteName->y());
    QVERIFY(p.cmdDeleteName->x() < p.cmdUseName->x() && p.cmdUseName->x() < p.Command3->x());
    QCOMPARE(p.width(), 480);
    QCOMPARE(p.x(), 160);
}

void TestDatabasePanel::openLoadsSortedIgnoringCase()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    QVERIFY(h.panel.isVisible());
    QCOMPARE(h.items(), QStringList({"amy Lin 01-02-2003", "Ann Lee 03-09-1975", "Bob Roe 04-04-1944",
                                     "bob roe 05-05-1955", "zoe Park 07-07-1977"}));
    QCOMPARE(QApplication::focusWidget(), h.panel.Text1);
    QVERIFY(h.alerts.messages().isEmpty());
}

void TestDatabasePanel::addAppendsAndReloads()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    h.add("Abe Cole", "12311999");
    QVERIFY(h.alerts.messages().isEmpty());
    QCOMPARE(h.fileBytes(), golden("mixedcase.dat") + "\"Abe Cole 12-31-1999\"\r\n");
    QCOMPARE(h.items().first(), "Abe Cole 12-31-1999");
    QCOMPARE(h.items().size(), 6);
    QVERIFY(h.panel.Text1->text().isEmpty() && h.panel.Text2->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), h.panel.Text1);
}

void TestDatabasePanel::addCreatesMissingFile()
{
    Harness h(std::nullopt);
    h.panel.open();
    QCOMPARE(h.alerts.onlyTitle(), "NAME DATABASE ERROR");
    h.alerts.clear();
    h.add("Ann Lee", "03091975");
    QVERIFY(h.alerts.messages().isEmpty());
    QCOMPARE(h.fileBytes(), QByteArray("\"Ann Lee 03-09-1975\"\r\n"));
    QCOMPARE(h.items(), QStringList{"Ann Lee 03-09-1975"});
}

void TestDatabasePanel::addMessages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("both empty") << ""
                                << ""
                                << "NAME & DATE INPUT ERROR"
                                << "No name or date has been entered";
    QTest::newRow("no name") << ""
                             << "03091975"
                             << "NAME INPUT ERROR"
                             << "No name has been entered";
    QTest::newRow("no date") << "Ann"
                             << ""
                             << "DATE INPUT ERROR"
                             << "No date has been entered";
    QTest::newRow("month 13") << "Ann"
                              << "13091975"
                              << "MONTH DATE INPUT ERROR"
                              << "Input error in Month! The Month must be a number from 01 to 12";
    QTest::newRow("day 00") << "Ann"
                            << "03001975"
                            << "DAY DATE INPUT ERROR"
                            << "Input error in Day! The Day must be a number from 01 to 31";
    QTest::newRow("year 2100") << "Ann"
                               << "03092100"
                               << "YEAR DATE INPUT ERROR"
                               << "Input error in Year! The Year must be a number from 1500 to 2099";
    QTest::newRow("double quote")
        << "Ann \"Annie\" Lee"
        << "03091975"
        << "NAME INPUT ERROR"
        << "A name cannot contain the double quote character (\"). Please remove it or "
           "use a single quote instead.";
    QTest::newRow("nine digits") << "Ann"
                                 << "030919751"
                                 << "DATE INPUT ERROR"
                                 << "The birthdate must be eight digits, MMDDYYYY";
}

void TestDatabasePanel::addMessages()
{
    QFETCH(QString, name);
    QFETCH(QString, birth);
    QFETCH(QString, title);
    QFETCH(QString, text);
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    h.add(name, birth);
    QCOMPARE(h.alerts.messages(), (QList<RecordingAlerts::Message>{{true, title, text}}));
    QCOMPARE(h.fileBytes(), golden("mixedcase.dat"));
    QCOMPARE(h.panel.Text1->text(), name);
    QCOMPARE(h.panel.Text2->text(), birth);
    QCOMPARE(h.items().size(), 5);
}

void TestDatabasePanel::commasAndLeadingBlanksRoundTrip()
{
    Harness h;
    h.panel.open();
    h.add("  Lee, Ann, Jr.", "03091975");
    QCOMPARE(h.fileBytes(), QByteArray("\"  Lee, Ann, Jr. 03-09-1975\"\r\n"));
    h.panel.open();
    QCOMPARE(h.items(), QStringList{"  Lee, Ann, Jr. 03-09-1975"});
    h.clickRow(0);
    QTest::mouseClick(h.panel.cmdUseName, Qt::LeftButton);
    QCOMPARE(h.events, QStringList({"closed", "used [  Lee, Ann, Jr.] [03-09-1975]"}));
}

void TestDatabasePanel::unicodeNamesKept()
{
    Harness h;
    h.panel.open();
    const QString name = QStringLiteral("Zoë Ødegård 李娜 🎂");
    for (const char32_t codePoint : name.toUcs4())
        QTest::sendKeyEvent(QTest::Click, h.panel.Text1, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                            {});
    QTest::keyClicks(h.panel.Text2, "01012000");
    QTest::mouseClick(h.panel.Command1, Qt::LeftButton);
    QCOMPARE(h.fileBytes(), "\"" + name.toUtf8() + " 01-01-2000\"\r\n");
    h.panel.open();
    QCOMPARE(h.items(), QStringList{name + " 01-01-2000"});
}

void TestDatabasePanel::useSendsNameAndDate()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    h.clickRow(1);
    QCOMPARE(h.panel.Text5->text(), "Ann Lee 03-09-1975");
    QTest::mouseClick(h.panel.cmdUseName, Qt::LeftButton);
    QCOMPARE(h.events, QStringList({"closed", "used [Ann Lee] [03-09-1975]"}));
    QVERIFY(!h.panel.isVisible());
    QVERIFY(h.panel.Text5->text().isEmpty());
    QVERIFY(h.alerts.messages().isEmpty());
}

void TestDatabasePanel::useWithNothingSelected()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    QTest::mouseClick(h.panel.cmdUseName, Qt::LeftButton);
    QCOMPARE(h.alerts.messages(), (QList<RecordingAlerts::Message>{
                                      {true, "NO NAME SELECTED!", "There is no name selected to use!"}}));
    QVERIFY(h.events.isEmpty());
    QVERIFY(h.panel.isVisible());
}

void TestDatabasePanel::closeKeepsTypedText()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    h.clickRow(0);
    QTest::keyClicks(h.panel.Text1, "Half typed");
    QTest::mouseClick(h.panel.Command3, Qt::LeftButton);
    QCOMPARE(h.events, QStringList{"closed"});
    QVERIFY(!h.panel.isVisible());
    QVERIFY(h.panel.Text5->text().isEmpty());
    QCOMPARE(h.panel.Text1->text(), "Half typed");
}

void TestDatabasePanel::deleteRemovesOnlyItsLine()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    h.clickRow(2);
    QTest::mouseClick(h.panel.cmdDeleteName, Qt::LeftButton);
    QVERIFY(h.alerts.messages().isEmpty());
    QCOMPARE(h.fileBytes(), golden("mixedcase.dat").replace("\"Bob Roe 04-04-1944\"\r\n", ""));
    QCOMPARE(h.items().size(), 4);
    QVERIFY(h.panel.Text5->text().isEmpty());
    QVERIFY(h.panel.List1->selectedItems().isEmpty());
}

void TestDatabasePanel::deleteOnlyEntryLeavesEmptyFile()
{
    Harness h("\"Ann Lee 03-09-1975\"\r\n");
    h.panel.open();
    h.clickRow(0);
    QTest::mouseClick(h.panel.cmdDeleteName, Qt::LeftButton);
    QVERIFY(h.alerts.messages().isEmpty());
    QVERIFY(QFile::exists(h.path()));
    QCOMPARE(h.fileBytes(), QByteArray());
    QCOMPARE(h.panel.List1->count(), 0);
}

void TestDatabasePanel::deleteAfterAddWithStaleSelection()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    h.clickRow(0);
    h.add("Abe Cole", "12311999");
    QCOMPARE(h.panel.Text5->text(), "amy Lin 01-02-2003");
    QTest::mouseClick(h.panel.cmdDeleteName, Qt::LeftButton);
    QCOMPARE(h.alerts.messages(), (QList<RecordingAlerts::Message>{
                                      {true, "NOTHING TO DELETE!", "There is no name selected to delete!"}}));
    QCOMPARE(h.items().size(), 6);
    QCOMPARE(h.fileBytes(), golden("mixedcase.dat") + "\"Abe Cole 12-31-1999\"\r\n");
}

void TestDatabasePanel::deleteThatCannotBeWrittenKeepsTheEntry()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    h.clickRow(1);
    QVERIFY(QDir(h.dir.path()).removeRecursively());
    QTest::mouseClick(h.panel.cmdDeleteName, Qt::LeftButton);
    QCOMPARE(h.alerts.onlyTitle(), "NAME DATABASE ERROR");
    QCOMPARE(h.items().size(), 5);
    QCOMPARE(h.panel.Text5->text(), "Ann Lee 03-09-1975");
}

void TestDatabasePanel::oldLinesKeepEveryByte_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QByteArray>("deletedLine"); // Delete removes this line, listed as listed[0]

    const QByteArray ann("\"Ann Lee 03-09-1975\"\r\n");
    const QString annEntry = QStringLiteral("Ann Lee 03-09-1975");
    const QString rene = QStringLiteral("René Dupont 01-02-1960");
    QTest::newRow("unquoted line with commas") << ann + "Lee, Bo 02-02-1980\r\n"
                                               << QStringList{annEntry, "Lee, Bo 02-02-1980"} << ann;
    QTest::newRow("quotes inside a name")
        << "\"O\"Neil 03-03-1970\"\r\n" + ann << QStringList{annEntry, "O\"Neil 03-03-1970"} << ann;
    QTest::newRow("unbalanced quote")
        << golden("unterminated.dat") << QStringList{annEntry, "\"Bob Roe 04-04-1944"} << ann;
    QTest::newRow("UTF-8 and Windows-1252 lines")
        << QByteArray("\"Zo\xc3\xab Adams 01-01-1990\"\r\n\"Ren\xe9 Dupont 01-02-1960\"\r\n")
        << QStringList{rene, QStringLiteral("Zoë Adams 01-01-1990")}
        << QByteArray("\"Ren\xe9 Dupont 01-02-1960\"\r\n");
    QTest::newRow("Windows-1252 file")
        << golden("windows1252.dat") << QStringList{rene, QStringLiteral("Françoise €uro 11-12-1913")}
        << QByteArray("\"Ren\xe9 Dupont 01-02-1960\"\r\n");
    QTest::newRow("byte-order mark") << "\xef\xbb\xbf" + ann + "\"Bob Roe 04-04-1944\"\r\n"
                                     << QStringList{annEntry, "Bob Roe 04-04-1944"} << ann;
    QTest::newRow("no last line end")
        << ann + "\"Bob Roe 04-04-1944\"" << QStringList{annEntry, "Bob Roe 04-04-1944"} << ann;
    QTest::newRow("NUL bytes") << QByteArray("\"A\0n 01-01-2000\"\r\n\0\0\r\n", 22) + ann
                               << QStringList{annEntry, QString::fromUtf8("A\0n 01-01-2000", 14),
                                              QString::fromUtf8("\0\0", 2)}
                               << ann;
    QTest::newRow("blank lines, bare line ends")
        << "\r\n \t\n" + ann.chopped(2) + "\n\"Bob Roe 04-04-1944\"\r"
        << QStringList{annEntry, "Bob Roe 04-04-1944"} << ann.chopped(2) + "\n";
}

void TestDatabasePanel::oldLinesKeepEveryByte()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, listed);
    QFETCH(QByteArray, deletedLine);
    const QString deleted = listed.first();
    Harness h(content);
    h.panel.open();
    QStringList items = h.items();
    items.sort();
    listed.sort();
    QCOMPARE(items, listed);

    h.add("Abe Cole", "12311999");
    const bool ended = content.endsWith('\n') || content.endsWith('\r');
    QByteArray expected = content + (ended ? "" : "\r\n") + "\"Abe Cole 12-31-1999\"\r\n";
    QCOMPARE(h.fileBytes(), expected);

    h.clickRow(h.items().indexOf(deleted));
    QTest::mouseClick(h.panel.cmdDeleteName, Qt::LeftButton);
    QCOMPARE(h.fileBytes(), expected.remove(expected.indexOf(deletedLine), deletedLine.size()));
    QVERIFY(h.alerts.messages().isEmpty());
}

void TestDatabasePanel::fullDiskKeepsTheFile()
{
    Harness h(std::nullopt);
    TmpfsMount disk(h.dir.path(), 64 * 1024);
    TIDEMARK_REQUIRE_MOUNT(disk);
    h.put(golden("mixedcase.dat"));
    QVERIFY(disk.fill());
    h.panel.open();
    h.add("Abe Cole", "12311999");
    QCOMPARE(h.alerts.onlyTitle(), "NAME DATABASE ERROR");
    QCOMPARE(h.panel.Text1->text(), "Abe Cole");
    h.alerts.clear();
    h.clickRow(0);
    QTest::mouseClick(h.panel.cmdDeleteName, Qt::LeftButton);
    QCOMPARE(h.alerts.onlyTitle(), "NAME DATABASE ERROR");
    QCOMPARE(h.items().size(), 5);
    QCOMPARE(h.fileBytes(), golden("mixedcase.dat"));
}

void TestDatabasePanel::unreadableFile_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a folder") << false;
    QTest::newRow("a named pipe, which must not block") << true;
}

void TestDatabasePanel::unreadableFile()
{
    QFETCH(bool, pipe);
    Harness h(std::nullopt);
    std::optional<NamedPipe> fifo;
    if (pipe)
        QVERIFY(fifo.emplace(h.path()).isValid());
    else
        QVERIFY(QDir().mkdir(h.path()));
    h.panel.open();
    QCOMPARE(h.alerts.onlyTitle(), "NAME DATABASE ERROR");
    QCOMPARE(h.panel.List1->count(), 0);
    h.alerts.clear();
    QTest::mouseClick(h.panel.cmdDeleteName, Qt::LeftButton);
    QCOMPARE(h.alerts.onlyTitle(), "NOTHING TO DELETE!");
    h.alerts.clear();
    h.add("Ann Lee", "03091975");
    QVERIFY2(!fifo || !fifo->blocked(), "reading the named pipe blocked");
    QCOMPARE(h.alerts.onlyTitle(), "NAME DATABASE ERROR");
    QCOMPARE(h.panel.Text1->text(), "Ann Lee");
    QVERIFY(!QFileInfo(h.path()).isFile());
}

void TestDatabasePanel::largeDatabase()
{
    QByteArray content;
    for (int i = 32767; i > 0; --i)
        content += QStringLiteral("\"Name %1 01-01-2000\"\r\n").arg(i, 5, 10, QLatin1Char('0')).toUtf8();
    Harness h(content);
    h.panel.open();
    QCOMPARE(h.panel.List1->count(), 32767);
    QCOMPARE(h.panel.List1->item(0)->text(), "Name 00001 01-01-2000");
    h.panel.List1->scrollToBottom();
    h.clickRow(32766);
    QTest::mouseClick(h.panel.cmdDeleteName, Qt::LeftButton);
    QCOMPARE(h.panel.List1->count(), 32766);
    QCOMPARE(h.fileBytes().count('\n'), 32766);
    QVERIFY(!h.fileBytes().contains("Name 32767"));
    h.add("Last One", "01012000");
    QCOMPARE(h.alerts.messages(), {});
    const QByteArray full = h.fileBytes();
    h.add("One Too Many", "01012000");
    QCOMPARE(h.alerts.onlyTitle(), "NAME DATABASE FULL");
    QCOMPARE(h.fileBytes(), full);
    QCOMPARE(h.panel.List1->count(), 32767);
}

void TestDatabasePanel::tabOrder()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    const QList<QWidget *> order = {h.panel.Text2,         h.panel.Command1,   h.panel.List1,
                                    h.panel.cmdDeleteName, h.panel.cmdUseName, h.panel.Command3};
    QCOMPARE(QApplication::focusWidget(), h.panel.Text1);
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestDatabasePanel::keyboardSelectsAndPresses()
{
    Harness h(golden("mixedcase.dat"));
    h.panel.open();
    h.panel.List1->setFocus(Qt::TabFocusReason);
    QVERIFY(h.panel.Text5->text().isEmpty());
    QTest::keyClick(h.panel.List1, Qt::Key_Down);
    QCOMPARE(h.panel.Text5->text(), "Ann Lee 03-09-1975");
    QTest::keyClick(h.panel.List1, Qt::Key_Down);
    QCOMPARE(h.panel.Text5->text(), "Bob Roe 04-04-1944");
    h.panel.cmdDeleteName->setFocus(Qt::TabFocusReason);
    QTest::keyClick(h.panel.cmdDeleteName, Qt::Key_Space);
    QCOMPARE(h.items().size(), 4);
    h.panel.Command3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(h.panel.Command3, Qt::Key_Return);
    QCOMPARE(h.events, QStringList{"closed"});
}

QTEST_MAIN(TestDatabasePanel)
#include "test_databasepanel.moc"
