#!/usr/bin/env bash
# End to end: a double click on the main view opens the reading window; Ctrl+E opens the export
# dialog, a file name typed into it and Enter write a PDF of the text on A5 pages, whose text
# pdftotext reads back. The view holds the first anthology entry, whose commentary the view's own
# wrap breaks before a comma at this width: the page is set as a Chinese page instead, no line
# starting with a closing mark, the poem's verse whole and indented past the commentary. Real X
# events throughout.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"
fail() { echo "FAIL: $*"; exit 1; }

target="$work/out/reading.pdf"
export_first_entry "$target"

[ -s "$target" ] || { cat "$work/veyrin.log"; fail "no PDF was written"; }
[ -z "$(find "$work/out" -name '*.veyrin-tmp')" ] || fail "a temporary file was left beside the PDF"
pdfinfo "$target" | grep -q '(A5)' || fail "the PDF's pages are not A5"
text=$(pdftotext -enc UTF-8 "$target" -)
first=$(LC_ALL=C head -n 1 "$work/Tem/00.dat" | tr -d '\r' | iconv -f GBK -t UTF-8)
[ -n "$first" ] || fail "the bundled view text has no first line"
grep -qF "$first" <<< "$text" || { echo "$text" | head -5; fail "the PDF's text lacks the view's first line: $first"; }
closing_start=$(grep -E '^\s*(。|，|、|；|：|？|！|…|）|」|』|”|’|》|〉|】)' <<< "$text" || true)
[ -z "$closing_start" ] || fail "lines start with closing marks: $closing_start"
opening_end=$(grep -E '(（|「|『|“|‘|《|〈|【)\s*$' <<< "$text" || true)
[ -z "$opening_end" ] || fail "lines end with opening marks: $opening_end"
verse="垂緌饮清露，流响出疏桐。"
grep -qxF "$verse" <<< "$text" || fail "the verse line is not whole on a line of its own: $verse"
# Where a line starts on the page, in pdftotext's layout columns.
indent_of() { pdftotext -layout -enc UTF-8 "$target" - | grep -F "$1" | head -n 1 | sed -E 's/[^ ].*//' | wc -c; }
[ "$(indent_of "$verse")" -gt "$(indent_of "简介：")" ] || fail "the verse is not set in from the commentary"
echo "reading window export test passed"
