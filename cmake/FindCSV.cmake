# SPDX-License-Identifier: GPL-3.0-or-later
# libcsv (Debian: libcsv-dev). Defines CSV_FOUND and the imported target CSV::CSV.
include(${CMAKE_CURRENT_LIST_DIR}/PlainLibrary.cmake)
volcalc_find_plain_library(CSV csv.h csv)
