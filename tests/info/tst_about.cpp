#include "info/frmabout.h"
#include "info/pathsystemregistry.h"
#include "info/systemregistry.h"
#include "support/recordingalerts.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using info::RegistryValue;

Q_DECLARE_METATYPE(info::RegistryValue)

namespace {

const QString MsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString LocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

// A registry held in a map, with a list of existing files and a record of started programs.
class FakeRegistry final : public info::SystemRegistry
{
public:
    std::map<std::pair<QString, QString>, RegistryValue> values;
    QStringList files;
    QStringList started;
    bool startSucceeds = true;

    void setString(const QString &key, const QString &name, const QString &text)
    {
        values[{key, name}] = RegistryValue{info::RegString, text.toUtf8()};
    }

    [[nodiscard]] std::optional<RegistryValue> queryValue(quint32 root, const QString &key,
                                                          const QString &valueName) const override
    {
        const auto it = values.find({key, valueName});
        if (root != info::HkeyLocalMachine || it == values.end())
            return std::nullopt;
        return it->second;
    }
    [[nodiscard]] bool fileExists(const QString &path) const override { return files.contains(path); }
    bool startProgram(const QString &path) override
    {
        started << path;
        return startSucceeds;
    }
};

RegistryValue Number(QByteArray littleEndian)
{
    return {info::RegNumber, std::move(littleEndian)};
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labels();
    void okAndEscapeClose();
    void getKeyValue_data();
    void getKeyValue();
    void otherTypeLeavesValue();
    void sysInfo_data();
    void sysInfo();
    void sysInfoButtonThroughWindow();
    void pathRegistryFindsProgram();
    void pathRegistryWithoutProgram();
};

void TestAbout::labels()
{
    FakeRegistry registry;
    RecordingAlerts alerts;
    QWidget owner;
    frmAbout about(registry, alerts, &owner);
    QCOMPARE(about.metaObject()->className(), "frmAbout");
    QCOMPARE(about.windowTitle(), QStringLiteral("About Tidemark"));
    QVERIFY(about.isModal());
    QCOMPARE(about.parentWidget(), &owner);
    QCOMPARE(about.lblTitle->text(), QStringLiteral("Tidemark"));
    QCOMPARE(about.lblVersion->text(), QStringLiteral("5.6"));
    QVERIFY(!about.lblDescription->text().isEmpty());
    QVERIFY(about.Label1->text().contains(QLatin1String("copyright")));
    QVERIFY(about.lblDisclaimer->text().startsWith(QLatin1String("Unauthorized reproduction")));
    QCOMPARE(about.cmdOK->text(), QStringLiteral("OK"));
    QVERIFY(about.cmdOK->isDefault());
    QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    QCOMPARE(about.Line1[0]->frameShape(), QFrame::HLine);
    QCOMPARE(about.Line1[1]->frameShape(), QFrame::HLine);
}

void TestAbout::okAndEscapeClose()
{
    FakeRegistry registry;
    RecordingAlerts alerts;
    frmAbout about(registry, alerts, nullptr);
    about.show();
    QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
    QVERIFY(registry.started.isEmpty());
}

void TestAbout::getKeyValue_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<RegistryValue>("value");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("text");
    QTest::newRow("string") << true << RegistryValue{info::RegString, "C:\\Tools\\msinfo32.exe"} << true
                            << "C:\\Tools\\msinfo32.exe";
    QTest::newRow("string cut at its NUL")
        << true << RegistryValue{info::RegString, QByteArray("C:\\X\0junk", 9)} << true << "C:\\X";
    QTest::newRow("empty string") << true << RegistryValue{info::RegString, {}} << true << "";
    QTest::newRow("number 1") << true << Number(QByteArray("\x01\x00\x00\x00", 4)) << true << "1";
    QTest::newRow("number 256, zero low byte")
        << true << Number(QByteArray("\x00\x01\x00\x00", 4)) << true << "256";
    QTest::newRow("number 258, small bytes")
        << true << Number(QByteArray("\x02\x01\x00\x00", 4)) << true << "258";
    QTest::newRow("number 0") << true << Number(QByteArray(4, '\0')) << true << "0";
    QTest::newRow("largest number") << true << Number(QByteArray(4, '\xff')) << true << "4294967295";
    QTest::newRow("missing") << false << RegistryValue{} << false << "";
    QTest::newRow("larger than the buffer")
        << true << RegistryValue{info::RegString, QByteArray(1025, 'a')} << false << "";
    QTest::newRow("exactly the buffer") << true << RegistryValue{info::RegString, QByteArray(1024, 'a')}
                                        << true << QString(1024, QLatin1Char('a'));
}

