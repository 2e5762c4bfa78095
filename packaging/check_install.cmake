# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build both ways into fresh folders and checks what a user finds there: the installed
# tree in the platform's folders, and the portable folder, which is installed again over a changed
# catalogue that must survive.
set(root ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${root})

function(install_into prefix)
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} ${ARGN}
                    RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "install ${ARGN} failed: ${result}")
    endif()
endfunction()

function(expect_files prefix)
    foreach(file ${ARGN})
        if(NOT EXISTS ${prefix}/${file})
            message(FATAL_ERROR "missing after install into ${prefix}: ${file}")
        endif()
    endforeach()
endfunction()

set(installed ${root}/installed)
install_into(${installed})
expect_files(${installed} bin/volcalc bin/volcalc-cli ${MODULE}
    share/orlisk-volcalc/volcalc.ini share/orlisk-volcalc/TORVA.CHM share/orlisk-volcalc/index.html
    share/orlisk-volcalc/style.css share/orlisk-volcalc/sections/en10365_ipe.csv
    share/orlisk-volcalc/sections/en10219_rhs.csv share/applications/volcalc.desktop
    share/mime/packages/orlisk-volcalc.xml share/metainfo/example.orlisk.VolumeCalculator.metainfo.xml
    share/man/man1/volcalc.1.gz share/man/man1/volcalc-cli.1.gz
    share/doc/orlisk-volcalc/copyright share/doc/orlisk-volcalc/changelog.gz
    share/icons/hicolor/16x16/apps/volcalc.png share/icons/hicolor/256x256/apps/volcalc.png)
file(GLOB stray RELATIVE ${installed} ${installed}/*)
if(NOT stray STREQUAL "bin;lib;share")
    message(FATAL_ERROR "the installed tree holds more than bin, lib and share: ${stray}")
endif()

set(portable ${root}/portable)
install_into(${portable} --component portable)
get_filename_component(module_name ${MODULE} NAME)
expect_files(${portable} volcalc volcalc-cli ${module_name} volcalc.ini TORVA.CHM index.html style.css volcalc.desktop
    sections/en10365_ipe.csv sections/en10219_rhs.csv
    volcalc.1 volcalc-cli.1 example.orlisk.VolumeCalculator.metainfo.xml copyright LICENSE
    icons/hicolor/32x32/apps/volcalc.png icons/hicolor/256x256/apps/volcalc.png)
if(EXISTS ${portable}/bin OR EXISTS ${portable}/share)
    message(FATAL_ERROR "the portable folder holds parts of the installed tree")
endif()
file(WRITE ${portable}/list.txt "materials\n")
execute_process(COMMAND ${portable}/volcalc-cli ${portable}/list.txt OUTPUT_VARIABLE listed RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT listed MATCHES "Steel \\(carbon\\)\t7850")
    message(FATAL_ERROR "the portable command line does not read its catalogue: ${listed}")
endif()
execute_process(COMMAND ${portable}/volcalc-cli --sections ipe200 OUTPUT_VARIABLE listed RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT listed MATCHES "^IPE 200\tIPE\tEN 10365\t28")
    message(FATAL_ERROR "the portable command line does not read its section tables: ${listed}")
endif()
file(WRITE ${portable}/volcalc.ini "[Count]\nCount=1\n[Material]\n0=Mine\n[Density]\n0=1\n")
install_into(${portable} --component portable)
file(READ ${portable}/volcalc.ini kept)
if(NOT kept MATCHES "0=Mine")
    message(FATAL_ERROR "installing again overwrote the user's catalogue")
endif()
file(REMOVE_RECURSE ${root})
