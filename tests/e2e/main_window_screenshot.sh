#!/usr/bin/env bash
# End to end: the main window at start under Xvfb, checked against the design's positions and
# colours (window size, window colour, the banner's covering panels, the text view's active row
# and background, the name box), not against a stored picture of itself.
set -euo pipefail
binary=$1
source_dir=$2

lib="$(dirname "$0")/lib/workspace.sh"
source "$lib"
work=$(make_workspace "$binary" "$source_dir")
trap 'rm -rf "$work"' EXIT

cat > "$work/shoot.sh" <<'SHOOT'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
start_veyrin
sleep 0.5
import -window "$VEYRIN_WINDOW" shot.png
kill "$VEYRIN_PID"
SHOOT
xvfb-run -a -s "-screen 0 1024x800x24" bash "$work/shoot.sh" "$work" "$(realpath "$lib")"

fail() { echo "FAIL: $*"; exit 1; }
# The window's frame adds 3 pixels on each side and a 19-pixel caption above the client area.
pixel() { convert "$work/shot.png" -format "%[hex:p{$(($1 + 3)),$(($2 + 22))}]" info: | cut -c1-6; }
expect() {
  local x=$1 y=$2 want=$3 what=$4 got
  got=$(pixel "$x" "$y")
  [ "${got^^}" = "$want" ] || fail "$what at client ($x, $y): expected $want, got $got"
}

size=$(identify -format '%wx%h' "$work/shot.png")
[ "$size" = "544x686" ] || fail "window size $size, expected 544x686 (538 x 661 client)"

expect 4 640 E1E1E1 "window colour"
expect 520 300 E1E1E1 "window colour right of the view"
expect 200 50 E1E1E1 "banner area without a web engine"
expect 12 60 E1E1E1 "Panel2 over the banner's left edge"
expect 100 596 E1E1E1 "strip between the view's bottom (593) and the radio buttons"
expect 440 186 FDF9E8 "active row of the text view (0xE8F9FD)"
expect 440 212 FFFFFF "second row of the text view"
expect 33 300 FFFFFF "text view margin"
expect 300 610 FFFFFF "name box"
caption=$(convert "$work/shot.png" -format '%[hex:p{100,10}]' info: | cut -c1-6)
[ "${caption^^}" != "E1E1E1" ] || fail "no caption bar drawn"
echo "main window screenshot checks passed"
