#!/usr/bin/env bash
# Runs every benchmark on the offscreen platform, then under X11 in a virtual
# display of its own when xvfb-run is there. Build first:
#   cmake --preset default && cmake --build build --target bench_clicks bench_startup bench_refdata bench_core
#   bench/run.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}
bin=build/bench
echo "== offscreen"
QT_QPA_PLATFORM=offscreen "$bin/bench_clicks" --rounds "$rounds"
env -u DISPLAY QT_QPA_PLATFORM=offscreen "$bin/bench_startup" --rounds "$rounds"
QT_QPA_PLATFORM=offscreen "$bin/bench_refdata" --rounds "$rounds"
if [ -x "$bin/bench_core" ]; then QT_QPA_PLATFORM=offscreen "$bin/bench_core"; fi
if command -v xvfb-run >/dev/null; then
    echo "== X11 (Xvfb)"
    # bench_startup runs offscreen and, with DISPLAY set, on X11 too.
    xvfb-run -a -s "-screen 0 1920x1080x24" env -u QT_QPA_PLATFORM "$bin/bench_clicks" --rounds "$rounds"
    xvfb-run -a -s "-screen 0 1920x1080x24" env -u QT_QPA_PLATFORM "$bin/bench_startup" --rounds "$rounds"
fi
