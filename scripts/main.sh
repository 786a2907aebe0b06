#!/usr/bin/env bash
# The main job: sets up the machine, builds the library with its tools, tests and
# benchmarks, and renders every example scene (examples/*.json) to PNG with wayband-render.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
out=build/examples-out
rm -rf "$out"
mkdir -p "$out"
for scene in examples/*.json; do
  name=$(basename "$scene" .json)
  build/tools/wayband-render/wayband-render --state "$out/$name.state.json" "$scene" "$out/$name.png"
done
echo "main: rendered $(ls "$out"/*.png | wc -l) PNG files from examples/*.json into $out/"
