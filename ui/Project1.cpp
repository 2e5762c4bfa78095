// The program entry: the application, then the main window, the About box and the add-material
// dialog in this order, then the event loop until the main window closes.
#include "ui/Unit1.h"
#include "ui/app_style.h"
#include "ui/decimal_separator.h"
#include "ui/program_windows.h"
#include "ui/window_style.h"

#include <QApplication>

#include <memory>

#include "ui/Unit2.h"
#include "ui/about.h"

using namespace volcalc::ui;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    InstallWindowStyle();
    ReadRegionalSeparator();
    RegionalSeparatorWatcher separatorWatcher;

    auto form1 = std::make_unique<TForm1>();
    Form1 = form1.get();
    auto aboutBox = std::make_unique<TAboutBox>();
    AboutBox = aboutBox.get();
    auto form2 = std::make_unique<TForm2>();
    Form2 = form2.get();
    Form2->SetReceiver(
        [](const std::string& name, std::int32_t density) { Form1->SetNewMaterial(name, density); });

    Form1->show();
    return QApplication::exec();
}
