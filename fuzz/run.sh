#!/usr/bin/env bash
# Builds and runs every fuzz target for FUZZ_SECONDS (default 60) each, keeping the corpus
# between runs; crashes land in build-fuzz/findings/. Seeds: build-fuzz/seeds/<kind> (written by
# the build) and fuzz/corpus/<kind> (checked in), where <kind> is the target's name without
# "_fuzzer".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
"$root/fuzz/build.sh"
mkdir -p "$out/findings"
status=0
for target in $(bash "$root/fuzz/targets.sh"); do
  kind=${target%_fuzzer}
  mkdir -p "$out/corpus/$kind"
  seeds=()
  for dir in "$out/seeds/$kind" "$root/fuzz/corpus/$kind"; do [[ -d $dir ]] && seeds+=("$dir"); done
  echo "== $target for ${seconds}s"
  "$out/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$out/findings/$target-" "$out/corpus/$kind" "${seeds[@]}" || status=1
done
exit $status
