#!/usr/bin/env bash
# A window brought back to the front shows its drawing on the screen at once.
# A click on a room picture opens the table over the welcome window, which
# stays shown behind it; the welcome window is raised, then the table again,
# and each time the screen itself, in the raised window's rectangle, must show
# what the model draws there (the snapshot tool's picture of the same steps).
#   raised_window_test.sh KESTRINHOLDEM KESTRIN_SNAPSHOT KESTRIN_SCREEN_CHECK OUT_DIR
#
# The windows are raised while the game waits for the user's move, when no
# timer runs and nothing in the model changes: only the raise itself can have
# them drawn. The screen is read from the server's screen memory, not with
# `xwd -root`: xwd groups windows by visual and colour map and reads each
# group through one of its windows, so where one of the program's windows lies
# over another, it reads the lower window's hidden part (black) instead of
# the screen. OUT_DIR gets what the screen showed in each raised window.
set -uo pipefail
program=$1 snapshot=$2 screen_check=$3 out=$4
rm -rf "$out" && mkdir -p "$out" || exit 1

source "$(dirname "$0")/x_session.sh"

# What the model draws, and where the room picture and "Fold" lie. The game
# deals at random, so the table's own picture on the screen, taken while it
# waits for the user, is what it must show again once raised.
welcome_twips=(5136 4920)
layout=$(QT_QPA_PLATFORM=offscreen "$snapshot" waitfor:settings controls:settings \
    click:settings:Image4 shot:settings:"$out/welcome-drawn.png" \
    waitfor:tables run:600000 controls:tables shot:tables:"$out/table-drawn.png" \
    2>>"$work/snapshot.log") ||
    fail "the snapshot tool cannot draw the welcome window and the table"
room_rect=$(rect "$layout" Image Image4)
fold_rect=$(rect "$layout" CommandButton Fold)
[ -n "$room_rect" ] && [ -n "$fold_rect" ] ||
    fail "no room picture Image4 or \"Fold\" in the model's layout"
# "Fold" in pixels of the table's picture, 12 twips to a pixel.
read -r fold_at fold_size < <(awk -v at="${fold_rect% *}" -v size="${fold_rect#* }" 'BEGIN {
    split(at, a, ","); split(size, s, "x")
    printf "%d,%d %dx%d\n", a[1] / 12, a[2] / 12, s[1] / 12, s[2] / 12 }')

QT_QPA_PLATFORM=xcb LD_PRELOAD=$preload "$program" >"$work/program.log" 2>&1 &
prog=$!
started=("$prog" "${started[@]}")

welcome="" table=""
find_welcome() { welcome=$(visible_window "Welcome To Zeziro Zavovuvevo"); }
find_table() { table=$(visible_window "Kestrin Holdem"); }
wait_for "welcome window" "the program" "$prog" find_welcome
click "$welcome" "${welcome_twips[@]}" $room_rect
wait_for "table window after a click on a room picture" "the program" "$prog" find_table
find_welcome || fail "the welcome window did not stay shown behind the table"

# geometry ID: "X,Y WIDTHxHEIGHT" of a window on the screen.
geometry() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$X,$Y ${WIDTH}x$HEIGHT"
}
read -r welcome_at welcome_size < <(geometry "$welcome")
read -r table_at table_size < <(geometry "$table")
[ "$welcome_size" = "428x410" ] && [ "$table_size" = "1024x740" ] ||
    fail "the windows are $welcome_size and $table_size, not their layouts' 428x410 and 1024x740"
plus() { echo "$((${1%,*} + ${2%,*})),$((${1#*,} + ${2#*,}))"; }
# The welcome window's place within the table's picture.
welcome_in_table="$((${welcome_at%,*} - ${table_at%,*})),$((${welcome_at#*,} - ${table_at#*,}))"
# The pointer, drawn into the screen memory, out of both windows' way.
xdotool mousemove --sync 0 0

# shows NAME AT SIZE REFERENCE REF_AT MIN_SHARE: the screen at AT matches
# REFERENCE at REF_AT (the tool's verdict is kept in $seen).
shows() {
    local status
    seen=$("$screen_check" "$work/Xvfb_screen0" "$2" "$3" "$4" "$5" "$6" "$out/seen-$1.png" 2>&1)
    status=$?
    case $status in
    0 | 1) return "$status" ;;
    *) fail "cannot read the screen for the $1 (status $status): $seen" ;;
    esac
}
poll "the game waiting for the user" "the program" "$prog" \
    shows fold "$(plus "$table_at" "$fold_at")" "$fold_size" "$out/table-drawn.png" "$fold_at" \
    0.9 ||
    fail "the table never showed \"Fold\" ($why; $seen)"
shows table-before "$table_at" "$table_size" "$out/table-drawn.png" 0,0 0

raised() {  # raised NAME ID REFERENCE REF_AT MIN_SHARE
    xdotool windowraise "$2" || fail "cannot raise the $1 window"
    poll "$1 window's drawing on the screen" "the program" "$prog" \
        shows "$1" "$welcome_at" "$welcome_size" "$3" "$4" "$5" ||
        fail "raised, the $1 window does not show its drawing on the screen ($why; $seen)"
    echo "raised, the $1 window shows its drawing: $seen"
}
raised welcome "$welcome" "$out/welcome-drawn.png" 0,0 0.98
raised table "$table" "$out/seen-table-before.png" "$welcome_in_table" 0.98
echo "PASS: the welcome window and the table, each raised over the other, show their drawing"
