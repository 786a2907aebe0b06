#!/usr/bin/env bash
# scripts/build.sh BUILD_DIR [cmake options...]: configures (Ninja, Release with debug
# info) and builds everything with two jobs.
set -euo pipefail
dir=$1; shift
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j2
