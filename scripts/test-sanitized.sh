#!/usr/bin/env bash
# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer in its own build
# folder (build-asan). Any report - a memory error, undefined behaviour, a leak of our own - stops the
# program that made it, and its test fails. Every report, of any process (the programs the real-input tests
# drive too), is also written under build-asan/sanitizer-reports: one there fails the run, whatever the
# tests said. scripts/test.sh runs this after the ordinary run.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
jobs="$(nproc)"
# -O1 with line tables only: reports keep file and line, and the build takes less than half the time of -O2 -g.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_C_FLAGS="-O1 -g1" -DCMAKE_CXX_FLAGS="-O1 -g1" \
  -DZEL_SANITIZE=ON
cmake --build build-asan -j"$jobs"

reports="$root/build-asan/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:strict_string_checks=1:check_initialization_order=1:log_path=$reports/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
# Leaks kept by libraries for the life of the process, each explained in the file.
export LSAN_OPTIONS="suppressions=$root/scripts/sanitizers/lsan.supp:print_suppressions=0"
status=0
(cd build-asan && ctest --output-on-failure -j"$jobs" --timeout 600) || status=$?

count="$(find "$reports" -type f | wc -l)"
echo "sanitizer reports: $count"
if [ "$count" -gt 0 ]; then
  for f in "$reports"/*; do
    echo "=== $f"
    cat "$f"
  done
  exit 1
fi
exit "$status"
