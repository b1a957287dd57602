#!/usr/bin/env bash
# Builds Tamiro into build/ (or the folder given as BUILD_DIR), with the
# sample content beside the program. Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
