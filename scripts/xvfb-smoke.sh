#!/usr/bin/env bash
# scripts/xvfb-smoke.sh [BUILD_DIR] [OUT_DIR]: runs wayband-demo on a virtual X display and
# drives it with real X input (xdotool): it clicks two bars, hovers a third for its
# tooltip, opens the chevron menu and drags the splitter, and saves a screenshot of the
# display after each step to OUT_DIR (default BUILD_DIR/xvfb-smoke). Not part of CI: the
# offscreen tour and the QTest suite cover the same ground without a display server.
# The positions are those of the demo's first window (820x560, 96 dpi, six panels, four
# bars shown). Installs xvfb, xdotool, x11-apps and imagemagick when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build/xvfb-smoke}
demo=$build/tools/wayband-demo/wayband-demo
[ -x "$demo" ] || { echo "xvfb-smoke: build the demo first ($demo)" >&2; exit 1; }
for tool in Xvfb xdotool xwd convert; do
  if ! command -v "$tool" >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends xvfb xdotool x11-apps imagemagick
    break
  fi
done
mkdir -p "$out"

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x640x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
QT_QPA_PLATFORM=xcb "$demo" >"$out/demo.log" 2>&1 &
app=$!
trap 'kill "$app" "$xvfb" 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name "Wayband demo" | head -1)
xdotool windowmove "$window" 0 0
sleep 1

step=0
shot() {
  step=$((step + 1))
  sleep "${2:-0.5}"
  xwd -root -silent | convert xwd:- "$(printf '%s/%02d-%s.png' "$out" "$step" "$1")"
}
click() { xdotool mousemove "$1" "$2" click 1; }

shot start
click 60 424 && shot calendar
click 60 456 && shot contacts
xdotool mousemove 60 488 && shot hover-tasks 1.5
click 230 520 && shot chevron-menu
xdotool key Escape
# The splitter grip sits above the first bar; dragging it down shows fewer bars.
xdotool mousemove 118 372 mousedown 1 sleep 0.2 mousemove 118 400 sleep 0.2 mousemove 118 440 sleep 0.2 mouseup 1
shot splitter-drag
if ! kill -0 "$app" 2>/dev/null; then
  echo "xvfb-smoke: the demo exited during the run (see $out/demo.log)" >&2
  exit 1
fi
echo "xvfb-smoke: $step screenshots in $out"
