// main() for test programs that need a Qt application object: a
// QApplication on the offscreen platform, so widgets work without a display,
// scaled for the screen as the launcher scales its windows. A platform
// already set to "offscreen:<options>" (a screen of its own) is kept.
#include <gtest/gtest.h>

#include <QApplication>

#include "launcher.h"

int main(int argc, char** argv) {
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen:"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    DisplayScaling scaling;
    scaling.Prepare();
    QApplication app(argc, argv);
    scaling.Restore();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
