// The reference for the launcher's start with nothing to upgrade: a Qt
// Widgets program that builds its application object and exits.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}
