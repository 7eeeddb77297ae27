#!/usr/bin/env bash
# Rebuilds the skin generator, redraws resources/skin/ (pictures, mask and skin.ini) and checks
# the written files. Kept out of the main build: the skin is committed, so building the program
# never depends on drawing it. PREVIEW_DIR=/some/dir also writes PNG previews of windows, a menu
# and a hint composed from the new files.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$root/build-artwork}
mkdir -p "$build" "$root/resources/skin"
launcher=$(command -v ccache || true)
$launcher c++ -std=c++20 -O1 -Wall -Wextra -Werror -fPIC -I"$root/tools/artwork" -I"$root/src" \
    "$root/tools/artwork/skin_artwork.cpp" "$root/tools/artwork/skin_ini.cpp" \
    "$root/tools/artwork/skin_preview.cpp" "$root/src/skin/model/picture_composition.cpp" \
    $(pkg-config --cflags Qt6Gui) $(pkg-config --libs Qt6Gui) -o "$build/skin_artwork"
preview=()
if [[ -n "${PREVIEW_DIR:-}" ]]; then mkdir -p "$PREVIEW_DIR"; preview=("$PREVIEW_DIR"); fi
QT_QPA_PLATFORM=offscreen "$build/skin_artwork" "$root/resources/skin" "${preview[@]}"
python3 "$root/tools/artwork/check_skin.py" "$root/resources/skin"
