# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

# The packages: a Debian package of the Linux program, and an installer of the Windows program.
# Both are reproducible when SOURCE_DATE_EPOCH is set, and each comes with SHA256SUMS beside it.
set(CPACK_PACKAGE_NAME zorbelkin)
set(CPACK_PACKAGE_VENDOR "${ZORBELKIN_DEVELOPERS}")
set(CPACK_PACKAGE_CONTACT "${ZORBELKIN_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
ZORBELKIN is noughts and crosses for two people who share one computer and
one mouse. Player 1 places X and player 2 places O on a three by three board,
taking turns.

Every row, column or diagonal of three equal marks is announced and scores a
point for the player who has just moved. New Game clears the board and gives
the first move to player 1; the scores carry over from game to game until the
window is closed.
]])
# The installer's licence page wraps the text to its own width: one line to a paragraph.
file(READ ${PROJECT_SOURCE_DIR}/LICENSES/MIT.txt licence)
string(REPLACE "\n\n" "\r" licence "${licence}")
string(REPLACE "\n" " " licence "${licence}")
string(REPLACE "\r" "\n\n" licence "${licence}")
file(WRITE ${CMAKE_BINARY_DIR}/licence-paragraphs.txt "${licence}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_BINARY_DIR}/licence-paragraphs.txt)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip.cmake)
set(CPACK_ZORBELKIN_STRIP ${CMAKE_STRIP})
set(CPACK_ZORBELKIN_BINDIR ${CMAKE_INSTALL_BINDIR})
# The installer's commands below reach CPack as they are written here.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/checksums.cmake)

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${ZORBELKIN_DEB_ARCH})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The title face is Arial-metric; Wayland sessions want Qt's native plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")

# The installer: 64-bit, into Program Files, with the licence, a Start-menu shortcut and an
# uninstaller. File times stay out of it, so that the same sources make the same installer.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off\n!include FileFunc.nsh\n!include WordFunc.nsh")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ZORBELKIN)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ZORBELKIN)
set(CPACK_NSIS_PACKAGE_NAME ZORBELKIN)
set(CPACK_NSIS_DISPLAY_NAME ZORBELKIN)
set(CPACK_PACKAGE_EXECUTABLES zorbelkin ZORBELKIN)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME zorbelkin.exe)
# Before anything is written: refuse to replace a newer version, and remove an older one first.
# (CPack's own removal of an earlier installation would run before this check could.)
set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZORBELKIN")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "
  ReadRegStr $0 SHCTX '${uninstall_key}' 'DisplayVersion'
  StrCmp $0 '' zorbelkin_fresh
  \${VersionCompare} $0 '${PROJECT_VERSION}' $1
  StrCmp $1 1 0 zorbelkin_not_newer
    MessageBox MB_OK|MB_ICONSTOP 'ZORBELKIN $0 is installed, which is newer than ${PROJECT_VERSION}. Uninstall it first to install this version.' /SD IDOK
    Abort
  zorbelkin_not_newer:
  ReadRegStr $0 SHCTX '${uninstall_key}' 'InstallLocation'
  StrCmp $0 '' zorbelkin_fresh
  ExecWait '\"$0\\Uninstall.exe\" /S _?=$0'
  zorbelkin_fresh:")
# What Add/Remove Programs shows and uses besides the name, version and publisher.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr SHCTX '${uninstall_key}' 'InstallLocation' '$INSTDIR'
  WriteRegStr SHCTX '${uninstall_key}' 'QuietUninstallString' '\"$INSTDIR\\Uninstall.exe\" /S'
  \${GetSize} '$INSTDIR' '/S=0K' $0 $1 $2
  IntFmt $0 '0x%08X' $0
  WriteRegDWORD SHCTX '${uninstall_key}' 'EstimatedSize' $0")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
if(WIN32)
    set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
    set(CPACK_PACKAGE_FILE_NAME "zorbelkin-${PROJECT_VERSION}-win64")
    # For the tests: include(CPack) leaves CPACK_PACKAGE_FILE_NAME naming the source package.
    set(ZORBELKIN_INSTALLER ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.exe)
endif()
include(CPack)
