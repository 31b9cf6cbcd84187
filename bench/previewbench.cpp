// Times File > Print Preview in the real window: from the command to the first page painted on
// the screen, the count of the pages to its end, and pages turned to at random once they are
// counted, each to its page painted. Not a test; run it from a Release build on a screen (bench/run.sh
// runs it on Xvfb). `tidemark_previewbench DAYS [TURNS]` previews a chart of DAYS days with the
// default settings and prints one line of seconds: first page, whole count, median turn,
// slowest turn, and the pages.
#include "benchwindow.h"
#include "platform/systemclock.h"
#include "preview/pageview.h"
#include "preview/previewdialog.h"
#include "print/previewpages.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Notes the time the first paint of the preview's pages has ended.
class FirstPaint final : public QObject
{
public:
    QElapsedTimer clock;
    double seconds = -1;
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (seconds < 0 && event->type() == QEvent::Paint && receiver->parent() &&
            receiver->parent()->objectName() == QLatin1String("PreviewPages")) {
            // Handled after this event, once the page has been painted and put on the screen.
            QTimer::singleShot(0, this, [this] {
                if (seconds < 0)
                    seconds = double(clock.nsecsElapsed()) / 1e9;
            });
        }
        return false;
    }
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    StderrAlerts alerts;
    SystemClock clock;
    MainWindow window(BenchWindowEnv(alerts, clock, dir));
    window.show();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(window.findChild<QWidget *>(QStringLiteral("FrameSplash")), &enter);
    auto box = [&window](const char *name) { return window.findChild<QLineEdit *>(QLatin1String(name)); };
    const qint64 days = argc > 1 ? std::atoll(argv[1]) : 10'000;
    const int turns = argc > 2 ? std::atoi(argv[2]) : 20;
    box("Text3")->setText(QStringLiteral("Pat Example"));
    box("Text4")->setText(QStringLiteral("05-20-1990"));
    box("Text10")->setText(QStringLiteral("01-01-2000"));
    box("Text11")->setText(QString::number(days));

    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    double counted = -1;
    std::vector<double> turned;
    qint64 pages = 0;
    // Once the preview runs: wait for the first paint and the count, turn pages, close it.
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *preview = qobject_cast<PreviewDialog *>(QApplication::activeModalWidget());
        if (!preview || firstPaint.seconds < 0)
            return;
        if (!preview->pages().counted())
            return;
        counted = double(firstPaint.clock.nsecsElapsed()) / 1e9;
        watch.stop();
        pages = preview->pages().pageCount();
        auto *view = preview->findChild<PageView *>(QStringLiteral("PreviewPages"));
        for (int n = 0; n < turns; ++n) {
            const qint64 page = QRandomGenerator::global()->bounded(pages) + 1;
            QElapsedTimer turn;
            turn.start();
            view->showPage(page);
            view->viewport()->repaint();
            turned.push_back(double(turn.nsecsElapsed()) / 1e9);
        }
        preview->reject();
    });
    QTimer::singleShot(0, [&] {
        watch.start();
        firstPaint.clock.start();
        window.findChild<QAction *>(QStringLiteral("mnuFilePrintPreview"))->trigger();
        QApplication::quit();
    });
    QApplication::exec();
    std::printf("%.4f %.4f %.4f %.4f %lld\n", firstPaint.seconds, counted, Median(turned),
                turned.empty() ? 0.0 : *std::max_element(turned.begin(), turned.end()),
                static_cast<long long>(pages));
    window.close();
    return 0;
}
