#!/usr/bin/env bash
# Builds and runs every fuzz target for FUZZ_SECONDS (default 60) each, keeping the corpus
# between runs; crashes land in build-fuzz/findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
"$root/fuzz/build.sh"
mkdir -p "$out/findings"
status=0
for target in package_fuzzer store_fuzzer; do
  kind=${target%_fuzzer}
  mkdir -p "$out/corpus/$kind"
  echo "== $target for ${seconds}s"
  "$out/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$out/findings/$target-" "$out/corpus/$kind" "$out/seeds/$kind" || status=1
done
exit $status
