// A second yardstick: the bare window with one line of text, so that the cost of merely
// loading fonts can be told apart from the program's own work.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Label window"));
    window.setFixedSize(579, 563);
    QLabel label(QStringLiteral("Orlisk Volume Calculator"), &window);
    label.move(10, 10);
    window.show();
    return QApplication::exec();
}
