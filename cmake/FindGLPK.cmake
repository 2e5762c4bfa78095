# SPDX-License-Identifier: GPL-3.0-or-later
# GLPK (Debian: libglpk-dev). Defines GLPK_FOUND and the imported target GLPK::GLPK.
include(${CMAKE_CURRENT_LIST_DIR}/PlainLibrary.cmake)
volcalc_find_plain_library(GLPK glpk.h glpk)
