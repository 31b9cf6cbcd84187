// Times Display Chart to Screen in the real window, offscreen: from the command to the chart
// standing in the display box, for 100,000 days with and without the daily forecast. Not a
// test; run it from a Release build with QT_QPA_PLATFORM=offscreen.
#include "mainwindow/mainwindow.h"
#include "platform/systemclock.h"
#include "print/printcommands.h"

#include "mainwindow/charttextview.h"
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

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
    MainWindow window({alerts,
                       clock,
                       dir.filePath(QStringLiteral("data")),
                       dir.filePath(QStringLiteral("place.ini")),
                       {},
                       [](print::PrintCommand, const QString &, const print::PdfFileQuestion &) {
                           return std::unique_ptr<print::PrintTargetProvider>();
                       },
                       [](QWidget *, const SaveQuestion &) { return QString(); }});
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

    constexpr int days = 100'000;
    std::printf("%-28s %10s %12s\n", "display box, 100,000 days", "seconds", "characters");
    for (const bool forecast : {false, true}) {
        box("Text3")->setText(QStringLiteral("Your Name"));
        box("Text4")->setText(QStringLiteral("05-20-1990"));
        box("Text10")->setText(QStringLiteral("01-01-1900"));
        box("Text11")->setText(QString::number(days));
        window.findChild<QCheckBox *>(QStringLiteral("Check4"))->setChecked(forecast);
        double best = 1e9;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            button("Command18")->click();
            QApplication::processEvents();
            best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
            button("Command17")->click();
        }
        std::printf("%-28s %10.3f %12lld\n", forecast ? "with forecast" : "without forecast", best,
                    static_cast<long long>(view->toPlainText().size()));
    }
    window.close();
    return 0;
}
