// The help topics and their panel, and the About window's System Info button.

#include "info/aboutdialog.h"
#include "info/helppanel.h"
#include "info/helptopics.h"
#include "support/datarows.h"
#include "support/recordingalerts.h"

#include <QtTest>
#include <QtWidgets>

#include "support/testmain.h"

class TestInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // No topic speaks of a parallel port, another system's settings, a screen too small for the
    // window, a developer's script, fonts that follow the screen, or a deleted name as lost for good.
    void helpNothingUntrueHere()
    {
        for (const info::HelpTopic &topic : info::HelpTopics()) {
            for (const char *words : {"LPT1", "Control Panel", "640 x 480", "scripts/", "text sizes follow",
                                      "can not be retrieved or undeleted"})
                QVERIFY2(!QString::fromLatin1(topic.text).contains(QLatin1String(words)), topic.name);
        }
    }

    // The two topics named "   -Color" each show their own text; opened again, the panel starts
    // afresh with every topic, none chosen and no text.
    void helpPanel()
    {
        HelpPanel panel;
        auto *topics = panel.findChild<QListWidget *>(QStringLiteral("List2"));
        auto *text = panel.findChild<QPlainTextEdit *>(QStringLiteral("TextHelp"));
        panel.open();
        topics->setCurrentRow(21);
        const QString first = text->toPlainText();
        topics->setCurrentRow(31);
        QVERIFY(topics->item(31)->text() == topics->item(21)->text() && text->toPlainText() != first);
        QSignalSpy closed(&panel, &HelpPanel::closed);
        QTest::mouseClick(panel.findChild<QWidget *>(QStringLiteral("Command16")), Qt::LeftButton);
        QVERIFY(closed.size() == 1 && panel.isHidden());
        panel.open();
        QVERIFY(topics->count() == 49 && topics->selectedItems().isEmpty() && text->toPlainText().isEmpty());
    }

    // System Info starts the first system-information program on the search path, or says there
    // is none; a program that cannot be started counts as none.
    void systemInfo_data()
    {
        Columns<QStringList, bool>({"programs", "started"});
        Row("the second program is there", QStringList{"absent-info", "present-info"}, true);
        Row("none is there", QStringList{"absent-info"}, false);
        Row("it cannot be started", QStringList{"broken-info"}, false);
    }

    void systemInfo()
    {
        QFETCH(QStringList, programs);
        QFETCH(bool, started);
        // A script that leaves a mark when it runs, and a file marked executable that is no program.
        QTemporaryDir folder;
        for (const auto &[name, content] : {std::pair{"present-info", "#!/bin/sh\ntouch \"$0.started\"\n"},
                                            std::pair{"broken-info", "no program\n"}}) {
            QFile file(folder.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) > 0);
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        RecordingAlerts alerts;
        AboutDialog about({programs, {folder.path()}}, alerts, nullptr);
        about.show();
        QTest::mouseClick(about.findChild<QWidget *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
        if (started)
            QTRY_VERIFY(QFile::exists(folder.filePath(QStringLiteral("present-info.started"))));
        else
            QCOMPARE(alerts.messages(),
                     (QList<RecordingAlerts::Message>{
                         {false, "Tidemark", "System Information Is Unavailable At This Time"}}));
        QVERIFY(about.isVisible());
    }
};

TIDEMARK_TEST(TestInfo)
#include "tst_info.moc"
