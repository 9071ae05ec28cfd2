// main() for the text tests: translators are installed in an application
// object, but nothing here needs the GUI (whose offscreen platform leaks its
// screen objects at exit, which would fail the leak checker).
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
