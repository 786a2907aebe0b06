#!/usr/bin/env bash
# Sets up the machine and runs the whole test suite twice: a plain build and a build with
# AddressSanitizer + UndefinedBehaviorSanitizer. Then compiles the library and tools in
# Release with clang (no tests), and prints the share of test code. Fails when any step
# fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
step() { printf '== %s (%s)\n' "$1" "$(date -u +%T)"; }
step "plain build and suite"
scripts/build.sh build
ctest --test-dir build -j2 --output-on-failure
step "sanitized build and suite"
scripts/build.sh build-sanitize -DWAYBAND_SANITIZE=ON -DWAYBAND_BENCH=OFF
ctest --test-dir build-sanitize -j2 --output-on-failure
step "clang Release build of the library and tools"
CC=clang CXX=clang++ scripts/build.sh build-clang-release -DCMAKE_BUILD_TYPE=Release \
  -DWAYBAND_TESTS=OFF -DWAYBAND_BENCH=OFF
step "done"
scripts/test_share.sh
