# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

# Run by CPack on the staged Debian package: strips the programs as Debian's own packaging does,
# the compiler's note of its version included.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/usr/${CPACK_ZORBELKIN_BINDIR}/*")
foreach(program IN LISTS programs)
    execute_process(
        COMMAND ${CPACK_ZORBELKIN_STRIP} --remove-section=.comment --remove-section=.note ${program}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
