#!/usr/bin/env bash
# End to end on a 200 % desktop (Xft.dpi 192) under openbox: the program follows the desktop's
# scale, so every design pixel is a 2 x 2 block of device pixels. The main window is twice its
# design size and keeps its shape; the caption's double click rolls it up, the system-menu button
# opens the menu under itself, a drag snaps to the screen's edge, the reading window opens
# maximised over the work area, and the close button ends the program, all at twice the design
# coordinates. VEYRIN_SCREENSHOT_DIR, when set, keeps the screenshots.
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
s=2  # device pixels per design pixel
fail() { echo "FAIL: $*"; kill "$VEYRIN_PID" 2>/dev/null || true; exit 1; }
geometry_of() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=//p' | tr '\n' ' '; }
keep_shot() { [ -z "${VEYRIN_SCREENSHOT_DIR:-}" ] || cp "$1" "$VEYRIN_SCREENSHOT_DIR/hidpi_$1"; }

start_openbox
# After openbox: the server forgets its resources whenever its last client leaves.
echo 'Xft.dpi: 192' | xrdb -nocpp -merge
xrdb -query | grep -q 'Xft.dpi:[[:space:]]*192' || fail "xrdb did not set Xft.dpi"
start_veyrin
window=$VEYRIN_WINDOW
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "${WIDTH}x${HEIGHT}" = "1120x1406" ] || fail "the main window is ${WIDTH}x${HEIGHT} device pixels, expected 1120x1406"
full_height=$HEIGHT

import -window "$window" main.png
keep_shot main.png
corner=$(convert main.png -format "%[hex:p{0,0}]" info: | cut -c1-6)
[ "${corner^^}" = "000000" ] || fail "the window's shape does not cut its top-left corner (got $corner)"

# Roll up by a double click on the caption: the caption's 42 design pixels remain.
xdotool mousemove --window "$window" $((WIDTH / 2)) $((12 * s)) click --repeat 2 --delay 80 1
rolled() { [ "$(window_height "$window")" = $((42 * s)) ]; }
wait_for rolled || fail "rolled-up height is $(window_height "$window"), expected $((42 * s))"
xdotool mousemove --window "$window" $((WIDTH / 2)) $((12 * s)) click --repeat 2 --delay 80 1
unrolled() { [ "$(window_height "$window")" = "$full_height" ]; }
wait_for unrolled || fail "height after the second double click is $(window_height "$window")"

# The system-menu button (7..29 x 5..28) opens its menu right under itself, at (7, 29).
menu_under_button() {
  local WINDOW X Y WIDTH HEIGHT SCREEN left top
  eval "$(xdotool getwindowgeometry --shell "$window")"
  left=$((X + 7 * s)) top=$((Y + 29 * s))
  for w in $(xdotool search --onlyvisible --pid "$VEYRIN_PID" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$X,$Y" = "$left,$top" ] && return 0
  done
  return 1
}
xdotool mousemove --window "$window" $((18 * s)) $((17 * s))
sleep 0.3
xdotool click 1
wait_for menu_under_button || fail "the system-menu button opened no menu under itself"
import -window root menu.png
keep_shot menu.png
xdotool key Escape
sleep 0.6

# Drag the caption so that the left edge would land 5 design pixels from the screen's edge: it snaps.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH / 2)) $((12 * s)) mousedown 1
xdotool mousemove_relative -- $((5 * s - X - 20)) 0 mousemove_relative -- 20 0 mouseup 1
snapped() { [ "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^X=//p')" = 0 ]; }
wait_for snapped || fail "dragged to left $((5 * s)), the window is at $(xdotool getwindowgeometry "$window" | grep Position)"

# No panel reserves any of the 2560 x 1600 screen: the frame keeps one design pixel clear on every side.
open_reading_window "$s"
reading=$READING_WINDOW
maximised() { [ "$(geometry_of "$reading")" = "$((1 * s)) $((1 * s)) $((2560 - 2 * s)) $((1600 - 2 * s)) " ]; }
wait_for maximised || fail "the maximised reading window covers $(geometry_of "$reading")"
import -window root reading.png
keep_shot reading.png
xdotool key alt+F4
sleep 0.5

# The close button spans W-30..W-7 x 5..29.
xdotool windowactivate "$window" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH - 18 * s)) $((17 * s))
sleep 0.3
xdotool click 1
ended() { ! kill -0 "$VEYRIN_PID" 2>/dev/null; }
wait_for ended || fail "the close button did not end the program"
echo "a 200 % desktop under openbox passed"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 2560x1600x24 -noreset" bash "$work/drive.sh" "$work" "$lib_dir"
