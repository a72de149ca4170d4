#!/usr/bin/env bash
# Installs what the project needs, builds everything, makes the demo
# screensaver and starts its show full screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
mkdir -p out
./build/tools/kvtool/kvtool demo -o out/Demo.scr
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run-demo: no display; running the show on a virtual X screen" >&2
  exec xvfb-run -a -s "-screen 0 1280x720x24" ./out/Demo.scr /S
fi
exec ./out/Demo.scr /S
