#!/usr/bin/env bash
# Builds Tamiro into build/ (the dev preset: warnings are errors), with the
# sample content beside the program. Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev "$@" >/dev/null
cmake --build --preset dev
