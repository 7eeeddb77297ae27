#!/usr/bin/env bash
# End to end: start the real program under Xvfb in a fresh copy of the bundled data, close the
# main window with a real click on its frame's close button, and check the files it wrote.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"

catalogue="$work/Data/唐诗鉴赏/list.txt"
cp "$catalogue" "$work/list.before"
cp "$work/Tem/00.dat" "$work/view.before"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
start_veyrin
pid=$VEYRIN_PID
window=$VEYRIN_WINDOW
close_by_button "$pid" "$window"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir/workspace.sh"

fail() { echo "FAIL: $*"; exit 1; }

[ -f "$work/Tcini.ini" ] || fail "Tcini.ini was not written"
expected=$(printf '%s\n' '[Font]' "font1=$(printf '新宋体' | iconv -f UTF-8 -t GBK)" 'size1=11' 'color1=0' \
  '[Temp]' 'check1=0' 'check2=1' 'check3=0' 'check4=0' 'check5=1' 'item1=0' 'topline=1' \
  'Visible1=0' 'Visible2=0' 'Visible3=0' 'Height1=409' '[color]' 'color2=16777215')
actual=$(tr -d '\r' < "$work/Tcini.ini" | LC_ALL=C grep -a -v '^$')
[ "$actual" = "$expected" ] || { diff <(echo "$expected") <(echo "$actual") || true; fail "Tcini.ini differs"; }
LC_ALL=C grep -a -q $'\r$' "$work/Tcini.ini" || fail "Tcini.ini lines must end in CR LF"

cmp -s "$catalogue" "$work/list.before" || fail "the catalogue was not written back byte for byte"
cmp -s "$work/Tem/00.dat" "$work/view.before" || fail "Tem\\00.dat changed"
last=$(tail -c 1 "$work/Tem/00.dat" | od -An -tx1 | tr -d ' ')
[ "$last" != "0a" ] && [ "$last" != "0d" ] || fail "Tem\\00.dat must not end with a line break"
[ -f "$work/Tem/01.dat" ] && [ -f "$work/Tem/02.dat" ] || fail "note files missing"
echo "first-run smoke test passed"
