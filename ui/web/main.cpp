// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "mainwindow.h"

#include <emscripten/bind.h>

#include <optional>

namespace {

using namespace zorbelkin;

// The page's one window, which owns its game; it lives as long as the page.
std::optional<web::MainWindow> window;

void handleEvent(web::val event)
{
    if (window)
        window->handle(event);
}

} // namespace

EMSCRIPTEN_BINDINGS(zorbelkin)
{
    emscripten::function("handleEvent", &handleEvent);
}

int main()
{
    window.emplace();
    // The worker keeps the site for play without a network; pages from a file have none.
    const web::val workers = web::val::global("navigator")["serviceWorker"];
    if (!workers.isUndefined())
        workers.call<web::val>("register", std::string("sw.js"));
}
