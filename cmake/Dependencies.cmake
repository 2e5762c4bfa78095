# SPDX-License-Identifier: GPL-3.0-or-later
# What the build needs, by the options that need it, with the Debian package of each.
include(${CMAKE_CURRENT_LIST_DIR}/RequirePackage.cmake)

volcalc_require_package(nlohmann_json nlohmann-json3-dev 3)
volcalc_require_package(CSV libcsv-dev)
volcalc_require_package(GLPK libglpk-dev) # the cutting planner's solver

if(VOLCALC_GUI)
    volcalc_require_package(Qt6 qt6-base-dev COMPONENTS Core Gui Widgets PrintSupport)
    volcalc_require_package(JPEG libjpeg62-turbo-dev)
    volcalc_require_package(GIF libgif-dev)
    volcalc_require_program(VOLCALC_CHMCMD chmcmd fp-utils)
    volcalc_require_program(VOLCALC_GZIP gzip gzip)
endif()

if(VOLCALC_TESTS AND NOT VOLCALC_FUZZ)
    volcalc_require_package(GTest libgtest-dev)
    if(NOT TARGET GTest::gmock)
        message(FATAL_ERROR "GoogleMock was not found: install the Debian package libgmock-dev "
                            "(scripts/install-deps.sh installs everything the build needs)")
    endif()
endif()
if(VOLCALC_GUI_TESTS)
    volcalc_require_package(Qt6 qt6-base-dev COMPONENTS Test)
endif()

if(VOLCALC_BENCH AND NOT VOLCALC_SANITIZE AND NOT VOLCALC_FUZZ)
    volcalc_require_package(benchmark libbenchmark-dev)
endif()
