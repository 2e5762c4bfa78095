// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up measurement: a Qt 6 window of the main window's size that draws
// one line of text, so that it pays for the window system and for loading a font as any window
// with text does.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text window"));
    window.setFixedSize(579, 563);
    QLabel label(QStringLiteral("Orlisk Volume Calculator"), &window);
    label.move(10, 10);
    window.show();
    return QApplication::exec();
}
