#!/usr/bin/env bash
# End to end: F9 in the reading window writes each character's syllable over it, and Ctrl+E then
# exports the syllables with the text: pdftotext reads tone-marked syllables of the first
# anthology entry's verse back from the PDF, above the verse line, which stays whole. Real X
# events throughout.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"
cp "$work/Data/唐诗鉴赏/01.txt" "$work/Tem/00.dat"

fail() { echo "FAIL: $*"; exit 1; }

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
target=$3
start_veyrin
open_reading_window
sleep 1
xdotool key --delay 80 F9
sleep 0.5
import -window root "$1/pinyin_rows.png"
export_reading_window_to "$target"
DRIVE

target="$work/out/pinyin.pdf"
mkdir -p "$work/out"
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$work" "$lib_dir/workspace.sh" "$target"

[ -s "$target" ] || { cat "$work/veyrin.log"; fail "no PDF was written"; }
text=$(pdftotext -enc UTF-8 "$target" -)
verse="垂緌饮清露，流响出疏桐。"
grep -qxF "$verse" <<< "$text" || fail "the verse line is not whole on a line of its own: $verse"
# pdftotext breaks the syllables into pieces, so they are read with the white space taken out: the
# verse's syllables in order, and before the verse, which they stand over.
joined=$(tr -d ' \n' <<< "$text")
before_verse=${joined%%"${verse}"*}
for syllables in yǐnqīnglù liúxiǎngchūshūtóng; do
  grep -qF "$syllables" <<< "$before_verse" || { echo "$text" | head -30; fail "the PDF lacks the syllables $syllables over the verse"; }
done
echo "reading window pinyin export test passed"
