#include "support/testmain.h"

#include <QTest>

#ifdef TIDEMARK_TEST_GUI
#include <QApplication>
#endif

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

namespace {

// In the order the classes registered, which is the link order of their files.
std::vector<std::pair<std::string, TestFactory>> &Registry()
{
    static std::vector<std::pair<std::string, TestFactory>> registry;
    return registry;
}

// QtTest writes each "-o file,format" afresh for every class it runs, so that only the last class
// would be left in it: with several classes, each writes its own file, named with the class
// ("results.xml" becomes "results-TestChart.xml"). Standard output ("-") is shared as before.
QStringList ArgumentsFor(QStringList arguments, const QString &className)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("-o"))
            continue;
        QString &output = arguments[i + 1];
        const qsizetype comma = output.lastIndexOf(u',');
        const qsizetype end = comma < 0 ? output.size() : comma;
        if (QStringView(output).left(end) == u"-")
            continue;
        const qsizetype slash = output.lastIndexOf(u'/', end - 1);
        const qsizetype dot = output.lastIndexOf(u'.', end - 1);
        output.insert(dot > slash ? dot : end, u'-' + className);
    }
    return arguments;
}

} // namespace

bool RegisterTest(const char *className, TestFactory factory)
{
    Registry().emplace_back(className, std::move(factory));
    return true;
}

} // namespace testsupport

int main(int argc, char *argv[])
{
#ifdef TIDEMARK_TEST_GUI
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
#else
    // The libraries under test here need no GUI: without one, a test that reaches for it fails.
    QCoreApplication app(argc, argv);
#endif
    QStringList arguments = QCoreApplication::arguments();
    QString only;
    if (arguments.size() > 1 && !arguments[1].startsWith(QLatin1Char('-'))) {
        for (const auto &[name, factory] : testsupport::Registry()) {
            if (arguments[1] == QLatin1String(name.c_str()))
                only = arguments.takeAt(1);
        }
    }
    const bool several = testsupport::Registry().size() > 1;
    int failed = 0;
    for (const auto &[name, factory] : testsupport::Registry()) {
        const QString className = QString::fromStdString(name);
        if (!only.isEmpty() && only != className)
            continue;
        const std::unique_ptr<QObject> test = factory();
        const QStringList classArguments = several ? testsupport::ArgumentsFor(arguments, className) : arguments;
        failed += QTest::qExec(test.get(), classArguments) != 0 ? 1 : 0;
    }
    return failed;
}
