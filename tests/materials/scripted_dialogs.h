#pragma once

#include "materials/material_catalogue.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace volcalc::test {

// Answers the catalogue's dialogs as a test tells it to and records what was shown, in order.
// On OK the add-material dialog hands its name and density over through HandOver.
class ScriptedDialogs : public CatalogueDialogs {
public:
    std::function<void(const std::string& name, std::int32_t density)> HandOver;
    bool AddAnswer = true;
    std::string NewName = "Steel";
    std::int32_t NewDensity = 7850;
    bool ConfirmAnswer = true;
    std::vector<std::string> Events;

    // Hands over into the catalogue's own fields, as the dialog does in the window.
    void HandOverTo(MaterialCatalogue& catalogue) {
        HandOver = [&catalogue](const std::string& name, std::int32_t density) {
            catalogue.NewMaterialName = name;
            catalogue.NewMaterialDensity = density;
        };
    }

    bool RunAddMaterialDialog() override {
        Events.push_back("add-dialog");
        if (AddAnswer && HandOver) {
            HandOver(NewName, NewDensity);
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
