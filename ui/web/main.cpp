// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "game.h"
#include "webwindow.h"

#include <emscripten/bind.h>

#include <optional>

namespace {

using namespace zorbelkin;

// The page's one window and its game, which live as long as the page.
struct Program {
    web::WebWindow window;
    Game game{window};
};
std::optional<Program> program;

void handleEvent(web::val event)
{
    if (program)
        program->window.handle(event);
}

} // namespace

EMSCRIPTEN_BINDINGS(zorbelkin)
{
    emscripten::function("handleEvent", &handleEvent);
}

int main()
{
    program.emplace();
    program->window.onCellClick = [](CellIndex cell) { program->game.lbl1_Click(cell); };
    program->window.onNewGame = [] { program->game.Cmd3_Click(); };
    program->window.run([] { program->game.Form_Load(); });
    // The worker keeps the site for play without a network; pages from a file have none.
    const web::val workers = web::val::global("navigator")["serviceWorker"];
    if (!workers.isUndefined())
        workers.call<web::val>("register", std::string("sw.js"));
}
