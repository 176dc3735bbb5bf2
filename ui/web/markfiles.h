// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace zorbelkin::web {

// One picture file of the site: its address beside the page, and its first 24 bytes, which hold
// what readMarkPicture reads.
struct MarkFile {
    std::string url;
    std::string_view start;
};

// A mark picture of the site, by the name that the holder's row gives it ("x", "o"), and its
// rendition four times its size. Throws std::invalid_argument for a name the site has no
// picture of.
struct MarkFiles {
    MarkFile small;
    MarkFile large;
};

MarkFiles markFiles(std::string_view picture);

} // namespace zorbelkin::web
