# SPDX-License-Identifier: GPL-3.0-or-later
# QUILLOG_SANITIZE=address,undefined or QUILLOG_SANITIZE=thread instruments every target.
# QUILLOG_FUZZ instruments every target for libFuzzer's coverage feedback with AddressSanitizer and
# UndefinedBehaviorSanitizer; tests/fuzz links the fuzzer's own main into each fuzz target.

set(QUILLOG_SANITIZE "" CACHE STRING "Sanitizers to build with (address,undefined or thread)")
if(QUILLOG_SANITIZE)
    add_compile_options(-fsanitize=${QUILLOG_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${QUILLOG_SANITIZE})
endif()

if(QUILLOG_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUILLOG_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
