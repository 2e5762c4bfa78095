# Checks the built TORVA.CHM: a compiled help file holding every page, and the same bytes when
# the pages are compiled again.
# In: the variables of compile_help.cmake, with OUTPUT the file to check and STAGE_DIR a
# scratch folder.
string(REPLACE "," ";" FILES "${FILES}")
if(NOT EXISTS "${OUTPUT}")
    message(FATAL_ERROR "${OUTPUT} was not built")
endif()
file(READ "${OUTPUT}" signature LIMIT 4 HEX)
if(NOT signature STREQUAL "49545346") # "ITSF"
    message(FATAL_ERROR "${OUTPUT} is not a compiled help file")
endif()
file(STRINGS "${OUTPUT}" names REGEX "\\.(html|css|hhc)")
foreach(name IN LISTS FILES)
    if(name MATCHES "\\.(html|css|hhc)$")
        string(FIND "${names}" "/${name}" found)
        if(found EQUAL -1)
            message(FATAL_ERROR "${OUTPUT} does not hold ${name}")
        endif()
    endif()
endforeach()

set(built "${OUTPUT}")
set(OUTPUT "${STAGE_DIR}/again/TORVA.CHM")
include("${CMAKE_CURRENT_LIST_DIR}/compile_help.cmake")
file(SHA256 "${built}" first)
file(SHA256 "${OUTPUT}" second)
if(NOT first STREQUAL second)
    message(FATAL_ERROR "compiling the same pages twice gave different files")
endif()
