#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: run-fuzzers.sh [SECONDS]   (findings land in build/fuzz/findings)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build=$root/build/fuzz

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMBLE_TESTS=OFF -DTAMBLE_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build "$build" -j"$(nproc)" --target analyze_fuzzer

mkdir -p "$build/corpus" "$build/findings"
cp "$root"/resources/samples/*.txt "$build/corpus/" 2>/dev/null || true
"$build/bin/analyze_fuzzer" "$build/corpus" -max_total_time="$seconds" -max_len=4096 \
  -artifact_prefix="$build/findings/" -print_final_stats=1
