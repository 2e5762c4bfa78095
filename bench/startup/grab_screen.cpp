// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a rectangle of the X screen as a PNG picture: what the display shows, not what a
// program believes it drew.  grab_screen OUT.png X Y WIDTH HEIGHT
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 6) {
        std::fputs("usage: grab_screen OUT.png X Y WIDTH HEIGHT\n", stderr);
        return 2;
    }
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(
        0, arguments[2].toInt(), arguments[3].toInt(), arguments[4].toInt(), arguments[5].toInt());
    return picture.save(arguments[1], "PNG") ? 0 : 1;
}
