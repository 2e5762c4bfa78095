// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/material_catalogue.h"

#include <cstdint>
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

    std::optional<Material> AskNewMaterial() override {
        Events.push_back("add-dialog");
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
