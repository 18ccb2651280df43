#!/usr/bin/env bash
# The program as a user meets it, on a virtual X server: the splash window
# comes first and gives way, with no input, to the welcome window; a typed
# name and a click on "Ok" open the table; a click on "Exit" ends the program
# with status 0.
#   program_test.sh KESTRINHOLDEM KESTRIN_SNAPSHOT
#
# The order of the windows is read from the X server's own record of events,
# which a slow machine cannot reorder or miss.
set -uo pipefail
program=$1 snapshot=$2

source "$(dirname "$0")/x_session.sh"

# The layout, from the model itself. Client sizes of the two windows clicked.
welcome_twips=(5136 4920) table_twips=(12288 8880)
welcome_layout=$(QT_QPA_PLATFORM=offscreen "$snapshot" waitfor:settings controls:settings 2>>"$work/snapshot.log") ||
    fail "the snapshot tool cannot list the welcome window"
table_layout=$(QT_QPA_PLATFORM=offscreen "$snapshot" waitfor:settings click:settings:Command1 \
    waitfor:tables controls:tables 2>>"$work/snapshot.log") || fail "the snapshot tool cannot list the table"
ok_rect=$(rect "$welcome_layout" CommandButton Ok)
exit_rect=$(rect "$table_layout" CommandButton Exit)
[ -n "$ok_rect" ] && [ -n "$exit_rect" ] || fail "no \"Ok\" or \"Exit\" in the model's layout"

QT_QPA_PLATFORM=xcb LD_PRELOAD=$preload "$program" >"$work/program.log" 2>&1 &
prog=$!
started=("$prog" "${started[@]}")

# 1. The splash, then the welcome window, and no input from us in between.
welcome=""
find_welcome() { welcome=$(visible_window "Welcome To Zeziro Zavovuvevo"); }
wait_for "welcome window" "the program" "$prog" find_welcome
welcome_mapped() { events && grep -qx "Map $(hex "$welcome")" "$work/events"; }
wait_for "welcome window in the event log" "xev" "$xev" welcome_mapped
first=$(awk '$1 == "Map" { print $2; exit }' "$work/events")
[ "$first" != "$(hex "$welcome")" ] || fail "the welcome window came first: no splash"
# The splash's client is 7380 x 4236 twips.
grep -qx "Create $first 615 353" "$work/events" ||
    fail "the first window shown ($first) is not the splash's size"
order=$(grep -nx -e "Unmap $first" -e "Map $(hex "$welcome")" "$work/events" | cut -d: -f2- | tr '\n' ';')
[ "$order" = "Unmap $first;Map $(hex "$welcome");" ] ||
    fail "the splash did not give way to the welcome window (order: $order)"
echo "splash window $first shown, then gave way to the welcome window $(hex "$welcome")"

# 2. A name, typed into the box that has the focus, and "Ok". With no window
# manager, the keyboard is handed to the window as a desktop would.
xdotool windowfocus --sync "$welcome" || fail "cannot give the welcome window the keyboard"
xdotool type --delay 40 "Tester"
click "$welcome" "${welcome_twips[@]}" $ok_rect
table=""
find_table() { table=$(visible_window "Kestrin Holdem" "$first"); }
wait_for "table window after \"Ok\"" "the program" "$prog" find_table
echo "table window $(hex "$table") shown after \"Ok\""

# 3. "Exit" ends the program, with status 0.
click "$table" "${table_twips[@]}" $exit_rect
ended() { ! alive "$prog"; }
wait_for "end of the program after \"Exit\"" "Xvfb" "$xvfb" ended
wait "$prog"
status=$?
started=("${started[@]:1}")
[ "$status" -eq 0 ] || fail "the program ended with status $status after \"Exit\""
echo "PASS: splash, welcome, table, exit with status 0"
