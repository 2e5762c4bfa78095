# SPDX-License-Identifier: GPL-3.0-or-later
# A build without the windows installed into a scratch prefix: the command line, its manual page
# and its data land where the full install puts them, and the installed program reads them from
# there (its user's catalogue in a scratch home, so nothing outside the build is touched).
set(root ${BUILD_DIR}/cli-install-check)
set(prefix ${root}/prefix)
file(REMOVE_RECURSE ${root})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/volcalc-cli share/man/man1/volcalc-cli.1.gz share/orlisk-volcalc/volcalc.ini
             share/orlisk-volcalc/sections/en10365_ipe.csv share/orlisk-volcalc/sections/en10219_rhs.csv)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "missing after install: ${file}")
    endif()
endforeach()

set(user env HOME=${root}/home XDG_DATA_HOME=${root}/home/data)
file(WRITE ${root}/script.txt "materials\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E ${user} ${prefix}/bin/volcalc-cli ${root}/script.txt
                OUTPUT_VARIABLE listed RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT listed MATCHES "Steel \\(carbon\\)\t7850")
    message(FATAL_ERROR "the installed command line does not read the installed catalogue: ${listed}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E ${user} ${prefix}/bin/volcalc-cli --sections "ipe 200"
                OUTPUT_VARIABLE listed RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT listed MATCHES "^IPE 200\tIPE\tEN 10365\t28")
    message(FATAL_ERROR "the installed command line does not read the installed section tables: ${listed}")
endif()
file(REMOVE_RECURSE ${root})
