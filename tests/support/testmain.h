#pragma once

#include <QObject>

#include <functional>
#include <memory>

// One test program per subsystem: each test class registers itself here, and the program's
// main() runs them all in turn (or only the one named first on the command line:
// `tst_print TestCoverSheet centring` runs one function of one class). With -o, each class
// writes a file of its own: `-o results.xml,junitxml` gives results-TestPrint.xml and so on.
// The main of a program that tests libraries of Qt Core alone makes no GUI application.
namespace testsupport {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

bool RegisterTest(const char *className, TestFactory factory);

} // namespace testsupport

// Put after the test class's definition, in place of QTEST_MAIN.
#define TIDEMARK_TEST(Class)                                                                                 \
    static const bool registered##Class =                                                                    \
        testsupport::RegisterTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
