# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM with ARGS (a ;-list) and fails unless it exits with code 2 and prints a usage line.
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE code ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT code EQUAL 2 OR NOT errors MATCHES "usage: ")
    message(FATAL_ERROR "${PROGRAM} ${ARGS}: exit ${code}, stderr: ${errors}")
endif()
