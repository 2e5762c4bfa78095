// The yardstick of the start-up measurement: a bare Qt window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(579, 563);
    window.show();
    return QApplication::exec();
}
