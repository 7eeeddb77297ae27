#!/usr/bin/env bash
# Builds the fuzz targets and their seeds into build-fuzz/ (outside the main build: they need
# clang with libFuzzer and the sanitizers).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$root/build-fuzz}
cxx="ccache clang++"
command -v ccache >/dev/null || cxx=clang++
# Qt is built position-independent, so code that includes its headers must be too.
flags=(-std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer -I"$root/src")
san=(-fsanitize=address,undefined -fno-sanitize-recover=undefined)
read -r -a qt_flags <<<"$(pkg-config --cflags Qt6Gui)"
read -r -a qt_libs <<<"$(pkg-config --libs Qt6Gui)"
mkdir -p "$out/obj"

# The model code of the readers under test, plus the one widget file that turns Qt keys into the
# key table's; gathered in an archive so each target links only what it uses.
model_dirs=(skin platform app textview)
sources=()
for dir in "${model_dirs[@]}"; do sources+=("$root"/src/"$dir"/model/*.cpp); done
sources+=("$root/src/textview/ui/key_translation.cpp")
headers_now=$(cat "$root"/src/{skin,platform,app,textview}/model/*.h "$root/src/textview/ui/key_translation.h")
headers_changed=1
[[ -f $out/obj/headers ]] && cmp -s <(printf '%s' "$headers_now") "$out/obj/headers" && headers_changed=0
objects=()
for src in "${sources[@]}"; do
  obj="$out/obj/$(basename "$(dirname "$(dirname "$src")")")_$(basename "$(dirname "$src")")_$(basename "$src" .cpp).o"
  if [[ ! -f $obj || $src -nt $obj || $headers_changed == 1 ]]; then
    $cxx "${flags[@]}" "${san[@]}" "${qt_flags[@]}" -fsanitize=fuzzer-no-link -c "$src" -o "$obj"
  fi
  objects+=("$obj")
done
printf '%s' "$headers_now" >"$out/obj/headers"
rm -f "$out/libreaders.a"
ar rcs "$out/libreaders.a" "${objects[@]}"

for target in $(bash "$root/fuzz/targets.sh"); do
  $cxx "${flags[@]}" "${san[@]}" "${qt_flags[@]}" -fsanitize=fuzzer "$root/fuzz/$target.cpp" "$out/libreaders.a" \
    "${qt_libs[@]}" -lz -o "$out/$target"
done

# The skin seeds are written by a plain (unsanitized) build of the same model code; the readers'
# seeds are checked in under fuzz/corpus.
g++ -std=c++20 -O1 -I"$root/src" "$root/fuzz/make_seeds.cpp" "$root"/src/skin/model/{bmp_writer,bmp_rle,skin_package,skin_bitmap,zlib_stream}.cpp \
  "$root/src/platform/model/app_error.cpp" -lz -o "$out/make_seeds"
"$out/make_seeds" "$out/seeds/package" "$out/seeds/store"
# The real stored package, once the main build has packed it.
for bin in "$root"/build/skin/stored_skin.bin; do
  [[ -f $bin ]] && cp "$bin" "$out/seeds/store/stored_skin"
done
echo "fuzz targets in $out"
