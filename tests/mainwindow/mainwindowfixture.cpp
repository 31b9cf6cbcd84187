#include "mainwindowfixture.h"

#include <QFile>
#include <QLabel>
#include <QTest>

MainWindowFixture::MainWindowFixture(const QString &today)
    : clock(today)
{
    window = std::make_unique<frmMain>(env());
}

MainWindowFixture::~MainWindowFixture()
{
    if (window)
        window->close();
}

void MainWindowFixture::restart()
{
    window->close();
    window = std::make_unique<frmMain>(env());
}

MainWindowEnv MainWindowFixture::env()
{
    return {alerts,
            clock,
            dir.filePath(QStringLiteral("data")),
            dir.filePath(QStringLiteral("placement.ini")),
            registry,
            [this](print::PrintCommand command,
                   const QString &personName) -> std::unique_ptr<print::PrintTargetProvider> {
                if (pdfFile)
                    return std::make_unique<print::SystemPrintTargets>(
                        command, personName, std::nullopt, pdfFile, PrintProgressDialogs(window.get()),
                        alerts);
                return std::make_unique<RecordingTargets>(command, printed);
            }};
}

void MainWindowFixture::showAndDismiss()
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(window->Label29, Qt::LeftButton);
}

QString MainWindowFixture::dataFile(const QString &name) const
{
    return dir.filePath(QStringLiteral("data/") + name);
}

QList<QByteArray> MainWindowFixture::fileLines(const QString &name) const
{
    QFile file(dataFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}
