#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them side by side, each
# for SECONDS. Fails when either finds a crash, a leak or a sanitizer report;
# the input that shows it lands in build/fuzz/findings.
# Usage: run-fuzzers.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build=$root/build/fuzz

# The libraries get the coverage hooks and the sanitizers too; sanitizer
# reports must end the run, or libFuzzer would not see them.
cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMBLE_TESTS=OFF -DTAMBLE_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
  >/dev/null
cmake --build "$build" -j"${JOBS:-$(nproc)}" --target analyze_fuzzer record_fuzzer analyze_dictionary

# The dictionary is written from the library's own tables.
"$build/bin/analyze_dictionary" >"$build/analyze.dict"

mkdir -p "$build/findings"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' INT TERM

# fuzz NAME [OPTIONS] -- [SEED FOLDERS]: new inputs go to build/fuzz/corpus/NAME.
fuzz() {
  local name=$1
  shift
  local options=()
  while [ "$1" != "--" ]; do options+=("$1"); shift; done
  shift
  mkdir -p "$build/corpus/$name"
  "$build/bin/${name}_fuzzer" "${options[@]}" -max_total_time="$seconds" -timeout=20 \
    -artifact_prefix="$build/findings/$name-" -print_final_stats=1 \
    "$build/corpus/$name" "$@" >"$build/$name.log" 2>&1 &
  pids+=($!)
}

fuzz analyze -dict="$build/analyze.dict" -max_len=4096 -- \
  "$root/fuzz/corpus/analyze" "$root/resources/samples"
fuzz record -max_len=16385 -- "$root/fuzz/corpus/record"

status=0
names=(analyze record)
for i in "${!pids[@]}"; do
  name=${names[$i]}
  if wait "${pids[$i]}"; then
    echo "== $name fuzzer: $(grep -E '^#[0-9]+' "$build/$name.log" | tail -n1)"
    grep '^stat::' "$build/$name.log" | sed 's/^/   /'
  else
    echo "== $name fuzzer FAILED (log: $build/$name.log)"
    tail -n 60 "$build/$name.log"
    status=1
  fi
done
find "$build/findings" -type f -newer "$build/analyze.dict" | sed 's/^/   finding: /'
exit $status
