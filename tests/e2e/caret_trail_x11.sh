#!/usr/bin/env bash
# End to end on a real X server: a click in the main window's text view and four presses of Right
# leave one caret bar in the row, not a trail of five. The view's first line is made of blanks, so
# every dark pixel in that row is caret. The caret blinks: of several pictures none may show more
# than one bar, and at least one must show it.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"
{ printf '%60s\r\n' ''; cat "$work/Tem/00.dat"; } > "$work/view.dat"
mv "$work/view.dat" "$work/Tem/00.dat"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
start_veyrin
# The text view's client rectangle starts at (32, 184); the frame insets the client by (11, 32).
xdotool mousemove --window "$VEYRIN_WINDOW" $((11 + 32 + 100)) $((32 + 184 + 10)) click 1
sleep 0.3
xdotool key --delay 80 Right Right Right Right
for shot in 1 2 3 4 5; do
  sleep 0.3
  import -window "$VEYRIN_WINDOW" "shot$shot.png"
done
kill "$VEYRIN_PID"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir/workspace.sh"

fail() { echo "FAIL: $*"; exit 1; }

# Caret bars in the first row of the view: runs of neighbouring pixel columns that are dark in
# most of the text's height (the row's paper, active-line colour and ruled line are all light).
caret_bars() {
  convert "$1" -crop "300x20+$((11 + 32 + 2))+$((32 + 184 + 2))" +repage -colorspace Gray -depth 8 -compress none pgm:- |
    awk 'NR == 2 { width = $1 } NR > 3 { for (i = 1; i <= NF; ++i) { if ($i < 100) ++dark[n % width]; ++n } }
      END {
        for (x = 0; x < width; ++x) {
          on = dark[x] >= 6
          if (on && !was) ++bars
          was = on
        }
        print bars + 0
      }'
}

seen=0
for shot in "$work"/shot*.png; do
  bars=$(caret_bars "$shot")
  [ "$bars" -le 1 ] || fail "$bars caret bars in the row of $(basename "$shot") after four moves to the right"
  seen=$((seen + bars))
done
[ "$seen" -ge 1 ] || fail "no caret bar in any picture of the row"
echo "caret trail check passed (one caret bar in $seen of 5 pictures)"
