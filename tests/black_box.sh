#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Works the real game on a private Xvfb display from outside, as a person would: xdotool clicks at
# the window's pixel coordinates and screenshots show what a player sees. Either way the game's
# X11 window is its client area. The Linux program runs as it is; the Windows program runs under
# Wine on a fresh prefix, at the given dots per inch and colour of title bar text.
#   play:  message boxes are counted and dismissed with Enter, and the scores are read back through
#          the clipboard.
#   looks: the game starts in several desktop looks (a Qt style or KDE colour scheme; Wine's
#          system colours): the turn digit must stand out from its box by at least 4.5 : 1, and
#          on a board that is not white a marked cell must show no ground of its own.
# Usage: black_box.sh play|looks GAME_BINARY
#        black_box.sh play|looks wine GAME.exe DOTS_PER_INCH TITLE_TEXT_RGB
set -euo pipefail
here=$(dirname "$0")
. "$here/testlib.sh"
scenario=${1:?play or looks}
dpi=96
if [ "${2:-}" = wine ]; then
    game=(wine "${3:?game program}")
    dpi=${4:?dots per inch}
    title_text=${5:?title bar text colour, as "R G B"}
else
    game=("${2:?game binary}")
fi

need xclip xclip
on_display
if [ "${game[0]}" = wine ]; then
    start_wine "$dpi" "$title_text"
    echo "Wine at $dpi dots per inch, title bar text $title_text"
fi

# Every position and size below is given at 96 dots per inch; at scales it to the window's.
at() { echo $((($1 * dpi + 48) / 96)); }
client_size() { xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }
shot() { import -window "$window" "$scratch/shot.png" 2>/dev/null; }
# pixel X Y: the colour at window coordinates in the last screenshot, as r,g,b.
pixel() { colour_at "$scratch/shot.png" "$(at "$1")" "$(at "$2")"; }

# A mark's teal panel shows at (74, 30) inside the cell (testlib.sh places the cells).
mark_at() {
    local x y
    x=$(cell_left "$1")
    y=$(cell_top "$1")
    [ "$(pixel $((x + 74)) $((y + 30)))" = 0,132,132 ] || { echo .; return; }
    case "$(pixel $((x + 56)) $((y + 52)))" in
    255,255,255) echo X ;;
    0,132,132) echo O ;;
    *) echo '?' ;;
    esac
}
# The marks of the nine cells; a cell cut off by a small window reads '-'.
board() {
    shot
    local i out= width height
    read -r width height < <(identify -format '%w %h' "$scratch/shot.png")
    for i in 0 1 2 3 4 5 6 7 8; do
        if [ "$(at $(($(cell_left "$i") + 74)))" -lt "$width" ] &&
            [ "$(at $(($(cell_top "$i") + 52)))" -lt "$height" ]; then
            out+=$(mark_at "$i")
        else
            out+=-
        fi
    done
    echo "$out"
}
board_is() { [ "$(board)" = "$1" ]; }
expect_board() {
    until_true 10 board_is "$1" || fail "the board shows $(board), expected $1 ($2)"
}

click() { xdotool mousemove --window "$window" "$(at "$1")" "$(at "$2")" click 1; }
# drag X1 Y1 X2 Y2: presses the left button at one point and releases it at the other.
drag() {
    xdotool mousemove --window "$window" "$(at "$1")" "$(at "$2")" mousedown 1 \
        mousemove --window "$window" "$(at "$3")" "$(at "$4")" mouseup 1
}
click_cell() { click $(($(cell_left "$1") + ${2:-56})) $(($(cell_top "$1") + ${3:-52})); }

message_boxes() { xdotool search --onlyvisible --name '^ZORBELKIN$' 2>/dev/null | wc -l; }
one_box_open() { [ "$(message_boxes)" -eq 1 ]; }
no_box_open() { [ "$(message_boxes)" -eq 0 ]; }
# Each completed line raises one box, one at a time; Enter dismisses it. The box covers the middle
# of the board, so the board is read after it has gone.
dismiss_boxes() {
    local expected=$1 i box
    for ((i = 1; i <= expected; i++)); do
        until_true 10 one_box_open || fail "message $i of $expected did not come (boxes: $(message_boxes))"
        box=$(xdotool search --onlyvisible --name '^ZORBELKIN$' | head -n 1)
        xdotool windowfocus "$box"
        xdotool key --clearmodifiers Return
        until_true 10 eval '! xdotool search --onlyvisible --name "^ZORBELKIN$" | grep -qx '"$box" ||
            fail "Enter did not dismiss message $i"
    done
    # The game takes a click and a copy in its window only once the move has ended, when no
    # further box can come: a stray box would have taken the copy instead.
    echo -n "no copy yet" | xclip -selection clipboard
    xdotool windowfocus "$window"
    click "${player1_score[@]}"
    xdotool key --clearmodifiers ctrl+a ctrl+c
    until_true 10 eval '[ "$(xclip -o -selection clipboard 2>/dev/null)" != "no copy yet" ]' ||
        fail "the game took no input within 10 s of message $expected"
    no_box_open || fail "more than $expected message(s) after one move"
}

