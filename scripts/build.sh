#!/usr/bin/env bash
# scripts/build.sh BUILD_DIR [cmake options...]: configures (Ninja, Release with debug
# info) and builds everything with two jobs.
set -euo pipefail
dir=$1; shift
# ccache rewrites paths inside the checkout, so another clone of the project reuses the
# compiled objects.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd "$(dirname "$0")/.." && pwd)}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j2
