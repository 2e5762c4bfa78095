# SPDX-License-Identifier: GPL-3.0-or-later
# What the build needs, by the options that need it, with the Debian package of each. Nothing else
# in the tree calls find_package or find_program: a lookup made here is seen by every folder.
include(${CMAKE_CURRENT_LIST_DIR}/RequirePackage.cmake)

volcalc_require_package(nlohmann_json nlohmann-json3-dev 3)
volcalc_require_package(CSV libcsv-dev)
volcalc_require_package(GLPK libglpk-dev) # the cutting planner's solver
if(NOT VOLCALC_FUZZ)
    # The manual pages are installed compressed, the command line's too.
    volcalc_require_program(VOLCALC_GZIP gzip gzip)
endif()

if(VOLCALC_GUI)
    volcalc_require_package(Qt6 qt6-base-dev COMPONENTS Core Gui Widgets PrintSupport)
    volcalc_require_package(JPEG libjpeg62-turbo-dev)
    volcalc_require_program(VOLCALC_CHMCMD chmcmd fp-utils)
endif()
if(VOLCALC_PICTURE_GENERATOR)
    volcalc_require_package(GIF libgif-dev)
endif()

if(VOLCALC_TESTS AND NOT VOLCALC_FUZZ)
    volcalc_require_package(GTest libgtest-dev)
    if(NOT TARGET GTest::gmock)
        message(FATAL_ERROR "GoogleMock was not found: install the Debian package libgmock-dev "
                            "(scripts/install-deps.sh installs everything the build needs)")
    endif()
endif()
if(VOLCALC_GUI AND VOLCALC_TESTS)
    # The desktop entry and the AppStream metadata are checked with the desktop's own validators.
    volcalc_require_program(VOLCALC_DESKTOP_FILE_VALIDATE desktop-file-validate desktop-file-utils)
    volcalc_require_program(VOLCALC_APPSTREAMCLI appstreamcli appstream)
endif()
if(VOLCALC_GUI_TESTS)
    volcalc_require_package(Qt6 qt6-base-dev COMPONENTS Test)
    # The Debian package is built, unpacked and used by a user who is not root.
    volcalc_require_program(VOLCALC_DPKG_DEB dpkg-deb dpkg)
    volcalc_require_program(VOLCALC_DPKG_SHLIBDEPS dpkg-shlibdeps dpkg-dev)
    volcalc_require_program(VOLCALC_SETPRIV setpriv util-linux)
endif()

if(VOLCALC_BENCH AND NOT VOLCALC_SANITIZE AND NOT VOLCALC_FUZZ)
    volcalc_require_package(benchmark libbenchmark-dev)
endif()
