#!/usr/bin/env bash
# Rebuilds the picture generator and redraws resources/pictures/ and the desktop icons under
# packaging/icons/. Kept out of the main build: the pictures are committed, so building the program
# never depends on drawing them.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$root/build-artwork}
mkdir -p "$build" "$root/resources/pictures"
c++ -std=c++20 -O1 -Wall -Wextra -Werror -fPIC -I"$root/tools/artwork" "$root/tools/artwork/picture_artwork.cpp" \
    "$root/tools/artwork/bmp_file.cpp" "$root/tools/artwork/svg_recorder.cpp" \
    $(pkg-config --cflags Qt6Gui) $(pkg-config --libs Qt6Gui) -o "$build/picture_artwork"
QT_QPA_PLATFORM=offscreen "$build/picture_artwork" "$root/resources/pictures" "$root/packaging/icons/hicolor"
echo "pictures written to $root/resources/pictures and $root/packaging/icons/hicolor"
