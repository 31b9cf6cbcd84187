#include "print/queuesubmission.h"

#include <QProcess>
#include <QtGlobal>

namespace print {

namespace {
constexpr int HandOverMilliseconds = 120'000;
}

QString SubmitToQueue(const QString &pdfFile, const QString &queue, const QString &title,
                      const QString &media, Wording words)
{
    QStringList arguments = {QStringLiteral("-d"), queue, QStringLiteral("-t"), title};
    if (!media.isEmpty())
        arguments << QStringLiteral("-o") << QStringLiteral("media=") + media;
    arguments << QStringLiteral("--") << pdfFile;

    QProcess lp;
    lp.start(QStringLiteral("lp"), arguments);
    if (!lp.waitForStarted())
        //: %1 is the print queue's name
        return words("PrintMessages",
                     QT_TRANSLATE_NOOP("PrintMessages", "The printer \"%1\" could not be reached: the print "
                                                        "system's lp command did not start."))
            .arg(queue);
    if (!lp.waitForFinished(HandOverMilliseconds)) {
        lp.kill();
        lp.waitForFinished();
        //: %1 is the print queue's name
        return words("PrintMessages",
                     QT_TRANSLATE_NOOP("PrintMessages",
                                       "The printer \"%1\" did not take the document in time."))
            .arg(queue);
    }
    if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
        QString reason = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
        if (reason.isEmpty())
            //: %1 is the exit status of the print system's lp command
            reason = words("PrintMessages", QT_TRANSLATE_NOOP("PrintMessages", "lp ended with status %1"))
                         .arg(lp.exitCode());
        //: %1 is the print queue's name, %2 what the print system's lp command said
        return words("PrintMessages",
                     QT_TRANSLATE_NOOP("PrintMessages", "The printer \"%1\" refused the document: %2"))
            .arg(queue, reason);
    }
    return {};
}

} // namespace print
