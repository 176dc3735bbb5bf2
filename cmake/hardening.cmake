# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

# Hardened binaries on both platforms. Optimisation and debug information stay the build type's.
if(WIN32)
    # mingw-w64 links the stack protector and the fortified calls statically. Windows may load the
    # program anywhere in its 64-bit space, never runs its data and needs no terminal-server
    # compatibility shims; subsystem 6.0 marks it as a program for Vista's loader and later.
    add_compile_options(-fstack-protector-strong)
    add_compile_definitions(_FORTIFY_SOURCE=2)
    add_link_options(-fstack-protector-strong
        -Wl,--dynamicbase -Wl,--nxcompat -Wl,--high-entropy-va -Wl,--tsaware
        -Wl,--major-subsystem-version,6 -Wl,--minor-subsystem-version,0)
    return()
endif()

# Debian's own hardening, as dpkg-buildflags gives it to Debian's packages of the architecture
# being built. It runs in the source folder so that its file prefix map hides where the tree was
# built.
find_program(ZORBELKIN_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_HOST_ARCH=${ZORBELKIN_DEB_ARCH}
            DEB_BUILD_MAINT_OPTIONS=hardening=+all
            "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" ${ZORBELKIN_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(debian_${kind} ${flags})
endforeach()
add_compile_options(${debian_CPPFLAGS} ${debian_CXXFLAGS})
add_link_options(${debian_LDFLAGS})

# What Debian 12's dpkg does not add yet and Debian 13's does: stack-clash protection, and the
# processor's own control-flow protection, which x86 and arm64 have under different names. Each
# is added once, and only where the compiler for this target knows it.
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection -mbranch-protection=standard)
    string(REGEX REPLACE "=.*" "" option ${flag})
    set(given ${debian_CXXFLAGS})
    list(FILTER given INCLUDE REGEX "^${option}(=|$)")
    string(MAKE_C_IDENTIFIER "ZORBELKIN_HAS${option}" known)
    if(NOT given)
        check_cxx_compiler_flag(${flag} ${known})
        if(${known})
            add_compile_options(${flag})
        endif()
    endif()
endforeach()