# score_text X Y: selects all in the score box at (X, Y), copies it and reads the clipboard.
score_text() {
    xdotool windowfocus "$window"
    click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a ctrl+c
    xclip -o -selection clipboard 2>/dev/null
}
expect_score() {
    local actual
    actual=$(score_text "$1" "$2")
    [ "$actual" = "$3" ] || fail "$4 reads \"$actual\", expected \"$3\""
}
player1_score=(148 436)
player2_score=(324 436)

# colours_of X Y WIDTH HEIGHT: the text box there, inside its border, measured in the last shot.
colours_of() {
    convert "$scratch/shot.png" -crop "$(at $(($3 - 6)))x$(at $(($4 - 6)))+$(at $(($1 + 3)))+$(at $(($2 + 3)))" \
        +repage "$scratch/box.ppm"
    python3 "$here/text_contrast.py" "$scratch/box.ppm"
}
# uniform X Y WIDTH HEIGHT: the one colour of that area of the last shot, or "mixed".
uniform() {
    local area=$scratch/area.png
    convert "$scratch/shot.png" -crop "$(at "$3")x$(at "$4")+$(at "$1")+$(at "$2")" +repage "$area"
    if [ "$(convert "$area" -format '%k' info:)" = 1 ]; then
        colour_at "$area" 0 0
    else
        echo mixed
    fi
}

# check_turn_digit LOOK: the digit reads.
check_turn_digit() {
    until_true 20 eval 'shot && colours_of 224 440 25 19 >/dev/null' || fail "$1: no digit in the turn box"
    local turn
    turn=$(colours_of 224 440 25 19)
    echo "$1: turn box $turn"
    awk -v c="${turn##* }" 'BEGIN { exit !(c >= 4.5) }' ||
        fail "$1: the turn digit stands out by only ${turn##* } : 1"
}

# check_mark_margin LOOK R,G,B: the board is that colour, an X on it keeps its white strokes, and
# the marked cell is the board's colour outside its tile. The tile spans x 18 to 97 and y 5 to 100
# of the 113 x 105 cell; the strips tested keep a pixel clear of it for smooth scaling.
check_mark_margin() {
    [ "$(pixel 2 2)" = "$2" ] || fail "$1: the board is $(pixel 2 2), not $2"
    click_cell 4
    expect_board ....X.... "$1: after a click on the middle cell"
    local strip colour
    for strip in "0 0 16 105" "99 0 14 105" "0 0 113 4" "0 102 113 3"; do
        read -r x y width height <<<"$strip"
        colour=$(uniform $(($(cell_left 4) + x)) $(($(cell_top 4) + y)) "$width" "$height")
        [ "$colour" = "$2" ] ||
            fail "$1: the marked cell shows $colour at x $x, y $y, $width x $height, on a board of $2"
    done
    echo "$1: a marked cell's margin is the board's colour, $2"
}

# stop_game: ends the game, and under Wine waits until its server has let it go.
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

if [ "$scenario" = looks ]; then
    if [ "${game[0]}" != wine ]; then
        look "default style" - start_game "${game[@]}"
        look "Windows style" - start_game "${game[@]}" -style windows
        look "dark palette" 252,252,252 kde_look 252,252,252 49,54,59 49,54,59 252,252,252 \
            35,38,41 61,174,233 252,252,252
        look "pale yellow selected text" 255,232,144 kde_look 35,38,41 239,240,241 252,252,252 \
            35,38,41 252,252,252 61,174,233 255,232,144
    else
        look "Wine's colours" - wine_look
        look "classic colours" - wine_look "ButtonFace=192 192 192" "GrayText=128 128 128" \
            "Window=255 255 255" "WindowText=0 0 0" "TitleText=255 255 255"
        look "pale yellow title text" 255,232,144 wine_look "TitleText=255 232 144"
        look "dark colours" 249,249,249 wine_look "ButtonFace=45 45 48" "GrayText=96 96 96" \
            "Window=30 30 30" "WindowText=240 240 240" "ButtonText=240 240 240" \
            "TitleText=249 249 249"
    fi
    echo "PASS: the turn digit reads and marks lie on the board in every look"
    exit 0
fi

start_game "${game[@]}"
size=$(at 470)x$(at 459)
[ "$(client_size)" = "$size" ] || fail "the client area is $(client_size), not $size"
echo "window \"ZOR BEL KIN\", client area $size"

