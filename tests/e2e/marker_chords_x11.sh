#!/usr/bin/env bash
# End to end: key chords with Shift from real X key events. Shift+Ctrl+1 sets marker 1 on the
# first row of the text view, nine Downs leave it, Ctrl+1 jumps back; a letter typed then must
# land at the very start of the text, which the program writes to Tem/00.dat when it closes.
set -euo pipefail
binary=$1
source_dir=$2

lib="$(dirname "$0")/lib/workspace.sh"
source "$lib"
work=$(make_workspace "$binary" "$source_dir")
trap 'rm -rf "$work"' EXIT

cp "$work/Tem/00.dat" "$work/view.before"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
start_veyrin
pid=$VEYRIN_PID
window=$VEYRIN_WINDOW
eval "$(xdotool getwindowgeometry --shell "$window")"
# The text view's client rectangle starts at (32, 184); the frame insets the client by (11, 32).
xdotool mousemove --window "$window" $((11 + 32 + 100)) $((32 + 184 + 20)) click 1
sleep 0.3
xdotool key --delay 80 ctrl+Home ctrl+shift+1
for _ in $(seq 1 9); do xdotool key --delay 40 Down; done
xdotool key --delay 80 ctrl+1 Q
sleep 0.3
xdotool mousemove --window "$window" $((WIDTH - 12)) 12
sleep 0.3
xdotool click 1
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then echo "program did not end after the close click"; kill "$pid"; exit 1; fi
wait "$pid"
DRIVE
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$(realpath "$lib")"

fail() { echo "FAIL: $*"; exit 1; }
[ "$(wc -l < "$work/view.before")" -ge 10 ] || fail "the bundled view text has fewer than ten lines"
if ! cmp -s <(printf 'Q'; cat "$work/view.before") "$work/Tem/00.dat"; then
  cmp <(printf 'Q'; cat "$work/view.before") "$work/Tem/00.dat" || true
  fail "the letter typed after Ctrl+1 did not land at the start of the first row"
fi
echo "marker chord test passed"
