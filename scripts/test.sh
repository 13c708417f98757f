#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs the whole test suite: the full build
# under ctest, then the pure layers' tests again with AddressSanitizer and UBSan, then a short
# run of every fuzz target (clang, libFuzzer) so they keep building and working.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=${JOBS:-2}

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DENABLE_SANITIZERS=ON \
      -DVELMORA_BUILD_GUI=OFF -DVELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs" -L pure)

bash scripts/fuzz.sh 5
