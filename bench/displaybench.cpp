// Times Display Chart to Screen in the real window, offscreen: from the command to the chart
// standing in the display box, for 100,000 days with and without the daily forecast. Not a
// test; run it from a Release build with QT_QPA_PLATFORM=offscreen.
#include "info/pathsystemregistry.h"
#include "mainwindow/frmmain.h"
#include "platform/systemclock.h"
#include "print/printcommands.h"

#include "mainwindow/charttextview.h"
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

class SilentAlerts final : public Alerts
{
public:
    void critical(const QString &title, const QString &text) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    void plain(const QString &title, const QString &text) override { critical(title, text); }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SilentAlerts alerts;
    SystemClock clock;
    info::PathSystemRegistry registry{QStringList()};
    frmMain window(
        {alerts, clock, dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("place.ini")),
         registry,
         [](print::PrintCommand, const QString &) { return std::unique_ptr<print::PrintTargetProvider>(); }});
    window.resize(1000, 800);
    window.show();
    window.FrameSplash_Click();

    constexpr int days = 100'000;
    std::printf("%-28s %10s %12s\n", "display box, 100,000 days", "seconds", "characters");
    for (const bool forecast : {false, true}) {
        window.Text3->setText(QStringLiteral("Your Name"));
        window.Text4->setText(QStringLiteral("05-20-1990"));
        window.Text10->setText(QStringLiteral("01-01-1900"));
        window.Text11->setText(QString::number(days));
        window.Check4->setChecked(forecast);
        double best = 1e9;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            window.DisplayChartToScreen();
            QApplication::processEvents();
            best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
            window.CloseChartDisplay();
        }
        std::printf("%-28s %10.3f %12lld\n", forecast ? "with forecast" : "without forecast", best,
                    static_cast<long long>(window.Text18->toPlainText().size()));
    }
    window.close();
    return 0;
}
