#!/usr/bin/env bash
# End to end: Ctrl+R from real X events opens a random poem. Only entry 52 keeps its poems (every
# other entry's title lines are taken out), so one of them must come: the close then stores
# that entry's text in Tem/00.dat, its index in Tcini.ini, and a top row below the entry's head.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"

fail() { echo "FAIL: $*"; [ -f "$work/veyrin.log" ] && cat "$work/veyrin.log"; exit 1; }

entry_index=51
entry_file="$work/Data/唐诗鉴赏/52.txt"
[ -f "$entry_file" ] || fail "the bundled anthology has no entry 52"
title_open=$'\xA1\xBE'  # 【 in GBK
for file in "$work"/Data/唐诗鉴赏/[0-9]*.txt; do
  [ "$file" = "$entry_file" ] || LC_ALL=C sed -i "/^$title_open/d" "$file"
done
LC_ALL=C grep -q "^$title_open" "$entry_file" || fail "entry 52 has no poem"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
start_veyrin
pid=$VEYRIN_PID
window=$VEYRIN_WINDOW
# A click on the window's free client area (left of the catalogue bar) gives it the keyboard.
xdotool mousemove --window "$window" $((11 + 12)) $((32 + 300)) click 1
sleep 0.3
xdotool key ctrl+r
# The first press reads the anthology on a worker thread; the poem opens when it is read.
sleep 2
close_by_button "$pid" "$window"
DRIVE

xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-noreset -screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir/workspace.sh" \
  || fail "driving the program failed"

first_line() { head -n 1 "$1" | tr -d '\r'; }
[ "$(first_line "$work/Tem/00.dat")" = "$(first_line "$entry_file")" ] \
  || fail "the view does not show entry 52 after Ctrl+R (first line: $(first_line "$work/Tem/00.dat" | iconv -f GBK -t UTF-8))"
grep -q "^item1=$entry_index"$'\r'"\$" "$work/Tcini.ini" || fail "the catalogue did not choose entry 52: $(grep item1 "$work/Tcini.ini")"
top=$(grep -a '^topline=' "$work/Tcini.ini" | tr -d '\r' | cut -d= -f2)
[ "${top:-1}" -gt 1 ] || fail "the view still starts at its first row (topline=${top:-none}), not at the poem's title"
echo "random poem test passed"
