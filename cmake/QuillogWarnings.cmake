# SPDX-License-Identifier: GPL-3.0-or-later
# Warning sets shared by every target; the core gets the stricter conversion checks.

option(QUILLOG_WERROR "Treat warnings as errors" ON)

function(quillog_enable_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
        -Wimplicit-fallthrough -Werror=return-type)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wsuggest-override)
    else()
        target_compile_options(${target} PRIVATE -Winconsistent-missing-override)
    endif()
    if(QUILLOG_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

function(quillog_enable_strict_warnings target)
    quillog_enable_warnings(${target})
    target_compile_options(${target} PRIVATE -Wconversion -Wsign-conversion -Wold-style-cast)
endfunction()
