# SPDX-License-Identifier: GPL-3.0-or-later
# GLPK (Debian: libglpk-dev) ships neither a CMake package nor a pkg-config file.
# Defines GLPK_FOUND and the imported target GLPK::GLPK.
find_path(GLPK_INCLUDE_DIR glpk.h)
find_library(GLPK_LIBRARY glpk)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(GLPK REQUIRED_VARS GLPK_LIBRARY GLPK_INCLUDE_DIR)

if(GLPK_FOUND AND NOT TARGET GLPK::GLPK)
    add_library(GLPK::GLPK UNKNOWN IMPORTED)
    set_target_properties(GLPK::GLPK PROPERTIES IMPORTED_LOCATION ${GLPK_LIBRARY}
                                                INTERFACE_INCLUDE_DIRECTORIES ${GLPK_INCLUDE_DIR})
endif()
mark_as_advanced(GLPK_INCLUDE_DIR GLPK_LIBRARY)
