#!/usr/bin/env bash
# End to end under openbox with trayer as the notification area: the minimise-to-tray button
# withdraws every window and shows the icon (docked again when the tray restarts); the icon menu's
# restore item and a double click on the icon each bring the main window back and remove the icon.
# Without a notification area the same button minimises normally.
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
with_tray=$3
fail() { echo "FAIL ($with_tray): $*"; kill "$VEYRIN_PID" 2>/dev/null || true; exit 1; }
start_openbox
[ "$with_tray" = tray ] && start_trayer
start_veyrin
window=$VEYRIN_WINDOW

# The minimise-to-tray button sits 55 to 78 pixels from the left edge, in the caption.
xdotool mousemove --window "$window" 66 17 click 1
if [ "$with_tray" != tray ]; then
  is_iconic() { [ "$(wm_state "$window")" = Iconic ]; }
  wait_for is_iconic || fail "without a tray the main window should be iconic, is $(wm_state "$window")"
  kill "$VEYRIN_PID"
  exit 0
fi

withdrawn() { [ "$(wm_state "$window")" = Withdrawn ] && ! xdotool search --onlyvisible --name '^Veyrin' > /dev/null; }
# The icon is the program's window docked inside the tray's panel.
tray_icon() { xwininfo -tree -id "$panel" | awk '/"veyrin"/ {print $1; exit}'; }
has_icon() { [ -n "$(tray_icon)" ] && xwininfo -id "$(tray_icon)" | grep -q IsViewable; }
is_normal() { [ "$(wm_state "$window")" = Normal ]; }
icon_gone() { ! has_icon; }
panel=$(xdotool search --name '^panel$' | head -n 1)
expect_in_tray() {
  wait_for withdrawn || fail "the windows were not withdrawn ($(wm_state "$window"))"
  wait_for has_icon || { xwininfo -tree -id "$panel"; fail "no icon in the tray"; }
}
expect_back() {
  wait_for is_normal || fail "the main window did not come back from the tray ($1)"
  wait_for icon_gone || fail "the icon stayed in the tray ($1)"
}
expect_in_tray

# A tray host that restarts gets the icon docked again.
kill "$TRAYER_PID"
start_trayer
panel=$(xdotool search --name '^panel$' | head -n 1)
wait_for has_icon || fail "the icon did not come back after the tray restarted"

# The right button opens the icon's menu; its first item, highlighted on opening, restores.
icon=$(tray_icon)
xdotool mousemove --window "$icon" 5 5 click 3
# The menu is the one visible window of the program besides the icon.
menu_open() { xdotool search --onlyvisible --class veyrin | grep -qvx "$((icon))"; }
wait_for menu_open || fail "the right button opened no menu"
xdotool key Return
expect_back "menu"

# A double click on the icon restores too.
xdotool mousemove --window "$window" 66 17 click 1
expect_in_tray
xdotool mousemove --window "$(tray_icon)" 5 5 click --repeat 2 --delay 80 1
expect_back "double click"

# A window the window manager once minimised and restored comes back from the tray normal too.
xdotool mousemove --window "$window" 493 17 click 1
is_iconic() { [ "$(wm_state "$window")" = Iconic ]; }
wait_for is_iconic || fail "the minimise button did not iconify the window"
xdotool windowactivate "$window"
wait_for is_normal || fail "activating the minimised window did not restore it"
xdotool mousemove --window "$window" 66 17 click 1
expect_in_tray
xdotool mousemove --window "$(tray_icon)" 5 5 click --repeat 2 --delay 80 1
expect_back "after a minimise through the window manager"

kill "$VEYRIN_PID"
DRIVE
run() { xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir" "$1"; }
run tray
run none
echo "tray icon under openbox and trayer passed"
