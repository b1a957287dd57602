#!/usr/bin/env bash
# Builds Tamiro with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (the asan preset) and runs the unit tests there (the robustness
# test among them). Any memory error, undefined behaviour or leak in the
# program fails the run; scripts/lsan.supp silences leaks inside system
# libraries only.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

cmake --preset asan >/dev/null
cmake --build --preset asan

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0"
ctest --preset asan "$@"
