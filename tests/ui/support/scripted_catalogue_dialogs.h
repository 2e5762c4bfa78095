#pragma once

#include "materials/material_catalogue.h"
#include "ui/Unit1.h"

#include <string>
#include <vector>

namespace volcalc::test {

// The catalogue's dialogs answered by the test. The add-material dialog hands its name and
// density to the window the way the real dialog does.
class ScriptedCatalogueDialogs : public CatalogueDialogs {
public:
    ui::TForm1* Form = nullptr;
    bool AddAnswer = true;
    std::string NewName;
    std::int32_t NewDensity = 0;
    bool ConfirmAnswer = true;
    std::vector<std::string> Events;

    bool RunAddMaterialDialog() override {
        Events.push_back("add-dialog");
        if (AddAnswer && Form) {
            Form->SetNewMaterial(NewName, NewDensity);
        }
        return AddAnswer;
    }
    bool Confirm(const std::string& text) override {
        Events.push_back("confirm: " + text);
        return ConfirmAnswer;
    }
    void ShowError(const std::string& text) override { Events.push_back("error: " + text); }
    void SetBusyCursor(bool busy) override { Events.push_back(busy ? "busy" : "normal"); }
};

} // namespace volcalc::test
