# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

# Every compile of the tree is hardened for its processor, and no option is given twice: a
# release's dpkg-buildflags may already give what the build adds for older ones.
# Usage: cmake -DCOMMANDS=compile_commands.json -DPROCESSOR=x86_64 -P check_build_flags.cmake
cmake_minimum_required(VERSION 3.25)
set(wanted -fstack-protector-strong)
if(PROCESSOR MATCHES "^(x86_64|i[3-6]86)$")
    list(APPEND wanted -fstack-clash-protection -fcf-protection)
elseif(PROCESSOR STREQUAL "aarch64")
    list(APPEND wanted -fstack-clash-protection -mbranch-protection=standard)
endif()

file(READ ${COMMANDS} json)
string(JSON count LENGTH "${json}")
if(count EQUAL 0)
    message(FATAL_ERROR "${COMMANDS} holds no compile")
endif()
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
    string(JSON command GET "${json}" ${index} command)
    string(JSON file GET "${json}" ${index} file)
    separate_arguments(words UNIX_COMMAND "${command}")
    # Code generation and warning options, the optimisation level and the fortification level:
    # none may come twice, with the same value or with another.
    list(FILTER words INCLUDE REGEX "^-(f|m|O|g|W|D_FORTIFY_SOURCE)")
    list(TRANSFORM words REPLACE "=.*" "" REGEX "^-[fmD]" OUTPUT_VARIABLE names)
    list(TRANSFORM names REPLACE "^-O.*" "-O")
    set(once ${names})
    list(REMOVE_DUPLICATES once)
    if(NOT once STREQUAL names)
        message(FATAL_ERROR "${file} is compiled with an option twice: ${words}")
    endif()
    foreach(flag IN LISTS wanted)
        if(NOT flag IN_LIST words)
            message(FATAL_ERROR "${file} is compiled without ${flag}: ${command}")
        endif()
    endforeach()
endforeach()
message(STATUS "${count} compiles for ${PROCESSOR}, each with ${wanted} once")
