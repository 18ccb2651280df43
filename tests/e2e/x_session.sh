# A virtual X server of our own for a test that drives the program as a
# user would; sourced by the end-to-end tests.
#
# Nothing here measures speed: every wait is for a condition, with a ceiling
# that only bounds a hang. Controls are clicked where the model's layout puts
# them (the snapshot tool lists it), mapped into the window as the front end
# maps it. The server keeps its screen memory in "$work/Xvfb_screen0", so a
# test can read what the screen itself shows.

ceiling=180  # seconds

# Under the clock-jump library the program runs on the racing clock; the X
# server and the tools that drive it keep the machine's.
preload=${LD_PRELOAD-}
unset LD_PRELOAD
# One device pixel to a logical pixel (with the server's 96 dpi), whatever the
# caller's environment asks for.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI

work=$(mktemp -d)
started=()  # pids of what this script started, last first
# Virtual X servers on this machine start and stop one at a time: a server
# still shutting down can hold on to a display's socket while a new one
# picks that display.
lock=${TMPDIR:-/tmp}/kestrin-e2e-xvfb.lock
take_turn() { exec 9>"$lock" && flock -w "$ceiling" 9; }
stop() {  # stop PID...: ends them and waits until they are gone
    for pid in "$@"; do kill "$pid" 2>/dev/null; done
    for pid in "$@"; do wait "$pid" 2>/dev/null; done
}
cleanup() {
    take_turn
    stop "${started[@]}"
    exec 9>&-
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL: $*"
    for log in xvfb xev snapshot program; do
        [ -s "$work/$log.log" ] && { echo "--- $log output"; cat "$work/$log.log"; }
    done
    [ -s "$work/events" ] && { echo "--- window events"; cat "$work/events"; }
    exit 1
}

# A child that has ended but is not yet waited for is a zombie ("Z").
alive() {
    local stat
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}
# wait_for WHAT WHO PID COMMAND...: until COMMAND succeeds, while PID (WHO)
# lives.
wait_for() {
    poll "$@" || fail "no $1: $why"
}
# poll WHAT WHO PID COMMAND...: the same, false (with the reason in $why)
# where wait_for fails.
poll() {
    local who=$2 pid=$3
    shift 3
    local until=$((SECONDS + ceiling))
    until "$@"; do
        alive "$pid" || { why="$who has ended"; return 1; }
        [ "$SECONDS" -lt "$until" ] || { why="nothing after ${ceiling}s"; return 1; }
        sleep 0.05
    done
}

for tool in Xvfb xdotool xev xprop stdbuf; do
    command -v "$tool" >/dev/null ||
        fail "no $tool: cannot run the program on a virtual X server (./build.sh installs it)"
done

# The X server picks a free display itself and names it once it accepts
# connections; the event log records every top-level window's creation,
# mapping and unmapping, in server order. A start that does not give a
# server of our own, with its log running, is tried again on a new server.
connects() { xprop -root _NET_SUPPORTED >/dev/null 2>&1; }
xev_ready() {
    xprop -root -f _KESTRIN_E2E 8s -set _KESTRIN_E2E ready && grep -q _KESTRIN_E2E "$work/xev.log"
}
start_x() {
    rm -f "$work/display" "$work/xev.log"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -fbdir "$work" \
        3>"$work/display" 9>&- >>"$work/xvfb.log" 2>&1 &
    xvfb=$!
    started=("$xvfb")
    poll "display" "Xvfb (no X server can start here)" "$xvfb" test -s "$work/display" || return 1
    export DISPLAY=":$(head -n1 "$work/display")"
    poll "connection" "Xvfb" "$xvfb" connects || return 1
    stdbuf -oL xev -root -event substructure -event property >"$work/xev.log" 2>&1 9>&- &
    xev=$!
    started=("$xev" "${started[@]}")
    poll "X event log" "xev" "$xev" xev_ready
}
take_turn || fail "another virtual X server took over ${ceiling}s to start or stop"
for attempt in 1 2 3; do
    start_x && break
    echo "virtual X server, attempt $attempt: $why"
    stop "${started[@]}"
    started=()
    [ "$attempt" -lt 3 ] || fail "no virtual X server: $why"
done
exec 9>&-
echo "virtual X server on $DISPLAY"

# One line per event: Create ID WIDTH HEIGHT, Map ID, Unmap ID.
events() {
    awk '/^(Create|Map|Unmap)Notify event/ && !/synthetic YES/ {
             kind = substr($1, 1, length($1) - 6)
             getline; gsub(/,/, "")
             if (kind == "Create") print kind, $4, $7, $9; else print kind, $4
         }' "$work/xev.log" >"$work/events"
}
hex() { printf '0x%x' "$1"; }
# visible_window TITLE [NOT_ID]: the id of a shown window with that title.
visible_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        [ "$(hex "$id")" != "${2-}" ] && { echo "$id"; return 0; }
    done
    return 1
}
# click WINDOW FORM_W FORM_H LEFT,TOP WIDTHxHEIGHT: a click at the middle of
# a control, all in twips; 12 twips to a logical pixel, the client scaled
# uniformly to fit the window and centred in it, as the front end draws it.
click() {
    local WIDTH HEIGHT x y
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    read -r x y < <(awk -v W="$WIDTH" -v H="$HEIGHT" -v fw="$2" -v fh="$3" -v at="$4" -v size="$5" 'BEGIN {
        split(at, a, ","); split(size, s, "x"); lw = fw / 12; lh = fh / 12
        k = W / lw < H / lh ? W / lw : H / lh
        printf "%d %d\n", (W - lw * k) / 2 + (a[1] + s[1] / 2) / 12 * k,
                          (H - lh * k) / 2 + (a[2] + s[2] / 2) / 12 * k }')
    xdotool mousemove --window "$1" --sync "$x" "$y" click 1
}
# rect LAYOUT KIND NAME_OR_CAPTION: "LEFT,TOP WIDTHxHEIGHT" of a shown control.
rect() {
    awk -v kind="$2" -v key="$3" '$1 == kind && ($2 == key || $5 == "\"" key "\"") { print $3, $4; exit }' <<<"$1"
}

