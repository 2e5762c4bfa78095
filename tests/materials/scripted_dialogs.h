// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/material_catalogue.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace volcalc::test {

// Answers the catalogue's dialogs as a test tells it to and records what was shown, in order.
class ScriptedDialogs : public CatalogueDialogs {
public:
    bool AddAnswer = true;
    std::string NewName = "Steel";
    std::int32_t NewDensity = 7850;
    bool ConfirmAnswer = true;
    std::vector<std::string> Events;
    // What happens elsewhere while the add-material dialog is open (another program's change).
    std::function<void()> WhileAsking;

    std::optional<Material> AskNewMaterial() override {
        Events.push_back("add-dialog");
        if (WhileAsking) {
            WhileAsking();
        }
        if (!AddAnswer) {
            return std::nullopt;
        }
        return Material{NewName, NewDensity};
    }
    bool Confirm(const std::string& text) override {
        Events.push_back("confirm: " + text);
        return ConfirmAnswer;
    }
    void ShowError(const std::string& text) override { Events.push_back("error: " + text); }
    void SetBusyCursor(bool busy) override { Events.push_back(busy ? "busy" : "normal"); }
};

} // namespace volcalc::test
