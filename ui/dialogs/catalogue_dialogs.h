// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/material_catalogue.h"

namespace volcalc::ui {

class AddMaterialDialog;

// The catalogue's dialogs as the program shows them: the add-material dialog, and the message
// dialog routine for the removal question and the file errors.
class WindowCatalogueDialogs : public CatalogueDialogs {
public:
    // Without the add-material dialog, asking for a material answers Cancel.
    void SetAddMaterialDialog(AddMaterialDialog* dialog) { m_addMaterialDialog = dialog; }

    std::optional<Material> AskNewMaterial() override;
    bool Confirm(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void SetBusyCursor(bool busy) override;

private:
    AddMaterialDialog* m_addMaterialDialog = nullptr;
};

} // namespace volcalc::ui
