#!/usr/bin/env bash
# scripts/coverage.sh [BUILD_DIR]: a gcov build of the library, hosts and tests (no
# benchmarks, no tools' optimisation), runs the suite, and prints gcovr's line and branch
# coverage of src/ and hosts/. Default build folder: build-coverage.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-coverage}
"$root/scripts/setup.sh"   # gcovr comes with the project's packages
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWAYBAND_BENCH=OFF \
  -DCMAKE_C_FLAGS=--coverage -DCMAKE_CXX_FLAGS=--coverage \
  -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage >/dev/null
cmake --build "$dir" -j2
find "$dir" -name '*.gcda' -delete
# The consumer builds link the installed library without the coverage runtime.
ctest --test-dir "$dir" -j2 --output-on-failure -E "^consumer_"
# Branches the compiler adds for exceptions are left out: they are not decisions of ours.
gcovr --root "$root" --filter "$root/src/" --filter "$root/hosts/" \
  --exclude-throw-branches --exclude-unreachable-branches \
  --print-summary --txt "$dir/coverage.txt" "$dir" | tail -n 3
