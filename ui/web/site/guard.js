// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Where the program cannot run (no WebAssembly, a wasm feature that the browser lacks, a file
// that did not load), the page says so in place of a board that would not answer. Once the
// program has taken the board, its errors are its own.
"use strict";
(() => {
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
})();
