# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

# The packages: a Debian package of the Linux program, and an installer of the Windows program.
set(CPACK_PACKAGE_NAME zorbelkin)
set(CPACK_PACKAGE_VENDOR "ZORBELKIN developers")
set(CPACK_PACKAGE_CONTACT "ZORBELKIN developers <developers@zorbelkin.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The title face is Arial-metric; Wayland sessions want Qt's native plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")

# The installer: 64-bit, into Program Files, with a Start-menu shortcut and an uninstaller, and
# the version for Add/Remove Programs.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ZORBELKIN)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ZORBELKIN)
set(CPACK_NSIS_PACKAGE_NAME ZORBELKIN)
set(CPACK_NSIS_DISPLAY_NAME ZORBELKIN)
set(CPACK_PACKAGE_EXECUTABLES zorbelkin ZORBELKIN)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME zorbelkin.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
if(WIN32)
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
    set(CPACK_PACKAGE_FILE_NAME "zorbelkin-${PROJECT_VERSION}-win64")
endif()
include(CPack)
