# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

# Run by CPack once it has packed: SHA256SUMS beside the packages, in the format that
# `sha256sum --check` reads.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    file(SHA256 "${package}" hash)
    cmake_path(GET package FILENAME name)
    string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE "${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS" "${sums}")
