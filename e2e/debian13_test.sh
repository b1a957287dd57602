#!/usr/bin/env bash
# debian13_test.sh SOURCE_DIR BUILD_DIR WORK_DIR: in a minimal Debian 13 holding only what
# `scripts/install-deps.sh unit` installs there, the source builds with -Werror (the newer
# compiler and Qt warn where the older ones did not) and the unit tests pass.
set -euo pipefail
export LC_ALL=C
src=$1 work=$3 cache=$2/package-cache SECONDS=0
source "$(dirname "$0")/minimal_debian.sh"

fresh_root trixie "$work/debian13-root" && copy_source
logged locked in_root /src/tamiro/scripts/install-deps.sh unit
echo "a minimal Debian 13 with what the build and the unit tests need in ${SECONDS} s"
# The style and end-to-end tests do not run here, so configuring is told their tools rather
# than made to look for them.
logged in_root cmake -S /src/tamiro -B /build -G Ninja -DTAMIRO_WERROR=ON -DTAMIRO_BENCHMARKS=OFF \
  -DCLANG_FORMAT=/bin/false -DRUN_CLANG_TIDY=/bin/false
logged in_root cmake --build /build -j2
echo "built with -Werror after ${SECONDS} s"
in_root sh -c 'cd /build && ctest -L unit -j2 --output-on-failure' >"$work/ctest.log" 2>&1 ||
  { cat "$work/ctest.log"; fail "the unit tests in Debian 13"; }
echo "$(grep 'tests passed' "$work/ctest.log"); ${SECONDS} s in all"
