#!/usr/bin/env bash
# The main job: sets up the machine, builds everything (the library, the Qt host, the
# tools, the demo, tests and benchmarks), renders every example scene (examples/*.json) to
# PNG with wayband-render, and runs the demo: its window when a display is there, else its
# scripted tour on the offscreen platform, which saves the window's screenshots.
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
demo=build/tools/wayband-demo/wayband-demo
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "main: opening the demo's window"
  exec "$demo"
fi
tour=build/tour
rm -rf "$tour"
QT_QPA_PLATFORM=offscreen "$demo" --tour "$tour" >/dev/null
echo "main: no display; the demo ran its tour offscreen and saved $(ls "$tour"/*.png | wc -l) screenshots into $tour/"
