// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "materials/material_catalogue.h"

#include <optional>
#include <string>

namespace volcalc::cli {

// The catalogue's questions as a script answers them: every removal confirmed, no material asked
// for. A change the file refuses fails the line with the catalogue's message.
class ScriptDialogs final : public CatalogueDialogs {
public:
    explicit ScriptDialogs(std::string& failure) : m_failure(failure) {}

    std::optional<Material> AskNewMaterial() override { return std::nullopt; }
    bool Confirm(const std::string&) override { return true; }
    void ShowError(const std::string& text) override { m_failure = text; }
    void SetBusyCursor(bool) override {}

private:
    std::string& m_failure;
};

} // namespace volcalc::cli
