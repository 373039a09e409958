# SPDX-License-Identifier: GPL-3.0-or-later
# QUILLOG_SANITIZE=address,undefined or QUILLOG_SANITIZE=thread instruments every target.

set(QUILLOG_SANITIZE "" CACHE STRING "Sanitizers to build with (address,undefined or thread)")
if(QUILLOG_SANITIZE)
    add_compile_options(-fsanitize=${QUILLOG_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${QUILLOG_SANITIZE})
endif()
