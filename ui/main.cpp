// The program entry: the application, then the main window, the About box and the add-material
// dialog in this order, then the event loop until the main window closes.
#include "ui/app_style.h"
#include "ui/decimal_separator.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

#include <QApplication>

#include "ui/about_box.h"
#include "ui/add_material_dialog.h"

using namespace volcalc::ui;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    InstallWindowStyle();
    ReadRegionalSeparator();
    RegionalSeparatorWatcher separatorWatcher;

    MainWindow mainWindow;
    AboutBox aboutBox;
    AddMaterialDialog addMaterialDialog;
    mainWindow.SetAboutBox(&aboutBox);
    mainWindow.SetAddMaterialDialog(&addMaterialDialog);

    mainWindow.show();
    return QApplication::exec();
}
