// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, then its windows, then the event loop until the main window
// closes.
#include "ui/desktop/app_style.h"
#include "ui/desktop/decimal_separator.h"
#include "ui/main_window/program_windows.h"
#include "ui/widgets/window_style.h"

#include <QApplication>

using namespace volcalc::ui;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    InstallWindowStyle();
    ReadRegionalSeparator();
    RegionalSeparatorWatcher separatorWatcher;

    ProgramWindows windows;
    windows.Main().show();
    return QApplication::exec();
}
