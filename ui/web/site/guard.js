// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Where the program cannot run (no WebAssembly, a wasm feature that the browser lacks, a file
// that did not load), the page says so in place of a board that would not answer. Once the
// program has taken the board, its errors are its own.
// The program (named by this script's data-program) is fetched only once the board has been
// painted, so that the first paint waits for nothing but the page and its style sheets; its wasm
// is asked for beside its script, not once the script has run.
"use strict";
(() => {
    const program = document.currentScript.dataset.program;
    const unable = () => {
        if (document.documentElement.dataset.running === undefined) {
            const sheet = document.createElement("link");
            sheet.rel = "stylesheet";
            sheet.href = "unable.css";
            document.head.append(sheet);
        }
    };
    if (typeof WebAssembly !== "object")
        unable();
    addEventListener("error", unable, true);
    addEventListener("unhandledrejection", unable);
    requestAnimationFrame(() => setTimeout(() => document.head.append(
        Object.assign(document.createElement("link"),
                      {rel: "preload", as: "fetch", crossOrigin: "", href: `${program}.wasm`}),
        Object.assign(document.createElement("script"), {src: `${program}.js`}))));
})();
