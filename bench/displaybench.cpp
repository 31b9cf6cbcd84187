// Times Display Chart to Screen in the real window, offscreen: from the command to the chart
// standing in the display box, for 100,000 days with and without the daily forecast. Not a test;
// run it from a Release build with QT_QPA_PLATFORM=offscreen, or on a screen with a screen
// reader listening to time that too. `tidemark_displaybench DAYS single` charts DAYS days with
// single spacing and no holiday lines (a million days: the 67 MB chart of tidemark-chart's figure).
#include "benchwindow.h"
#include "platform/systemclock.h"
#include "print/printcommands.h"

#include "mainwindow/charttextview.h"
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    StderrAlerts alerts;
    SystemClock clock;
    MainWindow window(BenchWindowEnv(alerts, clock, dir));
    window.resize(1000, 800);
    window.show();
    auto box = [&window](const char *name) { return window.findChild<QLineEdit *>(QLatin1String(name)); };
    auto button = [&window](const char *name) {
        return window.findChild<QToolButton *>(QLatin1String(name));
    };
    auto *view = window.findChild<ChartTextView *>(QStringLiteral("Text18"));
    // Enter on the start-up notice dismisses it.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(window.findChild<QWidget *>(QStringLiteral("FrameSplash")), &enter);

    const int days = argc > 1 ? std::atoi(argv[1]) : 100'000;
    if (argc > 2 && qstrcmp(argv[2], "single") == 0) {
        window.findChild<QAbstractButton *>(QStringLiteral("Option3"))->setChecked(true);
        window.findChild<QAbstractButton *>(QStringLiteral("Check1"))->setChecked(false);
    }
    std::printf("display box, %d days %16s %8s %12s\n", days, "best", "slowest", "characters");
    for (const bool forecast : {false, true}) {
        box("Text3")->setText(QStringLiteral("Your Name"));
        box("Text4")->setText(QStringLiteral("05-20-1990"));
        box("Text10")->setText(QStringLiteral("01-01-1900"));
        box("Text11")->setText(QString::number(days));
        window.findChild<QCheckBox *>(QStringLiteral("Check4"))->setChecked(forecast);
        // The first run fills an empty box, the others replace a chart as long.
        double best = 1e9, slowest = 0;
        bool shown = true;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            button("Command18")->click();
            QApplication::processEvents();
            const double seconds = double(timer.nsecsElapsed()) / 1e9;
            best = std::min(best, seconds);
            slowest = std::max(slowest, seconds);
            shown = shown && view->isVisible();
            button("Command17")->click();
        }
        if (shown)
            std::printf("%-28s %10.3f %8.3f %12lld\n", forecast ? "with forecast" : "without forecast", best,
                        slowest, static_cast<long long>(view->toPlainText().size()));
        else
            std::printf("%-28s refused\n", forecast ? "with forecast" : "without forecast");
    }
    window.close();
    return 0;
}
