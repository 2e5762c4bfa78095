#pragma once

#include "materials/material_catalogue.h"

namespace volcalc::ui {

// The catalogue's dialogs as the program shows them: the add-material dialog Form2, and the
// message dialog routine for the removal question and the file errors.
class WindowCatalogueDialogs : public CatalogueDialogs {
public:
    bool RunAddMaterialDialog() override;
    bool Confirm(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void SetBusyCursor(bool busy) override;
};

} // namespace volcalc::ui
