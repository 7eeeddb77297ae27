#!/usr/bin/env bash
# Redraws docs/screenshot.png (the README's and the AppStream picture): the real program under its
# own Xvfb on a fresh copy of the bundled anthology, its skinned main window cut out with the
# window's shape as transparency. The shape is read off the screen: the window is grabbed once over a
# black and once over a white root window, and a pixel near the edge that follows the root is outside
# the shape.
# Usage: tools/docs/screenshot.sh BUILD/veyrin [OUT.png]
set -euo pipefail
binary=$(realpath "$1")
source_dir=$(realpath "$(dirname "$0")/../..")
out=$(realpath -m "${2:-$source_dir/docs/screenshot.png}")

source "$source_dir/tests/e2e/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"

cat > "$work/shoot.sh" <<'SHOOT'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
start_veyrin
eval "$(xdotool getwindowgeometry --shell "$VEYRIN_WINDOW")"
# A click on the caption makes the window active. Then a reader's first steps: the poet looked up
# by name in the name box (client 300, 610; the frame insets the client by 11, 32), and ruled lines
# switched on (the check box 显示水线 at client 427, 171). Last the pointer leaves the window, so no button is hot.
xdotool mousemove $((X + 200)) $((Y + 17)) click 1
xdotool mousemove $((X + 11 + 300)) $((Y + 32 + 610)) click 1
xdotool type --delay 60 "李白"
xdotool key Return
sleep 0.3
xdotool mousemove $((X + 11 + 427)) $((Y + 32 + 171)) click 1
xdotool mousemove 1000 780
sleep 1
geometry="${WIDTH}x${HEIGHT}+${X}+${Y}"
import -window root -crop "$geometry" +repage over_black.png
convert -size 1024x800 xc:white white.png
# display sets the root background and exits with status 1 even when it has.
display -window root white.png || true
sleep 0.3
import -window root -crop "$geometry" +repage over_white.png
kill "$VEYRIN_PID"
SHOOT
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1024x800x24 -br" bash "$work/shoot.sh" "$work" "$lib_dir/workspace.sh"

cd "$work"
read -r width height < <(identify -format '%w %h\n' over_black.png)
band=12
# Outside the shape: black over the black root, white over the white one, and within the band along
# the window's edges (where the shape cuts its corners), so nothing inside the window can pass for it.
convert over_black.png -fx '(r==0 && g==0 && b==0) ? 1 : 0' outside_black.png
convert over_white.png -fx '(r==1 && g==1 && b==1) ? 1 : 0' outside_white.png
convert -size "${width}x${height}" xc:white -fill black \
  -draw "rectangle $band,$band $((width - band - 1)),$((height - band - 1))" edge_band.png
convert outside_black.png outside_white.png edge_band.png -compose multiply -flatten -negate opacity.png
convert over_black.png opacity.png -alpha off -compose copy_opacity -composite -strip "$out"
echo "wrote $out (${width}x${height})"
