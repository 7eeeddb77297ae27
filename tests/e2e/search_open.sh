#!/usr/bin/env bash
# End to end: search from real X events. Ctrl+F in the main window opens the search window, a
# poet's name typed in its traditional form (李商隱) finds the poet's entry, Enter loads it into the
# view as a catalogue choice would, Esc closes the search window. The close then stores what the
# view and the catalogue show: Tem/00.dat must hold that entry's text and Tcini.ini its index.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"

fail() { echo "FAIL: $*"; [ -f "$work/veyrin.log" ] && cat "$work/veyrin.log"; exit 1; }

entry_index=131  # 李商隐, entry 132
entry_file="$work/Data/唐诗鉴赏/132.txt"
[ -f "$entry_file" ] || fail "the bundled anthology has no entry 132"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
start_veyrin
pid=$VEYRIN_PID
window=$VEYRIN_WINDOW
# A click on the window's free client area (left of the catalogue bar) gives it the keyboard.
xdotool mousemove --window "$window" $((11 + 12)) $((32 + 300)) click 1
sleep 0.3
# Real key events through the server (XTEST): a key sent to the window alone would leave the
# program believing Ctrl is still down.
xdotool key ctrl+f
search=$(wait_for_window '^查找$') || { echo "the search window did not appear"; exit 1; }
# The index builds on a worker thread; typing before it is ready is fine, the list fills when it is.
sleep 1
xdotool type --delay 120 '李商隱'
sleep 1
xdotool key Return
sleep 0.5
# Esc closes the search window (which may lie over the main window's caption).
xdotool key Escape
sleep 0.5
if xdotool search --onlyvisible --name '^查找$' >/dev/null 2>&1; then echo "Esc left the search window open"; exit 1; fi
close_by_button "$pid" "$window"
DRIVE

xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-noreset -screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir/workspace.sh" \
  || fail "driving the program failed"

first_line() { head -n 1 "$1" | tr -d '\r'; }
[ "$(first_line "$work/Tem/00.dat")" = "$(first_line "$entry_file")" ] \
  || fail "the view does not show entry 132 after Enter (first line: $(first_line "$work/Tem/00.dat" | iconv -f GBK -t UTF-8))"
grep -q "^item1=$entry_index"$'\r'"\$" "$work/Tcini.ini" || fail "the catalogue did not choose entry 132: $(grep item1 "$work/Tcini.ini")"
echo "search and open test passed"
