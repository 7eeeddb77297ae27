#!/usr/bin/env bash
# End to end: the main window at start under Xvfb, checked against the design's positions and
# colours (skinned frame size and buttons, the client background tiled from the skin's frame
# picture, the banner's covering panels, the text view's active row and background, the name
# box), not against a stored picture of itself.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"

cat > "$work/shoot.sh" <<'SHOOT'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
start_veyrin
sleep 0.5
import -window "$VEYRIN_WINDOW" shot.png
# A click on the caption activates the window (caption buttons answer only in an active window);
# then the pointer rests on the close button until its hint shows.
eval "$(xdotool getwindowgeometry --shell "$VEYRIN_WINDOW")"
xdotool mousemove $((X + 280)) $((Y + 17)) click 1
sleep 0.3
xdotool mousemove $((X + 541)) $((Y + 17))
echo "$((X + 541)) $((Y + 17))" > pointer.txt
sleep 1.2
xwininfo -root -children > windows.txt
kill "$VEYRIN_PID"
SHOOT
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1024x800x24" bash "$work/shoot.sh" "$work" "$lib_dir/workspace.sh"

fail() { echo "FAIL: $*"; exit 1; }
# The skinned frame insets the client area 11 pixels left and right, 32 above and 10 below.
window_pixel() { convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
pixel() { window_pixel $(($1 + 11)) $(($2 + 32)); }
expect() {
  local x=$1 y=$2 want=$3 what=$4 got
  got=$(pixel "$x" "$y")
  [ "${got^^}" = "$want" ] || fail "$what at client ($x, $y): expected $want, got $got"
}
# The client background repeats the frame picture's client rectangle (11,32)-(177,118) from the
# client area's top-left corner.
frame_bmp="$source_dir/resources/skin/frame.bmp"
tile() { convert "$frame_bmp" -format "%[hex:p{$((11 + $1 % 166)),$((32 + $2 % 86))}]" info: | cut -c1-6; }
expect_tile() { expect "$1" "$2" "$(tile "$1" "$2")" "$3"; }
# A pixel of the frame picture at a frame position that keeps to the right edge (dx = 560 - 188).
expect_frame_right() {
  local x=$1 y=$2 what=$3 want got
  want=$(convert "$frame_bmp" -format "%[hex:p{$(($1 - 372)),$2}]" info: | cut -c1-6)
  got=$(window_pixel "$x" "$y")
  [ "${got^^}" = "${want^^}" ] || fail "$what at ($x, $y): expected $want, got $got"
}

size=$(identify -format '%wx%h' "$work/shot.png")
[ "$size" = "560x703" ] || fail "window size $size, expected 560x703 (538 x 661 client in the skinned frame)"

expect_tile 4 640 "client background"
expect_tile 520 300 "client background right of the view"
expect 200 50 E1E1E1 "banner panel without a web engine"
expect_frame_right 541 17 "close button (530..553 x 5..29)"
expect_frame_right 493 17 "minimise button (482..505)"
expect 12 60 E1E1E1 "Panel2 over the banner's left edge"
expect_tile 100 596 "strip between the view's bottom (593) and the radio buttons"
expect 440 186 FDF9E8 "active row of the text view (0xE8F9FD)"
expect 440 212 FFFFFF "second row of the text view"
expect 33 300 FFFFFF "text view margin"
expect 300 610 FFFFFF "name box"
corner=$(window_pixel 0 0)
[ "${corner^^}" = "000000" ] || fail "the window's shape does not cut its top-left corner (got $corner)"
# The close button's hint: a window of at least the hint picture's 42 x 22 pixels, its left edge
# at the pointer and below it.
read -r px py < "$work/pointer.txt"
hint=$(grep -E '"Veyrin": .* [0-9]+x[0-9]+\+[0-9]+\+[0-9]+' "$work/windows.txt" | grep -v '560x703' |
  sed -E 's/.* ([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+) .*/\1 \2 \3 \4/' |
  awk -v px="$px" -v py="$py" '$1 >= 42 && $2 >= 22 && $3 == px && $4 > py' | head -n 1)
[ -n "$hint" ] || { cat "$work/windows.txt"; fail "no hint window under the pointer at ($px, $py) over the close button"; }
echo "main window screenshot checks passed"