# The first frame: a blank white board with black grid lines, every control where it is laid out.
# The window may be mapped before its first frame is drawn: wait for the frame.
laid_out() {
    shot && convert "$scratch/shot.png" "$scratch/shot.ppm" &&
        python3 "$here/window_geometry.py" "$scratch/shot.ppm" "$dpi" 255,255,255 0,0,0 \
            >"$scratch/geometry" 2>&1
}
until_true 10 laid_out || fail "the fresh window is not as laid out: $(cat "$scratch/geometry")"
expect_board ......... "at start"
echo "the fresh window: $(cat "$scratch/geometry")"

# X in the centre; a second click on it, on a grid line and in the gaps changes nothing, so the
# next mark in the corner is O.
click_cell 4
expect_board ....X.... "after X in the centre"
click_cell 4
click_cell 4 0 0
click_cell 4 112 104
click 160 90
click 150 80
click 100 150
click 460 300
# A press on a free cell dragged off it, and a press in a gap released on that cell, are no
# clicks: had either played it, the next click would place X, not O.
drag "$(cell_middle_x 8)" "$(cell_middle_y 8)" 460 300
drag 460 300 "$(cell_middle_x 8)" "$(cell_middle_y 8)"
click_cell 0 5 5
expect_board O...X.... "after the clicks off free cells and the drags"
echo "marks appear where clicked; used cells, grid lines, gaps and drags take no clicks"

# X completes the middle column: one message, then player 1 scores.
click_cell 1
click_cell 2
click_cell 7
dismiss_boxes 1
expect_board OXO.X..X. "after X completes the middle column"
expect_score "${player1_score[@]}" 1 "player 1's score"
expect_score "${player2_score[@]}" 0 "player 2's score"
echo "a completed line raised one \"ZORBELKIN\" message; player 1 scored"

# A score typed by hand, then O completes the left column: 41 becomes 42.
xdotool windowfocus "$window"
click "${player2_score[@]}"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 41
click_cell 3
click_cell 5
click_cell 6
dismiss_boxes 1
expect_board OXOOXXOX. "after O completes the left column"
expect_score "${player2_score[@]}" 42 "player 2's score after typing 41"
expect_score "${player1_score[@]}" 1 "player 1's score"
echo "a typed score counts on: 41 became 42"

# New Game by keyboard: a press on it dragged off presses nothing but gives it the focus, and
# Enter presses it.
xdotool windowfocus "$window"
drag 80 432 20 432
expect_board OXOOXXOX. "after a press on New Game dragged off it"
xdotool key --clearmodifiers Return
expect_board ......... "after Enter on New Game"
# focused_text: copies all of the control that has the focus and reads the clipboard.
focused_text() {
    echo -n "no copy" | xclip -selection clipboard
    xdotool key --clearmodifiers ctrl+a ctrl+c
    xclip -o -selection clipboard 2>/dev/null
}
xdotool key --clearmodifiers shift+Tab
[ "$(focused_text)" = 42 ] || fail "Shift+Tab from New Game did not reach player 2's score"
xdotool key --clearmodifiers shift+Tab
[ "$(focused_text)" = 1 ] || fail "a second Shift+Tab did not reach player 1's score"
echo "a press dragged off New Game presses nothing; Enter presses it; Shift+Tab goes back" \
    "through player 2's score to player 1's"

# One move of X completes the top row and the left column: two messages.
for cell in 1 4 2 5 3 8 6 7; do click_cell "$cell"; done
expect_board .XXXOOXOO "before the double line"
no_box_open || fail "a message came before the double line"
click_cell 0
dismiss_boxes 2
expect_board XXXXOOXOO "after the double line"
expect_score "${player1_score[@]}" 3 "player 1's score after a double line"
echo "one move completing two lines raised two messages and scored two points"

# Resizing moves nothing: the marks and the grid stay where they were.
line_colour=$(pixel 160 90)
for size in "700 560:XXXXOOXOO" "300 250:XX-XO----"; do
    read -r width height <<<"${size%:*}"
    xdotool windowsize "$window" "$(at "$width")" "$(at "$height")"
    until_true 10 eval '[ "$(client_size)" = "$(at "$width")x$(at "$height")" ]' ||
        fail "the window did not resize to $width x $height"
    until_true 10 board_is "${size#*:}" || fail "the board moved at $width x $height: $(board)"
    [ "$(pixel 160 90)" = "$line_colour" ] || fail "the grid line moved at $width x $height"
done
echo "resizing moved nothing"
! xdotool search --onlyvisible --name '^Form2$' >/dev/null || fail "a window titled \"Form2\" shows"

stop_game
echo "PASS: played on a real X display"
