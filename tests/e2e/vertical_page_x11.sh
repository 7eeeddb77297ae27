#!/usr/bin/env bash
# End to end on a real X server: F6 in the reading window sets the text in columns on vertical
# letter paper. The picture is checked for what makes it one: silver column rules running down
# the page at an even pitch, ink between them, and no ruled rows left. F6 again brings the rows
# back (horizontal rules again).
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"
# Ruled lines on, as the check box 显示水线 leaves them.
printf '[Temp]\r\ncheck4=1\r\nVisible3=1\r\n' > "$work/Tcini.ini"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
start_veyrin
open_reading_window
sleep 1
import -window root rows.png
xdotool key F6
sleep 1
import -window root columns.png
xdotool key F6
sleep 1
import -window root rows_again.png
kill "$VEYRIN_PID"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1024x800x24" bash "$work/drive.sh" "$work" "$lib_dir/workspace.sh"

fail() { echo "FAIL: $*"; exit 1; }

# x positions where a horizontal strip of the picture (rows y0..y1) is silver all the way down.
silver_columns() {
  convert "$1" -crop "1024x$(($3 - $2))+0+$2" +repage -scale "1024x1!" txt:- |
    awk -F'[,:]' 'NR > 1 && /#C0C0C0/ { print $1 }'
}
# y positions where the area x0..x1 by y0..y1 has a row silver all the way across.
silver_rows() {
  convert "$1" -crop "$(($3 - $2))x$(($5 - $4))+$2+$4" +repage -scale "1x$(($5 - $4))!" txt:- |
    awk -F'[,:]' 'NR > 1 && /#C0C0C0/ { print $2 }'
}

# The view lies in the lower part of the maximised window, below the notes and the tool bar.
mapfile -t rules < <(silver_columns "$work/columns.png" 420 620)
[ "${#rules[@]}" -ge 4 ] || fail "expected column rules running down the page, found ${#rules[@]} at x: ${rules[*]}"
pitch=$((rules[1] - rules[0]))
[ "$pitch" -ge 16 ] || fail "column rules ${rules[*]} are too close to be columns"
for ((i = 2; i < ${#rules[@]}; ++i)); do
  [ $((rules[i] - rules[i - 1])) -eq "$pitch" ] || fail "column rules not evenly spaced: ${rules[*]}"
done
# The first column is at the right: its rule lies in the right half of the screen.
last=${rules[${#rules[@]} - 1]}
[ "$last" -gt 512 ] || fail "the columns do not start at the right (rightmost rule at $last)"
ink=$(convert "$work/columns.png" -crop "$((pitch - 2))x560+$((last - pitch + 1))+220" +repage -threshold 40% \
  -negate -format "%[fx:mean]" info:)
awk -v m="$ink" 'BEGIN { exit !(m > 0.01) }' || fail "no ink in the first column (dark share $ink)"
[ -z "$(silver_rows "$work/columns.png" 600 900 420 620)" ] || fail "ruled rows still show in vertical mode"

[ -n "$(silver_rows "$work/rows.png" 600 900 420 620)" ] || fail "no ruled rows before F6"
[ -z "$(silver_columns "$work/rows.png" 420 620)" ] || fail "column rules before F6"
[ -n "$(silver_rows "$work/rows_again.png" 600 900 420 620)" ] || fail "the rows did not come back after F6 again"
echo "vertical page checks passed (${#rules[@]} column rules, pitch $pitch)"
