#!/usr/bin/env bash
# scripts/build.sh BUILD_DIR [cmake options...]: configures (Ninja, Release with debug
# info, warnings as errors) and builds everything with two jobs. Later options win.
set -euo pipefail
dir=$1; shift
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DWAYBAND_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j2
