# SPDX-License-Identifier: GPL-3.0-or-later
# Each library shows only its own folder to what links it. Its headers are included by the library's
# name (`#include "calc/units.h"`), through a folder of the build tree that holds one link, named
# after the library's folder, to that folder. A target sees a library's headers only when it links
# the library, so an include that runs against the layers (the core including the catalogue, say)
# fails to build.
function(volcalc_library_include_folder folder result)
    set(root ${PROJECT_BINARY_DIR}/include/${folder})
    if(NOT EXISTS ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    set(${result} ${root} PARENT_SCOPE)
endfunction()

# The library's own folder for the library and those that link it.
function(volcalc_expose_folder target folder)
    volcalc_library_include_folder(${folder} root)
    target_include_directories(${target} PUBLIC ${root})
endfunction()
