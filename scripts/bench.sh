#!/usr/bin/env bash
# Builds Tamiro's benchmarks in Release into build-bench/ (the bench preset)
# and runs them without a display, on a 1920 x 1080 screen, printing the
# figures: start-up, navigation steps, brush moves with their repaint, the
# tiled background (and what a button press or an animation frame repaints),
# the back search over 1,000 to 30,000 drawings, the directory query,
# resident memory over 10,000 navigation steps, and the teacher's changes
# (adding, moving and removing a drawing in folders of up to 10,000).
# Generated folders are kept in /tmp/tamiro-bench. Extra arguments go to the
# benchmark program (for example --benchmark_filter=BackSearch).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

cmake --preset bench >/dev/null
cmake --build --preset bench

# The offscreen platform stops the program when its screen file is missing,
# so it is written first.
screen=$(mktemp --suffix=.json)
trap 'rm -f "$screen"' EXIT
echo '{"screens":[{"name":"S1","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1}]}' >"$screen"

export QT_QPA_PLATFORM="offscreen:configfile=$screen"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
build-bench/bench/tamiro_bench --benchmark_counters_tabular=false "$@"
