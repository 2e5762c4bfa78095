// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace volcalc::test {

TemporaryCatalogue::TemporaryCatalogue(const char* text) {
    EXPECT_TRUE(m_folder.isValid());
    QFile file(Path());
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << NativePath();
    file.write(text);
}

QString TemporaryCatalogue::Path() const {
    return m_folder.filePath(QStringLiteral("volcalc.ini"));
}

std::string TemporaryCatalogue::NativePath() const {
    return QFile::encodeName(Path()).toStdString();
}

std::unique_ptr<ui::ProgramWindows> StartProgramWindows(const std::string& iniPath) {
    auto windows = std::make_unique<ui::ProgramWindows>(ui::MainWindowOptions{iniPath});
    windows->Main().show();
    QApplication::setActiveWindow(&windows->Main());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&windows->Main()));
    return windows;
}

} // namespace volcalc::test
