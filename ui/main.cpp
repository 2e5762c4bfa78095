// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, then its windows, then the event loop until the main window
// closes.
#include "calc/program_folders.h"
#include "ui/desktop/app_style.h"
#include "ui/desktop/decimal_separator.h"
#include "ui/main_window/program_windows.h"
#include "ui/widgets/window_style.h"

#include <QApplication>
#include <QStringList>

#include <utility>

using namespace volcalc::ui;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    InstallWindowStyle();
    ReadRegionalSeparator();
    RegionalSeparatorWatcher separatorWatcher;

    MainWindowOptions options;
    if (const auto data = volcalc::UserDataFolder(volcalc::UserFolders::FromEnvironment()); !data.empty()) {
        options.RecoveryFolder = data / "recovery";
    }
    ProgramWindows windows(std::move(options));
    windows.Main().show();
    // `volcalc FILE.volcalc`, as the file manager starts it for a job.
    const QStringList arguments = QApplication::arguments();
    windows.Main().OpenJobAtStart(arguments.size() > 1 ? arguments.at(1) : QString());
    return QApplication::exec();
}
