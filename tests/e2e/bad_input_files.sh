#!/usr/bin/env bash
# End to end: damaged and unusable files the real program meets at start and at close. Each case
# runs in its own fresh working directory; none may crash the program or change a file the
# reader did not change:
#  - a catalogue replaced by 64 KB of binary bytes stays byte for byte after a close with no change,
#    and ones of 100 000 lines and of 10 million empty lines load and are written back;
#  - an unreadable note and a directory in place of a note are reported at start and left as they
#    were at close;
#  - a read-only settings file is reported at close, the window stays open, the file keeps its bytes;
#  - a file-size limit that stops a note's write at close (as a full disk would) is reported, the
#    window stays open and the note keeps its old bytes with no temporary file left.
set -euo pipefail
binary=$(realpath "$1")
source_dir=$(realpath "$2")

source "$(dirname "$0")/lib/workspace.sh"
lib_dir=$(realpath "$(dirname "$0")/lib")
base=$(mktemp -d)
trap 'chmod -R u+rwx "$base" 2>/dev/null; rm -rf "$base"' EXIT

cat > "$base/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
base=$1 binary=$2 source_dir=$3
source "$4"
export TMPDIR=$base  # the workspaces go with the base directory
catalogue="Data/唐诗鉴赏/list.txt"

case_name=""
fail() { echo "FAIL ($case_name): $*"; [ -f veyrin.log ] && cat veyrin.log; exit 1; }

new_case() {
  case_name=$1
  cd "$base"
  dir=$(make_workspace "$binary" "$source_dir")
  cd "$dir"
}

visible_windows() { xdotool search --onlyvisible --name '^Veyrin$' 2>/dev/null | wc -l; }

# The error box is modal and takes the keyboard; its OK button is the default.
dismiss_error_box() {
  for _ in $(seq 1 50); do [ "$(visible_windows)" -ge "$1" ] && break; sleep 0.1; done
  [ "$(visible_windows)" -ge "$1" ] || fail "no error box appeared"
  xdotool key Return
  sleep 0.5
}

# start_reporting_an_error: the box shows while the main window is being made, before it appears.
start_reporting_an_error() {
  start_veyrin
  dismiss_error_box 1
  VEYRIN_WINDOW=$(xdotool search --sync --onlyvisible --name '^Veyrin$' | head -n 1)
  sleep 0.5
  [ "$(visible_windows)" = 1 ] || fail "the error box did not go"
}

# close_refused: the close reports an error and the program keeps running.
close_refused() {
  click_close_button "$VEYRIN_WINDOW"
  dismiss_error_box 2
  kill -0 "$VEYRIN_PID" 2>/dev/null || fail "the program ended although its close failed"
  kill "$VEYRIN_PID"
  wait "$VEYRIN_PID" || true
}

same_bytes() { cmp -s "$1" "$2" || fail "$1 changed"; }

new_case "binary catalogue"
head -c 65536 /dev/urandom > "$catalogue"
printf '\0' | dd of="$catalogue" bs=1 seek=100 conv=notrunc status=none
cp "$catalogue" before
start_veyrin
close_by_button "$VEYRIN_PID" "$VEYRIN_WINDOW" || fail "close"
[ "$(stat -c %s "$catalogue")" = 65536 ] || fail "the catalogue is now $(stat -c %s "$catalogue") bytes"
same_bytes "$catalogue" before

new_case "100 000-line catalogue"
for i in $(seq 1 100000); do printf 'poet %s\r\n' "$i"; done > "$catalogue"
cp "$catalogue" before
start_veyrin
close_by_button "$VEYRIN_PID" "$VEYRIN_WINDOW" || fail "close"
same_bytes "$catalogue" before

new_case "catalogue of 10 million empty lines"
head -c 10000000 /dev/zero | tr '\0' '\n' > "$catalogue"
start_veyrin
close_by_button "$VEYRIN_PID" "$VEYRIN_WINDOW" || fail "close"
[ "$(stat -c %s "$catalogue")" = 20000000 ] || fail "the catalogue is now $(stat -c %s "$catalogue") bytes"

new_case "unreadable note"
printf 'private\r\nnote' > Tem/01.dat
chmod 000 Tem/01.dat
start_reporting_an_error
close_by_button "$VEYRIN_PID" "$VEYRIN_WINDOW" || fail "close"
[ "$(stat -c %a Tem/01.dat)" = 0 ] || fail "the note's mode changed"
chmod 600 Tem/01.dat
[ "$(cat Tem/01.dat)" = $'private\r\nnote' ] || fail "the unreadable note was rewritten"

new_case "directory in place of a note"
rm Tem/02.dat
mkdir Tem/02.dat
touch Tem/02.dat/inside
start_reporting_an_error
close_by_button "$VEYRIN_PID" "$VEYRIN_WINDOW" || fail "close"
[ -f Tem/02.dat/inside ] || fail "the directory lost its content"
[ -f Tcini.ini ] || fail "the close did not complete"

new_case "read-only settings file"
printf '[Font]\r\nsize1=14\r\n' > Tcini.ini
chmod 444 Tcini.ini
cp Tcini.ini before
start_veyrin
close_refused
same_bytes Tcini.ini before

new_case "file-size limit at close"
for i in $(seq 1 20000); do printf 'line %s of a long note\n' "$i"; done > Tem/01.dat
cp Tem/01.dat before
mv veyrin veyrin.bin
# The limit (in KiB) lets the catalogue and the view through and stops the note half way.
printf '#!/bin/sh\nulimit -f 256\nexec ./veyrin.bin "$@"\n' > veyrin
chmod +x veyrin
start_veyrin
close_refused
same_bytes Tem/01.dat before
[ -z "$(find . -name '*.veyrin-tmp')" ] || fail "a temporary file was left"

echo "bad input files: all cases passed"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24 -noreset" bash "$base/drive.sh" "$base" "$binary" "$source_dir" "$lib_dir/workspace.sh"
