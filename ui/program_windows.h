#pragma once

namespace volcalc::ui {

class TAboutBox;
class TForm1;
class TForm2;

// The program's three windows, set at start-up in this order and kept until the program ends.
extern TForm1* Form1;
extern TAboutBox* AboutBox;
extern TForm2* Form2;

// Shows the About box modally; does nothing while it does not exist.
void ShowAboutBox();
// Empties and shows the add-material dialog modally; its result, or Rejected while it does not exist.
int ShowAddMaterialDialog();

} // namespace volcalc::ui
