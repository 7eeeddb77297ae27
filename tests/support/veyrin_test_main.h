#pragma once
// QtTest main that runs the test object inside the program's own application object, so errors
// raised in event handlers reach the error box (answered by FakeDialogs) as they do in the program.

#include <QtTest>

#include "app/ui/veyrin_application.h"

#define VEYRIN_TEST_MAIN(TestObject)                              \
    int main(int argc, char** argv) {                             \
        veyrin::VeyrinApplication app(argc, argv);                \
        app.setAttribute(Qt::AA_Use96Dpi, true);                  \
        TestObject tc;                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                \
        return QTest::qExec(&tc, argc, argv);                     \
    }
