#include "support/testmain.h"

#include <QApplication>
#include <QTest>

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

} // namespace

bool RegisterTest(const char *className, TestFactory factory)
{
    Registry().emplace_back(className, std::move(factory));
    return true;
}

} // namespace testsupport

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QStringList arguments = QCoreApplication::arguments();
    QString only;
    if (arguments.size() > 1 && !arguments[1].startsWith(QLatin1Char('-'))) {
        for (const auto &[name, factory] : testsupport::Registry()) {
            if (arguments[1] == QLatin1String(name.c_str()))
                only = arguments.takeAt(1);
        }
    }
    int failed = 0;
    for (const auto &[name, factory] : testsupport::Registry()) {
        if (!only.isEmpty() && only != QLatin1String(name.c_str()))
            continue;
        const std::unique_ptr<QObject> test = factory();
        failed += QTest::qExec(test.get(), arguments) != 0 ? 1 : 0;
    }
    return failed;
}
