#!/usr/bin/env bash
# End to end: key chords with Shift from real X key events. Shift+Ctrl+digit sets a marker on the
# first row of the text view, nine Downs leave it, Ctrl+digit jumps back; a letter typed then
# must land at the very start of the text, which the program writes to Tem/00.dat when it closes.
# On the US layout Shift+1 says "!"; on the German one Shift+7 says "/", a symbol that is a key
# of its own on the US layout, so only the keyboard map can tell the chord's key.
set -euo pipefail
binary=$1
source_dir=$2

lib="$(realpath "$(dirname "$0")/lib/workspace.sh")"
source "$lib"
work=""
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cat > "${TMPDIR:-/tmp}/veyrin-marker-drive.$$" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
layout=$3
digit=$4
setxkbmap -layout "$layout"
start_veyrin
pid=$VEYRIN_PID
window=$VEYRIN_WINDOW
# The text view's client rectangle starts at (32, 184); the frame insets the client by (11, 32).
xdotool mousemove --window "$window" $((11 + 32 + 100)) $((32 + 184 + 20)) click 1
sleep 0.3
xdotool key --delay 80 ctrl+Home "ctrl+shift+$digit"
for _ in $(seq 1 9); do xdotool key --delay 40 Down; done
xdotool key --delay 80 "ctrl+$digit" Q
sleep 0.3
close_by_button "$pid" "$window"
DRIVE
drive="${TMPDIR:-/tmp}/veyrin-marker-drive.$$"
trap 'rm -rf "$work" "$drive"' EXIT

for case in "us 1" "de 7"; do
  read -r layout digit <<< "$case"
  rm -rf "$work"
  work=$(make_workspace "$binary" "$source_dir")
  cp "$work/Tem/00.dat" "$work/view.before"
  [ "$(wc -l < "$work/view.before")" -ge 10 ] || fail "the bundled view text has fewer than ten lines"
  # Without -noreset the server resets its keymap when the last client (setxkbmap) leaves.
  xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-noreset -screen 0 1280x1024x24" bash "$drive" "$work" "$lib" "$layout" "$digit"
  if ! cmp -s <(printf 'Q'; cat "$work/view.before") "$work/Tem/00.dat"; then
    cmp <(printf 'Q'; cat "$work/view.before") "$work/Tem/00.dat" || true
    fail "$layout layout: the letter typed after Ctrl+$digit did not land at the start of the first row"
  fi
done
echo "marker chord test passed"
