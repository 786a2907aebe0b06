#!/usr/bin/env bash
# The main job. There is no renderer yet, so for now this sets up the machine and builds
# the library, its tests and benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
echo "main: built everything in build/ (the library has no main job to run yet)"
