# Installs the build into a fresh folder and checks what a user finds there; then installs again
# over a changed catalogue, which must survive.
set(prefix ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()
foreach(file volcalc volcalc-cli volcalc.ini TORVA.CHM volcalc.desktop volcalc-cli.1
             example.orlisk.VolumeCalculator.metainfo.xml icons/hicolor/32x32/apps/volcalc.png
             icons/hicolor/256x256/apps/volcalc.png)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "missing after install: ${file}")
    endif()
endforeach()
file(WRITE ${prefix}/list.txt "materials\n")
execute_process(COMMAND ${prefix}/volcalc-cli ${prefix}/list.txt OUTPUT_VARIABLE listed RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT listed MATCHES "Steel \\(carbon\\)\t7850")
    message(FATAL_ERROR "the installed command line does not read its catalogue: ${listed}")
endif()
file(WRITE ${prefix}/volcalc.ini "[Count]\nCount=1\n[Material]\n0=Mine\n[Density]\n0=1\n")
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} OUTPUT_QUIET)
file(READ ${prefix}/volcalc.ini kept)
if(NOT kept MATCHES "0=Mine")
    message(FATAL_ERROR "installing again overwrote the user's catalogue")
endif()
file(REMOVE_RECURSE ${prefix})
