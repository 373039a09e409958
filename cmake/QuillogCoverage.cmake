# SPDX-License-Identifier: GPL-3.0-or-later
# QUILLOG_COVERAGE instruments every target for clang's source-based coverage; scripts/coverage runs
# the suite and turns the profiles into a report. The report reads the coverage mapping from the
# binaries, so quillog-coverage-all links the whole core: a source file that no test links still
# shows up, with no line covered.

if(QUILLOG_COVERAGE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUILLOG_COVERAGE needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fprofile-instr-generate -fcoverage-mapping)
    add_link_options(-fprofile-instr-generate)

    function(quillog_add_coverage_all)
        set(main ${CMAKE_BINARY_DIR}/coverage-all.cpp)
        file(WRITE ${main} "int main() { return 0; }\n")
        add_executable(quillog-coverage-all ${main})
        foreach(folder core settings definitions formats check tools document)
            target_link_libraries(quillog-coverage-all PRIVATE
                "$<LINK_LIBRARY:WHOLE_ARCHIVE,quillog-${folder}-layer>")
        endforeach()
    endfunction()
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quillog_add_coverage_all)
endif()
