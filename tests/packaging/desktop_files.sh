#!/usr/bin/env bash
# The menu entry and the AppStream metainfo as installed must pass the desktop's own validators
# (offline: nothing here may need the network).
set -euo pipefail
source_dir=$1
build_dir=$2
desktop-file-validate "$source_dir/packaging/org.veyrin.Veyrin.desktop"
appstreamcli validate --no-net --pedantic "$build_dir/packaging/org.veyrin.Veyrin.metainfo.xml"
# The entry names an icon the package really ships, at every size the icon theme is given.
icon=$(sed -n 's/^Icon=//p' "$source_dir/packaging/org.veyrin.Veyrin.desktop")
for size in 48 128 256; do
  file="$source_dir/packaging/icons/hicolor/${size}x${size}/apps/$icon.png"
  [ "$(identify -format '%wx%h' "$file")" = "${size}x${size}" ] || { echo "FAIL: $file is not ${size}x${size}"; exit 1; }
done
xmllint --noout "$source_dir/packaging/icons/hicolor/scalable/apps/$icon.svg"
echo "desktop files valid"
