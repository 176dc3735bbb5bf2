// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"

#include <string_view>

namespace zorbelkin::web {

// One picture file of the site: its address beside the page, and its first 24 bytes, which hold
// what readMarkPicture reads.
struct MarkFile {
    std::string_view url;
    std::string_view start;
};

// The picture of mark (X or O), and its rendition four times its size.
struct MarkFiles {
    MarkFile small;
    MarkFile large;
};

MarkFiles markFiles(Mark mark);

} // namespace zorbelkin::web
