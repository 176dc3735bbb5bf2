#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Runs the game in several desktop looks on a private Xvfb display and measures screenshots of
# it: the turn digit must stand out from its box by at least 4.5 : 1 while the box still looks
# unlike the score boxes, and on a board that is not white a marked cell must show no ground of
# its own. The Linux program takes its looks from a style or a KDE colour scheme, the Windows
# program under Wine from the system colours.
# Usage: looks.sh GAME_BINARY
#        looks.sh wine GAME.exe
set -euo pipefail
here=$(dirname "$0")
. "$here/testlib.sh"
if [ "$1" = wine ]; then
    game=(wine "${2:?game program}")
else
    game=("${1:?game binary}")
fi


on_display
[ "${game[0]}" != wine ] || start_wine 96 "0 0 0"

shot() { import -window "$window" "$scratch/shot.png" 2>/dev/null; }
# colours_of X Y WIDTH HEIGHT: the text box there, inside its border, measured in the last shot.
colours_of() {
    convert "$scratch/shot.png" -crop "$(($3 - 6))x$(($4 - 6))+$(($1 + 3))+$(($2 + 3))" +repage \
        "$scratch/box.ppm"
    python3 "$here/text_contrast.py" "$scratch/box.ppm"
}
turn_box() { colours_of 224 440 25 19; }
score_box() { colours_of 128 424 41 25; }
pixel() { colour_at "$scratch/shot.png" "$1" "$2"; }
# uniform X Y WIDTH HEIGHT: the one colour of that area of the last shot, or "mixed".
uniform() {
    local area=$scratch/area.png
    convert "$scratch/shot.png" -crop "$3x$4+$1+$2" +repage "$area"
    if [ "$(convert "$area" -format '%k' info:)" = 1 ]; then
        colour_at "$area" 0 0
    else
        echo mixed
    fi
}

# check_turn_digit LOOK: the digit reads, and the box keeps the look of a disabled one.
check_turn_digit() {
    until_true 20 eval 'shot && turn_box >/dev/null' || fail "$1: no digit in the turn box"
    local turn score
    turn=$(turn_box)
    score=$(score_box)
    echo "$1: turn box $turn; score box $score"
    awk -v c="${turn##* }" 'BEGIN { exit !(c >= 4.5) }' ||
        fail "$1: the turn digit stands out by only ${turn##* } : 1"
    [ "${turn% contrast*}" != "${score% contrast*}" ] ||
        fail "$1: the turn box looks like a score box"
}

# check_mark_margin LOOK R,G,B: the board is that colour, and so is a marked cell outside its
# tile. The tile spans x 18 to 97 and y 5 to 100 of the 113 x 105 cell; the strips tested keep a
# pixel clear of it for smooth scaling.
check_mark_margin() {
    [ "$(pixel 2 2)" = "$2" ] || fail "$1: the board is $(pixel 2 2), not $2"
    local left top strip colour
    left=$(cell_left 4)
    top=$(cell_top 4)
    xdotool mousemove --window "$window" "$(cell_middle_x 4)" "$(cell_middle_y 4)" click 1
    until_true 10 eval 'shot && [ "$(pixel $((left + 74)) $((top + 30)))" = 0,132,132 ]' ||
        fail "$1: no mark after a click on the middle cell"
    for strip in "0 0 16 105" "99 0 14 105" "0 0 113 4" "0 102 113 3"; do
        read -r x y width height <<<"$strip"
        colour=$(uniform $((left + x)) $((top + y)) "$width" "$height")
        [ "$colour" = "$2" ] ||
            fail "$1: the marked cell shows $colour at x $x, y $y, $width x $height, on a board of $2"
    done
    echo "$1: a marked cell's margin is the board's colour, $2"
}

stop_game() {
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    [ "${game[0]}" != wine ] || wineserver --wait
}

# look NAME BOARD START...: starts the game with START..., checks its turn digit and, unless BOARD
# is "-", that a marked cell lies on a board of that colour; then ends the game.
look() {
    local name=$1 board=$2
    shift 2
    "$@"
    check_turn_digit "$name"
    [ "$board" = - ] || check_mark_margin "$name" "$board"
    stop_game
}

# kde_look WINDOW_TEXT WINDOW BUTTON VIEW_TEXT VIEW SELECTION SELECTED_TEXT: the game in Qt's own
# reading of a KDE desktop's colour scheme of those colours.
kde_look() {
    local config
    config=$(mktemp -d -p "$scratch")
    printf '[Colors:%s]\nBackgroundNormal=%s\nForegroundNormal=%s\n\n' \
        Window "$2" "$1" Button "$3" "$1" View "$5" "$4" Selection "$6" "$7" >"$config/kdeglobals"
    start_game env XDG_CONFIG_HOME="$config" KDE_SESSION_VERSION=5 QT_QPA_PLATFORMTHEME=kde \
        "${game[@]}"
}

# wine_look NAME=R G B...: sets those system colours, which Wine reads as a program starts, on top
# of the looks before.
wine_look() {
    local setting
    for setting in "$@"; do
        wine reg add 'HKCU\Control Panel\Colors' /v "${setting%%=*}" /t REG_SZ /d "${setting#*=}" \
            /f >/dev/null 2>&1
    done
    wineserver --wait
    start_game "${game[@]}"
}

if [ "${game[0]}" != wine ]; then
    look "default style" - start_game "${game[@]}"
    look "Windows style" - start_game "${game[@]}" -style windows
    look "dark palette" 252,252,252 kde_look 252,252,252 49,54,59 49,54,59 252,252,252 35,38,41 \
        61,174,233 252,252,252
    look "pale yellow selected text" 255,232,144 kde_look 35,38,41 239,240,241 252,252,252 \
        35,38,41 252,252,252 61,174,233 255,232,144
else
    look "Wine's colours" - wine_look
    look "classic colours" - wine_look "ButtonFace=192 192 192" "GrayText=128 128 128" \
        "Window=255 255 255" "WindowText=0 0 0" "TitleText=255 255 255"
    look "pale yellow title text" 255,232,144 wine_look "TitleText=255 232 144"
    look "dark colours" 249,249,249 wine_look "ButtonFace=45 45 48" "GrayText=96 96 96" \
        "Window=30 30 30" "WindowText=240 240 240" "ButtonText=240 240 240" "TitleText=249 249 249"
fi
echo "PASS: the turn digit reads and marks lie on the board in every look"
