#!/usr/bin/env bash
# End to end with the tray of today's desktops: a StatusNotifierWatcher of the test's own on a
# private session bus hosts the icon, and clicks on the icon arrive as the item's Activate calls.
# One activation is a click and leaves the program in the tray; two within the double-click time
# are a double click and bring it back. The icon menu's close item closes without showing the
# withdrawn windows first: a refused close (read-only settings file) shows its error box and then
# the windows, a close that succeeds ends the program with the windows never mapped again.
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
sni() { /usr/bin/python3 "$lib/status_notifier_watcher.py" "$@"; }
lib=$2
fail() { echo "FAIL: $*"; cat veyrin.log; kill "$VEYRIN_PID" 2>/dev/null || true; exit 1; }

sni serve items.txt > watcher.log 2>&1 &
watcher=$!
watching() { grep -q watching watcher.log; }
wait_for watching || { cat watcher.log; echo "FAIL: the watcher did not start"; exit 1; }
maps=""
trap 'kill "$watcher" $maps 2>/dev/null || true' EXIT

# The close is refused while the settings file is read-only.
printf '[Font]\r\nsize1=14\r\n' > Tcini.ini
chmod 444 Tcini.ini
start_openbox
start_veyrin
window=$VEYRIN_WINDOW

item() { tail -n 1 items.txt 2>/dev/null; }
withdrawn() { [ "$(wm_state "$window")" = Withdrawn ] && ! xdotool search --onlyvisible --name '^Veyrin' > /dev/null; }
has_icon() { [ -n "$(item)" ] && sni owned "$(item)"; }
icon_gone() { ! has_icon; }
is_normal() { [ "$(wm_state "$window")" = Normal ]; }
# The minimise-to-tray button sits 55 to 78 pixels from the left edge, in the caption.
minimise_to_tray() {
  xdotool mousemove --window "$window" 66 17 click 1
  wait_for withdrawn || fail "the windows were not withdrawn ($(wm_state "$window"))"
  wait_for has_icon || fail "no icon registered with the watcher"
}
expect_back() {
  wait_for is_normal || fail "the main window did not come back from the tray ($1)"
  wait_for icon_gone || fail "the icon stayed in the tray ($1)"
}
# Every mapping of the main window from now on is written to maps.log.
watch_maps() {
  stdbuf -oL xev -id "$window" -event structure > maps.log 2>&1 &
  maps=$!
  sleep 0.3
}
mapped_since() { grep -q '^MapNotify' maps.log; }

minimise_to_tray
sni activate "$(item)" 1
sleep 1.5  # well past the double-click time: the activation was a click, which restores nothing
withdrawn || fail "one activation brought the windows back"
has_icon || fail "one activation removed the icon"
sni activate "$(item)" 2
expect_back "two activations"

# The icon menu's close, refused: the error box shows while the windows are still withdrawn.
minimise_to_tray
watch_maps
sni context "$(item)"
menu_open() { xdotool search --onlyvisible --class veyrin > /dev/null; }
wait_for menu_open || fail "the icon's context menu did not open"
xdotool key c
error_box() { xdotool search --onlyvisible --name '^Veyrin$' > /dev/null; }
wait_for error_box || fail "the refused close showed no error box"
[ "$(wm_state "$window")" = Withdrawn ] || fail "the main window was shown before the close ran"
mapped_since && fail "the main window was mapped before the close ran: $(cat maps.log)"
xdotool key Return
expect_back "refused close"
kill "$maps"

# The icon menu's close, allowed: the program ends and the main window is never mapped on the way.
chmod 644 Tcini.ini
minimise_to_tray
watch_maps
sni context "$(item)"
wait_for menu_open || fail "the icon's context menu did not open the second time"
xdotool key c
ended() { ! kill -0 "$VEYRIN_PID" 2>/dev/null; }
wait_for ended || fail "the close from the icon menu did not end the program"
wait "$VEYRIN_PID" || fail "the program ended with status $?"
mapped_since && fail "the main window was shown again before it closed: $(cat maps.log)"
grep -q Visible1 Tcini.ini || fail "the close did not write the settings"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" \
  dbus-run-session -- bash "$work/drive.sh" "$work" "$lib_dir"
echo "tray icon with a status notifier watcher passed"
