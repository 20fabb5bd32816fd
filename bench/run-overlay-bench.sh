#!/usr/bin/env bash
# Runs the overlay benchmark on a 1920x1080 private X session (window manager and compositor included).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -x build/bench_overlay ] && [ ! -x build/bench/bench_overlay ]; then
  cmake --build build --target bench_overlay
fi
bench=build/bench/bench_overlay
[ -x "$bench" ] || bench=build/bench_overlay
GLAREWELL_X_SCREEN=1920x1080x24 QT_QPA_PLATFORM=xcb bash scripts/with-x-session.sh "$bench"
