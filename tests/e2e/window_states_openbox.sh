#!/usr/bin/env bash
# End to end under a real window manager (openbox): the main window's minimise button iconifies it
# and it comes back when activated; a double click on the caption rolls it up to the caption and a
# second one brings the height back; a drag of the caption snaps the window to the work area's edge.
# The reading window opens maximised by its frame: a drag of its caption or border leaves it in
# place, and its system menu's restore brings back the designed size, which a drag then moves.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2/workspace.sh"
source "$2/desktop.sh"
cd "$1"
fail() { echo "FAIL: $*"; kill "$VEYRIN_PID" 2>/dev/null || true; exit 1; }
start_openbox
start_veyrin
window=$VEYRIN_WINDOW
eval "$(xdotool getwindowgeometry --shell "$window")"
full_height=$HEIGHT

# Minimise: the button sits 55 to 78 pixels from the right edge, in the caption.
xdotool mousemove --window "$window" $((WIDTH - 66)) 17 click 1
is_iconic() { [ "$(wm_state "$window")" = Iconic ]; }
wait_for is_iconic || fail "the minimise button did not iconify the main window ($(wm_state "$window"))"
xdotool windowactivate "$window" 2>/dev/null || true
is_normal() { [ "$(wm_state "$window")" = Normal ]; }
wait_for is_normal || fail "the main window did not come back when activated"

# Roll up by a double click on the caption, away from the buttons.
xdotool mousemove --window "$window" $((WIDTH / 2)) 12 click --repeat 2 --delay 80 1
rolled() { [ "$(window_height "$window")" = 42 ]; }
wait_for rolled || fail "rolled-up height is $(window_height "$window"), expected 42"
xdotool mousemove --window "$window" $((WIDTH / 2)) 12 click --repeat 2 --delay 80 1
unrolled() { [ "$(window_height "$window")" = "$full_height" ]; }
wait_for unrolled || fail "height after the second double click is $(window_height "$window")"

# Drag the caption so that the left edge would land 5 pixels from the screen's edge: it snaps to 0.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH / 2)) 12 mousedown 1
xdotool mousemove_relative -- $((5 - X - 20)) 0 mousemove_relative -- 20 0 mouseup 1
snapped() { [ "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^X=//p')" = 0 ]; }
wait_for snapped || fail "dragged to left 5, the window is at $(xdotool getwindowgeometry "$window" | grep Position)"

geometry_of() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=//p' | tr '\n' ' '; }
# drag WINDOW X Y DX DY: presses at (X, Y) of the window and moves the pointer by (DX, DY) in two steps.
drag() {
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1
  xdotool mousemove_relative -- $(($4 - 10)) $(($5 - 10)) mousemove_relative -- 10 10 mouseup 1
  sleep 0.5
}
open_reading_window
reading=$READING_WINDOW
sleep 0.5
maximised=$(geometry_of "$reading")
# No panel reserves any of the 1280 x 1024 screen, so the frame keeps one pixel clear on every side.
[ "$maximised" = "1 1 1278 1022 " ] || fail "the maximised reading window covers $maximised"
drag "$reading" 400 15 150 100
[ "$(geometry_of "$reading")" = "$maximised" ] || fail "a caption drag moved the maximised reading window to $(geometry_of "$reading")"
drag "$reading" 1277 500 -200 0
[ "$(geometry_of "$reading")" = "$maximised" ] || fail "a border drag resized the maximised reading window to $(geometry_of "$reading")"
xdotool mousemove --window "$reading" 400 15 click 3
sleep 0.5
xdotool key r
restored() { [ "$(geometry_of "$reading" | cut -d' ' -f3-4)" = "839 605" ]; }
wait_for restored || fail "the system menu's restore left the reading window at $(geometry_of "$reading")"
before=$(geometry_of "$reading")
drag "$reading" 400 15 50 40
[ "$(geometry_of "$reading")" != "$before" ] || fail "the restored reading window did not move with its caption"

kill "$VEYRIN_PID"
echo "window states under openbox passed"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir"
