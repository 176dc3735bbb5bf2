# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

# Cross-builds the Linux program for another Debian architecture, named by DEB_HOST_ARCH in the
# environment (arm64, say), with Debian's own cross compilers and that architecture's multiarch
# packages of Qt beside the build machine's. The build machine's Qt tools (moc, rcc) do the
# generating. DEB_HOST_ARCH also makes dpkg-buildflags and dpkg-shlibdeps answer for that
# architecture. The architecture is kept in the cache, so that a later build re-runs CMake alike.
set(ZORBELKIN_DEB_HOST_ARCH "$ENV{DEB_HOST_ARCH}"
    CACHE STRING "The Debian architecture the tree is cross-built for")
if(NOT ZORBELKIN_DEB_HOST_ARCH)
    message(FATAL_ERROR "Set DEB_HOST_ARCH to the Debian architecture to cross-build for")
endif()
# Compiler checks run in projects of their own, which see only what is listed here.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZORBELKIN_DEB_HOST_ARCH)

function(zorbelkin_debian_arch variable result)
    execute_process(
        COMMAND dpkg-architecture --host-arch ${ZORBELKIN_DEB_HOST_ARCH} --query ${variable}
        OUTPUT_VARIABLE value
        OUTPUT_STRIP_TRAILING_WHITESPACE
        ERROR_QUIET
        COMMAND_ERROR_IS_FATAL ANY)
    set(${result} ${value} PARENT_SCOPE)
endfunction()
zorbelkin_debian_arch(DEB_HOST_GNU_TYPE triplet)
zorbelkin_debian_arch(DEB_HOST_GNU_CPU processor)
zorbelkin_debian_arch(DEB_HOST_MULTIARCH multiarch)

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${processor})
set(CMAKE_C_COMPILER ${triplet}-gcc)
set(CMAKE_CXX_COMPILER ${triplet}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${multiarch})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(QT_HOST_PATH /usr)

# CTest runs the test programs under qemu-user, with the architecture's libraries where Debian's
# multiarch puts them.
find_program(ZORBELKIN_QEMU qemu-${processor} qemu-${processor}-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZORBELKIN_QEMU} -L /)
