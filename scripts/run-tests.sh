#!/usr/bin/env bash
# Runs every test suite of the three builds, then the fuzzers for a minute
# (built here, with clang), and fails when any suite failed or a fuzzer found
# something. The Windows suites run one at a time under Wine
# (scripts/wine-run.sh).
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

status=0
run() {
  local name=$1; shift
  echo "== $name"
  if ! "$@"; then
    echo "== $name: FAILED"
    status=1
  fi
}

run "native tests (ASan, UBSan)" ctest --test-dir build/native --output-on-failure -j"$(nproc)"
run "win32 tests (Wine)" ctest --test-dir build/win32 --output-on-failure -j1
run "win64 tests (Wine)" ctest --test-dir build/win64 --output-on-failure -j1

# Leave no Wine processes behind.
WINEPREFIX=${TAMBLE_WINEPREFIX:-$root/build/wineprefix} wineserver -k 2>/dev/null || true

run "fuzzers (libFuzzer, 60 s)" ./scripts/run-fuzzers.sh 60

if [ $status -eq 0 ]; then echo "== all tests passed"; else echo "== some tests FAILED"; fi
exit $status
