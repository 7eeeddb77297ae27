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
fail() { echo "FAIL: $*"; exit 1; }

target="$work/out/pinyin.pdf"
export_first_entry "$target" F9

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
