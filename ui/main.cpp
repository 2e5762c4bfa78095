// The program entry: the application, then the main window, the About box and the add-material
// dialog in this order, then the event loop until the main window closes. The two dialogs are made
// when one of them is first needed, so that the main window's first paint does not wait for them.
#include "ui/desktop/app_style.h"
#include "ui/desktop/decimal_separator.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/window_style.h"

#include <QApplication>

#include <optional>

#include "ui/dialogs/about_box.h"
#include "ui/dialogs/add_material_dialog.h"

using namespace volcalc::ui;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    InstallWindowStyle();
    ReadRegionalSeparator();
    RegionalSeparatorWatcher separatorWatcher;

    MainWindow mainWindow;
    std::optional<AboutBox> aboutBox;
    std::optional<AddMaterialDialog> addMaterialDialog;
    mainWindow.MakeDialogsOnFirstUse([&] {
        mainWindow.SetAboutBox(&aboutBox.emplace());
        mainWindow.SetAddMaterialDialog(&addMaterialDialog.emplace());
    });

    mainWindow.show();
    return QApplication::exec();
}
