// Loaded with LD_PRELOAD into a Qt Widgets program by bench/run.sh: at the first paint of a
// widget in a window of the class TIDEMARK_PROBE_CLASS ("MainWindow", "QLabel"), writes the wall
// clock time (seconds since the epoch, as bash's EPOCHREALTIME) to the file TIDEMARK_PROBE_OUT
// and ends the program at once. The same probe times Tidemark and the bare window alike.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class FirstPaint final : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !receiver->isWidgetType())
            return false;
        const QByteArray windowClass = qgetenv("TIDEMARK_PROBE_CLASS");
        if (!static_cast<QWidget *>(receiver)->window()->inherits(windowClass.constData()))
            return false;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        if (std::FILE *out = std::fopen(qgetenv("TIDEMARK_PROBE_OUT").constData(), "w")) {
            std::fprintf(out, "%lld.%06ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec / 1000);
            std::fclose(out);
        }
        std::_Exit(0);
    }
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
