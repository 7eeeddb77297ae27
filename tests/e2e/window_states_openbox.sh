#!/usr/bin/env bash
# End to end under a real window manager (openbox): the main window's minimise button iconifies it
# and it comes back when activated; a double click on the caption rolls it up to the caption and a
# second one brings the height back; a drag of the caption snaps the window to the work area's edge.
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

kill "$VEYRIN_PID"
echo "window states under openbox passed"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir"
