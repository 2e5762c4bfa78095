# SPDX-License-Identifier: GPL-3.0-or-later
# Every dependency is found at configure time, so a machine that lacks one stops there with the
# name of the Debian package to install, not half-way through the build at a missing header.
# scripts/install-deps.sh installs them all.

# volcalc_require_package(<package> <Debian package> [find_package arguments...])
# A macro, so that what find_package sets stays in the caller's scope.
macro(volcalc_require_package package debian_package)
    find_package(${package} ${ARGN} QUIET)
    if(NOT ${package}_FOUND)
        message(FATAL_ERROR "${package} ${ARGN} was not found: install the Debian package ${debian_package} "
                            "(scripts/install-deps.sh installs everything the build needs)")
    endif()
endmacro()

# volcalc_require_program(<variable> <program> <Debian package>)
function(volcalc_require_program variable program debian_package)
    find_program(${variable} ${program})
    if(NOT ${variable})
        message(FATAL_ERROR "The program ${program} was not found: install the Debian package ${debian_package} "
                            "(scripts/install-deps.sh installs everything the build needs)")
    endif()
endfunction()
