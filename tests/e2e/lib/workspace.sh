# Shared by the end-to-end scripts: a fresh working copy of the bundled data with the program
# beside it, and starting the program under the running X server until its main window shows.
# Every script starts its own X server with `xvfb-run -a -n <random>`: ctest runs scripts side by
# side, and two servers that look for a free display from the same number can both pick it.

# make_workspace BINARY SOURCE_DIR: prints the new directory; the caller removes it.
make_workspace() {
  local work
  work=$(mktemp -d)
  cp -r "$2/data/." "$work/"
  cp "$1" "$work/veyrin"
  rm -f "$work/Tcini.ini"
  echo "$work"
}

# enter_workspace BINARY SOURCE_DIR: sets `work` to a fresh workspace, removed when the script
# exits, and `lib_dir` to this folder (for the scripts that run inside the test's X server).
enter_workspace() {
  lib_dir=$(realpath "$(dirname "${BASH_SOURCE[0]}")")
  work=$(make_workspace "$1" "$2")
  trap 'rm -rf "$work"' EXIT
}

# wait_for_window NAME_PATTERN [TRIES]: prints the first visible window whose name matches,
# looking every 0.2 s, TRIES times (50 by default); fails when none shows.
wait_for_window() {
  local found
  for _ in $(seq 1 "${2:-50}"); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.2
  done
  return 1
}

# open_reading_window [SCALE]: double-clicks the main window's text view (run after start_veyrin) and
# sets READING_WINDOW to the reading window; ends the program and fails when it does not open.
# SCALE is the device pixels per design pixel of the screen (1 by default).
open_reading_window() {
  local scale=${1:-1}
  # The text view's client rectangle starts at (32, 184); the frame insets the client by (11, 32).
  xdotool mousemove --window "$VEYRIN_WINDOW" $(((11 + 32 + 100) * scale)) $(((32 + 184 + 20) * scale))
  sleep 0.2
  xdotool click --repeat 2 --delay 80 1
  READING_WINDOW=$(wait_for_window '^Veyrin阅读$') || {
    echo "FAIL: the reading window did not open"
    kill "$VEYRIN_PID"
    return 1
  }
}

# start_veyrin: run inside the workspace; sets VEYRIN_PID and VEYRIN_WINDOW. The web engine stays
# off unless the caller sets VEYRIN_NO_WEB_ENGINE to the empty string.
# Exports the reading window's text with Ctrl+E to the path given, waits for the file, then ends
# the program.
export_reading_window_to() {
  local target=$1
  xdotool key --delay 80 ctrl+e
  wait_for_window '^导出$' > /dev/null || { echo "the export dialog did not open"; kill "$VEYRIN_PID"; return 1; }
  sleep 0.5
  # The name box has the focus: replace the proposed name with the target's full path.
  xdotool key --delay 40 ctrl+a BackSpace
  xdotool type --delay 20 "$target"
  xdotool key --delay 80 Return
  for _ in $(seq 1 50); do
    [ -s "$target" ] && break
    sleep 0.2
  done
  sleep 0.5
  kill "$VEYRIN_PID"
  wait "$VEYRIN_PID" 2>/dev/null || true
}

# Under an X server of its own: the first anthology entry in the view, the reading window opened,
# the keys given after TARGET pressed (F9 …), then the text exported to TARGET.
export_first_entry() {
  local target=$1
  shift
  cp "$work/Data/唐诗鉴赏/01.txt" "$work/Tem/00.dat"
  cat > "$work/export_drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
target=$3
shift 3
start_veyrin
open_reading_window
sleep 1
for key in "$@"; do
  xdotool key --delay 80 "$key"
  sleep 0.5
done
export_reading_window_to "$target"
DRIVE
  mkdir -p "$(dirname "$target")"
  xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" \
    bash "$work/export_drive.sh" "$work" "$lib_dir/workspace.sh" "$target" "$@"
}

start_veyrin() {
  QT_QPA_PLATFORM=xcb VEYRIN_NO_WEB_ENGINE=${VEYRIN_NO_WEB_ENGINE-1} ./veyrin > veyrin.log 2>&1 &
  VEYRIN_PID=$!
  VEYRIN_WINDOW=$(wait_for_window '^Veyrin$' 100 || true)
  if [ -z "$VEYRIN_WINDOW" ]; then
    echo "main window did not appear"
    cat veyrin.log
    kill "$VEYRIN_PID" || true
    return 1
  fi
  sleep 1
}

# point_at_close_button WINDOW: moves the pointer over the main window's close button (the skinned
# caption's close button spans W-30..W-7, 5..29) and gives the frame time to make it hot.
point_at_close_button() {
  local window=$1 WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" $((WIDTH - 12)) 12
  sleep 0.3
}

# click_close_button WINDOW: clicks the main window's close button and returns at once.
click_close_button() {
  point_at_close_button "$1"
  xdotool click 1
}

# close_by_button PID WINDOW: clicks the main window's close button and waits for the program to end.
close_by_button() {
  local pid=$1 window=$2
  click_close_button "$window"
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$pid" 2>/dev/null; then echo "program did not end after the close click"; kill "$pid"; return 1; fi
  wait "$pid"
}
