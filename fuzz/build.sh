#!/usr/bin/env bash
# Builds the fuzz targets and their seeds into build-fuzz/ (outside the main build: they need
# clang with libFuzzer and the sanitizers).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$root/build-fuzz}
cxx="ccache clang++"
command -v ccache >/dev/null || cxx=clang++
flags=(-std=c++20 -g -O1 -fno-omit-frame-pointer -I"$root/src")
san=(-fsanitize=address,undefined -fno-sanitize-recover=undefined)
mkdir -p "$out/obj"

sources=("$root"/src/skin/model/*.cpp "$root"/src/platform/model/*.cpp)
objects=()
for src in "${sources[@]}"; do
  obj="$out/obj/$(basename "$(dirname "$(dirname "$src")")")_$(basename "$src" .cpp).o"
  if [[ ! -f $obj || $src -nt $obj ]] || ! cmp -s <(cat "$root"/src/skin/model/*.h "$root"/src/platform/model/*.h) "$out/obj/headers" 2>/dev/null; then
    $cxx "${flags[@]}" "${san[@]}" -fsanitize=fuzzer-no-link -c "$src" -o "$obj"
  fi
  objects+=("$obj")
done
cat "$root"/src/skin/model/*.h "$root"/src/platform/model/*.h >"$out/obj/headers"

for target in package_fuzzer store_fuzzer; do
  $cxx "${flags[@]}" "${san[@]}" -fsanitize=fuzzer "$root/fuzz/$target.cpp" "${objects[@]}" -lz -o "$out/$target"
done

# The seeds are written by a plain (unsanitized) build of the same model code.
g++ -std=c++20 -O1 -I"$root/src" "$root/fuzz/make_seeds.cpp" "$root"/src/skin/model/{bmp_writer,skin_package,skin_bitmap,zlib_stream}.cpp \
  "$root/src/platform/model/app_error.cpp" -lz -o "$out/make_seeds"
"$out/make_seeds" "$out/seeds/package" "$out/seeds/store"
# The real stored package, once the main build has packed it.
for bin in "$root"/build/skin/stored_skin.bin; do
  [[ -f $bin ]] && cp "$bin" "$out/seeds/store/stored_skin"
done
echo "fuzz targets in $out"
