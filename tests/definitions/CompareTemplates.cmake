# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates Templates.dat into OUTPUT and fails when it differs from the committed data/Templates.dat.
execute_process(COMMAND ${PYTHON} ${SOURCE}/scripts/make-templates ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "scripts/make-templates failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SOURCE}/data/Templates.dat
                RESULT_VARIABLE different)
if(NOT different EQUAL 0)
    message(FATAL_ERROR "data/Templates.dat is out of date: run scripts/make-templates")
endif()
