# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the help pages into TORVA.CHM and clears its build times, quietly.
# In: CHMCMD, STAMP (the chm_stamp tool), SOURCE_DIR, STAGE_DIR, OUTPUT, FILES (comma-separated).
string(REPLACE "," ";" FILES "${FILES}")
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")
foreach(name IN LISTS FILES)
    file(COPY_FILE "${SOURCE_DIR}/${name}" "${STAGE_DIR}/${name}")
endforeach()

execute_process(
    COMMAND "${CHMCMD}" --verbosity 0 TORVA.hhp
    WORKING_DIRECTORY "${STAGE_DIR}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
# The compiler reports a missing page or link as a warning and still succeeds: refuse that.
if(NOT result EQUAL 0 OR NOT EXISTS "${STAGE_DIR}/TORVA.CHM" OR output MATCHES "[Ww]arning|[Ee]rror")
    message(FATAL_ERROR "chmcmd failed on the help pages:\n${output}")
endif()

execute_process(COMMAND "${STAMP}" "${STAGE_DIR}/TORVA.CHM" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "chm_stamp failed on TORVA.CHM")
endif()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(COPY_FILE "${STAGE_DIR}/TORVA.CHM" "${OUTPUT}")
file(TOUCH "${OUTPUT}")
