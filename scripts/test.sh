#!/usr/bin/env bash
# Sets up the machine and runs the whole test suite twice: a plain build and a build with
# AddressSanitizer + UndefinedBehaviorSanitizer. Fails when either run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
scripts/build.sh build
ctest --test-dir build -j2 --output-on-failure
scripts/build.sh build-sanitize -DWAYBAND_SANITIZE=ON -DWAYBAND_BENCH=OFF
ctest --test-dir build-sanitize -j2 --output-on-failure
