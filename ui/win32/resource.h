// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

// The program's icon. The mark pictures are RCDATA resources named MARK_X, MARK_X_4X, MARK_O and
// MARK_O_4X, after the pictures of the window tables.
#define IDI_ZORBELKIN 1
