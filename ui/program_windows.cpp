#include "ui/program_windows.h"

#include <QDialog>

#if VOLCALC_HAVE_ABOUT_BOX
#include "ui/about.h"
#endif
#if VOLCALC_HAVE_ADD_MATERIAL_DIALOG
#include "ui/Unit2.h"
#endif

namespace volcalc::ui {

TForm1* Form1 = nullptr;
TAboutBox* AboutBox = nullptr;
TForm2* Form2 = nullptr;

void ShowAboutBox() {
#if VOLCALC_HAVE_ABOUT_BOX
    if (AboutBox) {
        AboutBox->exec();
    }
#endif
}

int ShowAddMaterialDialog() {
#if VOLCALC_HAVE_ADD_MATERIAL_DIALOG
    if (Form2) {
        return Form2->ShowModalEmptied();
    }
#endif
    return QDialog::Rejected;
}

} // namespace volcalc::ui
