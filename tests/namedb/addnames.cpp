// A second copy of the program changing the name file, for the tests. `addnames FILE PREFIX COUNT`
// adds the entries "PREFIX 1 01-01-2000" to "PREFIX COUNT 01-01-2000" one by one, as the Add
// button does, and stops with the message of the first that fails. `addnames FILE hold` takes
// the file's lock as a change does, says "locked" and waits to be killed in the middle.
#include "namedb/namefile.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QStringList>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[2] == QLatin1String("hold")) {
        QLockFile lock(arguments[1] + QStringLiteral(".lock"));
        if (!lock.lock())
            return 1;
        std::puts("locked");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    }
    if (arguments.size() != 4)
        return 2;
    for (int k = 1; k <= arguments[3].toInt(); ++k) {
        const QString entry = QStringLiteral("%1 %2 01-01-2000").arg(arguments[2]).arg(k);
        if (const auto failure = namedb::AddEntry(arguments[1], entry)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(failure->title), qPrintable(failure->text));
            return 1;
        }
    }
    return 0;
}
