#!/usr/bin/env bash
# End to end under a real window manager (openbox): the main window's minimise button iconifies it
# and it comes back when activated; a double click on the caption rolls it up to the caption and a
# second one brings the height back.
set -euo pipefail
binary=$1
source_dir=$2

lib_dir="$(realpath "$(dirname "$0")/lib")"
source "$lib_dir/workspace.sh"
work=$(make_workspace "$binary" "$source_dir")
trap 'rm -rf "$work"' EXIT

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

kill "$VEYRIN_PID"
echo "window states under openbox passed"
DRIVE
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir"