void TestAbout::getKeyValue()
{
    QFETCH(bool, present);
    QFETCH(RegistryValue, value);
    QFETCH(bool, result);
    QFETCH(QString, text);
    FakeRegistry registry;
    if (present)
        registry.values[{MsinfoKey, QStringLiteral("PATH")}] = value;
    QString out = QStringLiteral("before");
    QCOMPARE(info::GetKeyValue(registry, info::HkeyLocalMachine, MsinfoKey, QStringLiteral("PATH"), out),
             result);
    QCOMPARE(out, text);
}

void TestAbout::otherTypeLeavesValue()
{
    FakeRegistry registry;
    registry.values[{MsinfoKey, QStringLiteral("PATH")}] = RegistryValue{3, "\x01\x02"};
    QString out = QStringLiteral("before");
    QVERIFY(info::GetKeyValue(registry, info::HkeyLocalMachine, MsinfoKey, QStringLiteral("PATH"), out));
    QCOMPARE(out, QStringLiteral("before"));
    QVERIFY(!info::GetKeyValue(registry, 0x80000001, MsinfoKey, QStringLiteral("PATH"), out));
    QCOMPARE(out, QString());
}

void TestAbout::sysInfo_data()
{
    QTest::addColumn<QString>("msinfoPath"); // empty: no such value
    QTest::addColumn<QString>("location");   // empty: no such value
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("message");
    QTest::newRow("neither key") << ""
                                 << "" << QStringList{} << true << QStringList{} << true;
    QTest::newRow("second key, no program") << ""
                                            << "C:\\Info" << QStringList{} << true << QStringList{} << true;
    QTest::newRow("second key, program there") << ""
                                               << "C:\\Info" << QStringList{"C:\\Info\\MSINFO32.EXE"} << true
                                               << QStringList{"C:\\Info\\MSINFO32.EXE"} << false;
    QTest::newRow("first key") << "/usr/bin/hardinfo"
                               << "C:\\Info" << QStringList{} << true << QStringList{"/usr/bin/hardinfo"}
                               << false;
    QTest::newRow("first key, start fails")
        << "/usr/bin/hardinfo"
        << "" << QStringList{} << false << QStringList{"/usr/bin/hardinfo"} << true;
}

void TestAbout::sysInfo()
{
    QFETCH(QString, msinfoPath);
    QFETCH(QString, location);
    QFETCH(QStringList, files);
    QFETCH(bool, startSucceeds);
    QFETCH(QStringList, started);
    QFETCH(bool, message);
    FakeRegistry registry;
    if (!msinfoPath.isEmpty())
        registry.setString(MsinfoKey, QStringLiteral("PATH"), msinfoPath);
    if (!location.isEmpty())
        registry.setString(LocationKey, QStringLiteral("MSINFO"), location);
    registry.files = files;
    registry.startSucceeds = startSucceeds;
    RecordingAlerts alerts;
    info::StartSysInfo(registry, alerts);
    QCOMPARE(registry.started, started);
    if (message)
        QCOMPARE(alerts.messages(),
                 (QList<RecordingAlerts::Message>{{false, QStringLiteral("Tidemark"), Unavailable}}));
    else
        QVERIFY(alerts.messages().isEmpty());
}

void TestAbout::sysInfoButtonThroughWindow()
{
    QTemporaryDir emptyPath;
    info::PathSystemRegistry registry(info::DefaultSysInfoPrograms(), {emptyPath.path()});
    RecordingAlerts alerts;
    frmAbout about(registry, alerts, nullptr);
    about.show();
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    QCOMPARE(alerts.messages(),
             (QList<RecordingAlerts::Message>{{false, QStringLiteral("Tidemark"), Unavailable}}));
    QVERIFY(about.isVisible());
}

void TestAbout::pathRegistryFindsProgram()
{
    QTemporaryDir dir;
    QFile program(dir.filePath(QStringLiteral("kinfocenter")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\n");
    program.close();
    QVERIFY(program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const info::PathSystemRegistry registry(info::DefaultSysInfoPrograms(), {dir.path()});
    QString path;
    QVERIFY(info::GetKeyValue(registry, info::HkeyLocalMachine, MsinfoKey, QStringLiteral("PATH"), path));
    QCOMPARE(path, program.fileName());
    QVERIFY(info::GetKeyValue(registry, info::HkeyLocalMachine, MsinfoKey.toLower(), QStringLiteral("Path"),
                              path));
    QVERIFY(
        !info::GetKeyValue(registry, info::HkeyLocalMachine, LocationKey, QStringLiteral("MSINFO"), path));
    QVERIFY(registry.fileExists(program.fileName()));
    QVERIFY(!registry.fileExists(dir.path()));
}

void TestAbout::pathRegistryWithoutProgram()
{
    QTemporaryDir dir;
    const info::PathSystemRegistry registry(info::DefaultSysInfoPrograms(), {dir.path()});
    QVERIFY(!registry.queryValue(info::HkeyLocalMachine, MsinfoKey, QStringLiteral("PATH")).has_value());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
