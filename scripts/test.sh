#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (GUI tests under Xvfb), then runs them all
# again under the sanitizers (scripts/test-sanitized.sh, its own build folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs="$(nproc)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs" --timeout 600)
scripts/test-sanitized.sh
