#include "ui/program_windows.h"

#include <QDialog>

#include "ui/Unit2.h"
#include "ui/about.h"

namespace volcalc::ui {

TForm1* Form1 = nullptr;
TAboutBox* AboutBox = nullptr;
TForm2* Form2 = nullptr;

void ShowAboutBox() {
    if (AboutBox) {
        AboutBox->exec();
    }
}

int ShowAddMaterialDialog() {
    if (Form2) {
        return Form2->ShowModalEmptied();
    }
    return QDialog::Rejected;
}

} // namespace volcalc::ui
