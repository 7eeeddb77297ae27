#!/usr/bin/env bash
# Regenerates the pinyin tables under src/platform/model/ (run by hand; the build never does).
# Needs Debian's unicode-data (installed here if missing), npm and python3.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
unihan=/usr/share/unicode
if [ ! -e "$unihan/Unihan_Readings.txt.bz2" ]; then
  sudo=$([ "$(id -u)" = 0 ] || echo sudo)
  $sudo apt-get install -y unicode-data
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent pinyin@4.0.0 >/dev/null && tar xzf pinyin-4.0.0.tgz)
python3 "$here/make_tables.py" "$unihan" "$work/package/lib/cjs/pinyin.js" "$here" \
  "$root/src/platform/model"
