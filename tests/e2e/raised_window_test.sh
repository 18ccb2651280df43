#!/usr/bin/env bash
# A window brought back to the front shows its drawing on the screen at once.
# A click on a room picture opens the table over the welcome window, which
# stays shown behind it; the welcome window is raised, then the table again,
# and each time the screen itself, in the raised window's rectangle, must show
# what the model draws there (the snapshot tool's picture of the same steps).
#   raised_window_test.sh KESTRINHOLDEM KESTRIN_SNAPSHOT KESTRIN_SCREEN_CHECK
#
# The screen is read from the server's screen memory, not with `xwd -root`:
# xwd groups windows by visual and colour map and reads each group through one
# of its windows, so where one of the program's windows lies over another, it
# reads the lower window's hidden part (black) instead of the screen.
set -uo pipefail
program=$1 snapshot=$2 screen_check=$3

source "$(dirname "$0")/x_session.sh"

# What the model draws, and where the room picture lies. The game deals at
# random, so the table's picture matches where it lies over the welcome
# window, the part a raise uncovers, in all but a few cards and chips.
welcome_twips=(5136 4920)
welcome_layout=$(QT_QPA_PLATFORM=offscreen "$snapshot" waitfor:settings controls:settings \
    click:settings:Image4 shot:settings:"$work/welcome.png" \
    waitfor:tables shot:tables:"$work/table.png" 2>>"$work/snapshot.log") ||
    fail "the snapshot tool cannot draw the welcome window and the table"
room_rect=$(rect "$welcome_layout" Image Image4)
[ -n "$room_rect" ] || fail "no room picture Image4 in the model's layout"

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
[ "$table_size" = "1024x740" ] || fail "the table is $table_size, not its layout's 1024x740"
# The welcome window's place within the table's picture.
offset="$((${welcome_at%,*} - ${table_at%,*})),$((${welcome_at#*,} - ${table_at#*,}))"
# The pointer, drawn into the screen memory, out of both windows' way.
xdotool mousemove --sync 0 0

# shows NAME REFERENCE AT MIN_SHARE: the screen in the welcome window's
# rectangle matches REFERENCE at AT (the share is kept in $seen).
shows() {
    seen=$("$screen_check" "$work/Xvfb_screen0" "$welcome_at" "$welcome_size" "$2" "$3" "$4" \
        "$work/seen-$1.png" 2>&1)
}
raised() {  # raised NAME ID REFERENCE AT MIN_SHARE
    xdotool windowraise "$2" || fail "cannot raise the $1 window"
    poll "$1 window's drawing on the screen" "the program" "$prog" shows "$1" "$3" "$4" "$5" ||
        fail "raised, the $1 window does not show its drawing on the screen ($why; $seen)"
    echo "raised, the $1 window shows its drawing: $seen"
}
raised welcome "$welcome" "$work/welcome.png" 0,0 0.98
raised table "$table" "$work/table.png" "$offset" 0.9
echo "PASS: the welcome window and the table, each raised over the other, show their drawing"
