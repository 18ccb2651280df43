#!/usr/bin/env bash
# The snapshot tool plays from the splash through the welcome screen to the
# table and folds a dozen hands; it must end with status 0, every fold must
# land on an open turn (so a dozen hands were dealt), and every picture it
# saves must show something.
#   snapshot_test.sh KESTRIN_SNAPSHOT KESTRIN_PNG_CHECK OUT_DIR
set -uo pipefail
snapshot=$1 png_check=$2 out=$3
hands=12
rm -rf "$out" && mkdir -p "$out" || exit 1

steps=(shot:frmSplash:"$out/splash.png"
       waitfor:settings type:settings:Tester shot:settings:"$out/welcome.png"
       click:settings:Command1 waitfor:tables)
for ((i = 1; i <= hands; i++)); do
    # The game waits on the user's turn with no timer on, so ten minutes of
    # model time always reach it; "Fold" is only clickable while it is open.
    steps+=(run:600000)
    [ "$i" -eq 1 ] && steps+=(shot:tables:"$out/table-first-turn.png")
    steps+=(click:tables:Command8)
done
steps+=(run:600000 shot:tables:"$out/table-after-$hands-hands.png")

"$snapshot" seed=9 "${steps[@]}" >"$out/stdout.txt" 2>"$out/stderr.txt"
rc=$?
cat "$out/stdout.txt" "$out/stderr.txt"
fail=0
if [ "$rc" -ne 0 ]; then
    echo "FAIL: the snapshot tool ended with status $rc"
    fail=1
fi
if grep -E "not clickable|diagnostic:|has ended" "$out/stderr.txt" "$out/stdout.txt" >/dev/null; then
    echo "FAIL: not every step reached the game as planned (see above)"
    fail=1
fi
shots=(splash welcome table-first-turn "table-after-$hands-hands")
files=()
for s in "${shots[@]}"; do files+=("$out/$s.png"); done
# A drawn window has text, cards and shading: dozens of colours at least.
"$png_check" 24 "${files[@]}" || { echo "FAIL: a picture is missing or blank"; fail=1; }
[ "$fail" -eq 0 ] && echo "PASS: $hands hands, ${#shots[@]} pictures in $out"
exit "$fail"
