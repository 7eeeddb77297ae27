#!/usr/bin/env bash
# Every fuzz target, one per line: fuzz/<name>.cpp builds build-fuzz/<name>.
cd "$(dirname "$0")" && ls ./*_fuzzer.cpp | sed 's|^\./||; s|\.cpp$||'
