#!/usr/bin/env bash
# Builds Tamiro with the dev preset (warnings are errors) into build/, or the
# folder given as BUILD_DIR, with the sample content beside the program.
# BUILD_TYPE sets another build type; extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --preset dev -B "$build" ${BUILD_TYPE:+-DCMAKE_BUILD_TYPE="$BUILD_TYPE"} "$@" >/dev/null
cmake --build "$build" -j 2
