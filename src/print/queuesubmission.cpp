#include "print/queuesubmission.h"

#include <QCoreApplication>
#include <QProcess>

namespace print {

namespace {
constexpr int HandOverMilliseconds = 120'000;
}

QString SubmitToQueue(const QString &pdfFile, const QString &queue, const QString &title,
                      const QString &media)
{
    QStringList arguments = {QStringLiteral("-d"), queue, QStringLiteral("-t"), title};
    if (!media.isEmpty())
        arguments << QStringLiteral("-o") << QStringLiteral("media=") + media;
    arguments << QStringLiteral("--") << pdfFile;

    QProcess lp;
    lp.start(QStringLiteral("lp"), arguments);
    if (!lp.waitForStarted())
        return QCoreApplication::translate("print", "The printer \"%1\" could not be reached: the print "
                                                    "system's lp command did not start.")
            .arg(queue);
    if (!lp.waitForFinished(HandOverMilliseconds)) {
        lp.kill();
        lp.waitForFinished();
        return QCoreApplication::translate("print", "The printer \"%1\" did not take the document in time.")
            .arg(queue);
    }
    if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
        const QString reason = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
        return QCoreApplication::translate("print", "The printer \"%1\" refused the document: %2")
            .arg(queue,
                 reason.isEmpty() ? QStringLiteral("lp ended with status %1").arg(lp.exitCode()) : reason);
    }
    return {};
}

} // namespace print
