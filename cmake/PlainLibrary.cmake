# SPDX-License-Identifier: GPL-3.0-or-later
# The find modules of libraries whose Debian packages ship neither a CMake package nor a
# pkg-config file: a header and a library file, made into one imported target.

# volcalc_find_plain_library(<package> <header> <library>)
# Sets <package>_FOUND and defines the imported target <package>::<package>. A macro, so that what
# it sets stays in the find module's scope, which is that of find_package's caller.
macro(volcalc_find_plain_library package header library)
    find_path(${package}_INCLUDE_DIR ${header})
    find_library(${package}_LIBRARY ${library})

    include(FindPackageHandleStandardArgs)
    find_package_handle_standard_args(${package} REQUIRED_VARS ${package}_LIBRARY ${package}_INCLUDE_DIR)

    if(${package}_FOUND AND NOT TARGET ${package}::${package})
        add_library(${package}::${package} UNKNOWN IMPORTED)
        set_target_properties(${package}::${package} PROPERTIES IMPORTED_LOCATION ${${package}_LIBRARY}
                                                                INTERFACE_INCLUDE_DIRECTORIES ${${package}_INCLUDE_DIR})
    endif()
    mark_as_advanced(${package}_INCLUDE_DIR ${package}_LIBRARY)
endmacro()
