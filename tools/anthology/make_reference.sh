#!/bin/bash
# Regenerates tests/data/verse_reference.txt, the corpus text every verse of the anthology is
# checked against. Run by hand after the anthology's poems change; it needs the network (npm),
# OpenCC's command-line tool (Debian's opencc) and python3. Nothing in the build or the tests
# runs it: they read the committed extract.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=2.0.1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

command -v opencc >/dev/null || { echo "make_reference: needs opencc (apt-get install opencc)" >&2; exit 1; }
(cd "$work" && npm pack --silent "chinese-poetry@$version" >/dev/null && tar xzf "chinese-poetry-$version.tgz")
python3 "$root/tools/anthology/extract_reference.py" "$work/package" "$root" \
    > "$root/tests/data/verse_reference.txt.new"
mv "$root/tests/data/verse_reference.txt.new" "$root/tests/data/verse_reference.txt"
echo "wrote tests/data/verse_reference.txt from chinese-poetry $version"
