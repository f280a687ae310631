#ifndef TEST_APPLICATION_H
#define TEST_APPLICATION_H

#include "dialog_driver.h"
#include "mainapplication.h"

#include <QtTest>

// A test executable whose application object is the program's own, built
// without starting its threads: the test calls initStore() (with a
// TestDatabase in place) and drives the store by hand. Every dialog that
// opens is watched (DialogDriver): one left unanswered fails its test.
#define VRX_TEST_APPLICATION_MAIN(TestClass)                                                                 \
    int main(int argc, char* argv[])                                                                          \
    {                                                                                                         \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                   \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                          \
        MainApplication app(argc, argv);                                                                      \
        DialogDriver::install();                                                                              \
        TestClass test;                                                                                       \
        return QTest::qExec(&test, argc, argv);                                                               \
    }

#endif // TEST_APPLICATION_H
