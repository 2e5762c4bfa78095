// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main_window/program_windows.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace volcalc::test {

// A material file of the test's own, in a temporary folder that goes with it.
class TemporaryCatalogue {
public:
    explicit TemporaryCatalogue(const char* text);

    QString Path() const;
    std::string NativePath() const;

private:
    QTemporaryDir m_folder;
};

// The program's windows as the program makes them, over the material file given, with the main
// window shown and active.
std::unique_ptr<ui::ProgramWindows> StartProgramWindows(const std::string& iniPath);

} // namespace volcalc::test
