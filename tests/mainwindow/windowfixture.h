#pragma once

// The window fixture shared by the main window's tests.

#include "mainwindow/mainwindow.h"
#include "mainwindow/printprogressdialog.h"
#include "print/printcommands.h"
#include "print/systemprinting.h"
#include "print/textprintdevice.h"
#include "support/fixedclock.h"
#include "support/recordingalerts.h"

#include <QtTest>
#include <QtWidgets>

#include <optional>

// Keeps what each printed document would look like on paper, from a text-only device.
struct RecordingTargets final : print::PrintTargetProvider
{
    explicit RecordingTargets(QStringList &log)
        : log(log)
    {}
    print::PrintDevice &open(print::PrintDocument) override { return device.emplace(); }
    void close(print::PrintDocument, print::PrintOutcome) override { log << device->text(); }
    std::optional<print::TextPrintDevice> device;
    QStringList &log;
};

// A real MainWindow, offscreen, with recorded messages, a fixed today, a temporary data folder and
// placement store, recorded printing (or, with noQueue set, PDF files as without a print queue),
// and every save question recorded and answered by `answer` (declined when it is not set).
struct Fixture
{
    // The text size stored as a later run would find it (none: a first run).
    explicit Fixture(const QString &today = QStringLiteral("05-20-2025"), int screenHeight = 0,
                     std::optional<int> textSize = 100)
        : clock(today)
        , screenHeight(screenHeight)
    {
        if (textSize)
            QSettings(dir.filePath(QStringLiteral("placement.ini")), QSettings::IniFormat)
                .setValue(QStringLiteral("View/TextSize"), *textSize);
        restart();
    }

    // Shuts the window down and starts a new one on the same folder and store.
    void restart()
    {
        if (window)
            window->close();
        auto targets =
            [this](print::PrintCommand command, const QString &person,
                   const print::PdfFileQuestion &askFile) -> std::unique_ptr<print::PrintTargetProvider> {
            if (!noQueue)
                return std::make_unique<RecordingTargets>(printed);
            // The progress boxes are the window's own; each is noted as it is made.
            auto progress = [this](const QString &label) {
                events << label;
                return PrintProgressDialogs(window.get())(label);
            };
            return std::make_unique<print::SystemPrintTargets>(command, person, std::nullopt, askFile,
                                                               progress, alerts);
        };
        auto ask = [this](QWidget *, const SaveQuestion &question) {
            asked << question;
            events << question.caption;
            return answer ? answer(question) : QString();
        };
        window = std::make_unique<MainWindow>(MainWindowEnv{alerts,
                                                            clock,
                                                            dataFolder,
                                                            dir.filePath(QStringLiteral("placement.ini")),
                                                            {{}, {}},
                                                            targets,
                                                            ask,
                                                            [this](QWidget *) { return reminder; },
                                                            oldFolder,
                                                            screenHeight});
    }
    void showAndDismiss()
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        click("Label29");
    }
    template <class T = QWidget> T *find(const char *name) const
    {
        T *control = window->findChild<T *>(QLatin1String(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QLineEdit *box(const char *name) const { return find<QLineEdit>(name); }
    void click(const char *name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    void trigger(const char *name) const { find<QAction>(name)->trigger(); }
    void enterPerson(const QString &days = QStringLiteral("30")) const
    {
        box("Text3")->setText(QStringLiteral("Pat Example"));
        box("Text4")->setText(QStringLiteral("05-20-1990"));
        box("Text11")->setText(days);
    }
    [[nodiscard]] QString dataFile(const char *name) const { return dataFolder + u'/' + QLatin1String(name); }
    // What shows over the window (the notice, the panels, the chart display), then as 1 or 0 whether
    // the four menus and the seven picture buttons are enabled, then Open Database and Get Help On.
    [[nodiscard]] QString state() const
    {
        QString state;
        for (const char *panel :
             {"FrameSplash", "FrameDatabase", "FrameWhatIs", "FrameHelp", "Text18", "Command24"})
            state += find(panel)->isHidden() ? QString() : QLatin1String(panel) + u' ';
        for (const char *menu : {"mnuFile", "mnuEdit", "mnuView", "mnuHelp"})
            state += QChar(u'0' + find<QMenu>(menu)->menuAction()->isEnabled());
        for (const char *button :
             {"Command9", "Command10", "Command11", "Command12", "Command13", "Command17", "Command18"})
            state += QChar(u'0' + find(button)->isEnabled());
        state += u' ';
        for (const char *action : {"mnuFileOpenDatabase", "mnuHelpGetHelpOn"})
            state += QChar(u'0' + find<QAction>(action)->isEnabled());
        return state;
    }
    // The preference controls as texts: the lead-in and heading lines (which Default Settings
    // keeps), the font, the lines per page, and 1 or 0 for each option and check box.
    [[nodiscard]] QStringList preferences() const
    {
        QStringList values{find<QComboBox>("Combo1")->currentText()};
        for (const char *name : {"Text13", "Text14", "Text15", "Text16"})
            values << box(name)->text();
        values << find<QComboBox>("Combo2")->currentText() << box("Text17")->text() << QString();
        for (const char *name :
             {"Option1", "Option2", "Option3", "Option4", "Option5", "Check1", "Check2", "Check3", "Check4"})
            values.last() += QChar(u'0' + find<QAbstractButton>(name)->isChecked());
        return values;
    }

    QTemporaryDir dir;
    RecordingAlerts alerts;
    FixedClock clock;
    QString dataFolder = dir.filePath(QStringLiteral("data"));
    QString oldFolder = dir.filePath(QStringLiteral("data/Tidemark"));
    int screenHeight;
    QStringList printed;
    bool noQueue = false;
    std::function<QString(const SaveQuestion &)> answer;
    // Export to Calendar's answer to its reminder question: none by default; std::nullopt cancels.
    std::optional<QTime> reminder = QTime();
    QList<SaveQuestion> asked;
    // The save questions' captions and the progress boxes' labels, in the order they came.
    QStringList events;
    std::unique_ptr<MainWindow> window;
};
