// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window tests inside one application, headless unless a platform was chosen.
#include "calc/number_text.h"
#include "ui/widgets/window_style.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

bool ListingOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no windows; it runs at build time, without a display.
    if (ListingOnly(argc, argv)) {
        return RUN_ALL_TESTS();
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    volcalc::ui::InstallWindowStyle();
    // Results are compared as written with a point, whatever the machine's regional settings.
    volcalc::SetDecimalSeparator('.');
    return RUN_ALL_TESTS();
}
