#!/usr/bin/env bash
# End to end on a real X server: the system menu opened by a right click on the main window's
# caption takes the keyboard while it is open (its accelerator closes the program) and gives it
# back when it closes (Escape, then Alt+F4 reaches the window); on the reading window, which
# has no caption buttons, the menu offers close, and choosing it closes only that window.
# The system-menu button opens the real menu, which takes the pointer: a second press on the
# button after the double-click time only closes the menu, one within it closes the window.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"

wait_for_end() {
  for _ in $(seq 1 100); do
    kill -0 "$VEYRIN_PID" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$VEYRIN_PID" 2>/dev/null; then echo "FAIL: $1"; kill "$VEYRIN_PID"; exit 1; fi
  wait "$VEYRIN_PID"
}

open_menu_on_caption() {
  local window=${1:-$VEYRIN_WINDOW}
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" $((WIDTH / 2)) 10
  sleep 0.3
  xdotool click 3
  sleep 0.5
}

# menu_under_button: whether a window of the program sits right under the system-menu button,
# which spans 7..29 by 5..28 of the main window (the button's hint may show beside it).
menu_under_button() {
  local WINDOW X Y WIDTH HEIGHT SCREEN left top
  eval "$(xdotool getwindowgeometry --shell "$VEYRIN_WINDOW")"
  left=$((X + 7)) top=$((Y + 29))
  for w in $(xdotool search --onlyvisible --pid "$VEYRIN_PID" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$X,$Y" = "$left,$top" ] && return 0
  done
  return 1
}

start_veyrin
xdotool mousemove --window "$VEYRIN_WINDOW" 18 17
sleep 0.3
xdotool click 1
sleep 0.6
menu_under_button || { echo "FAIL: the system-menu button opened no menu"; kill "$VEYRIN_PID"; exit 1; }
sleep 0.6
xdotool click 1
sleep 0.6
kill -0 "$VEYRIN_PID" || { echo "FAIL: a slow second click on the system-menu button ended the program"; exit 1; }
! menu_under_button || { echo "FAIL: the second click left the menu open"; kill "$VEYRIN_PID"; exit 1; }
sleep 0.6
xdotool click --repeat 2 --delay 80 1
wait_for_end "a double click on the system-menu button did not close the main window"

start_veyrin
open_menu_on_caption
xdotool key Escape
sleep 0.3
kill -0 "$VEYRIN_PID" || { echo "FAIL: Escape ended the program"; exit 1; }
xdotool key alt+F4
wait_for_end "Alt+F4 did not reach the window after the menu closed"

start_veyrin
open_menu_on_caption
xdotool key c
wait_for_end "the menu's close item did not close the main window"

start_veyrin
open_reading_window
reading=$READING_WINDOW
sleep 0.5
open_menu_on_caption "$reading"
xdotool key c
for _ in $(seq 1 50); do
  xdotool search --onlyvisible --name '阅读$' >/dev/null 2>&1 || break
  sleep 0.2
done
if xdotool search --onlyvisible --name '阅读$' >/dev/null 2>&1; then echo "FAIL: the reading window stayed open"; kill "$VEYRIN_PID"; exit 1; fi
kill -0 "$VEYRIN_PID" || { echo "FAIL: closing the reading window ended the program"; exit 1; }
open_menu_on_caption
xdotool key c
wait_for_end "the main window did not close after the reading window"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir/workspace.sh"
echo "system menu test passed"
