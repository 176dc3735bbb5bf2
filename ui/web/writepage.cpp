// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Writes the site's page with the board already in it, and the board's style sheet, from the
// main window's table, as a step of the site's build under node.
// Usage: writepage TEMPLATE PAGE STYLE

#include "markup.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>

namespace {

void write(const char* path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    if (!(file << text) || !file.flush())
        throw std::runtime_error(std::string("cannot write ") + path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: writepage TEMPLATE PAGE STYLE\n", stderr);
        return 2;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        std::ostringstream page;
        if (!(page << in.rdbuf()))
            throw std::runtime_error(std::string("cannot read ") + argv[1]);
        write(argv[2], zorbelkin::web::withBoard(page.str()));
        write(argv[3], zorbelkin::web::boardStyle());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "writepage: %s\n", error.what());
        return 1;
    }
}
