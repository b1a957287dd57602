#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (with ASan and UBSan) into
# build-fuzz/ (the fuzz preset) and runs each for the given number of seconds
# (default 300); fuzz/CMakeLists.txt says what each one fuzzes. Findings
# (crash-*, leak-*, timeout-*) land in build-fuzz/findings/<target>/; the
# seeds in fuzz/corpus are copied into a working corpus there, so fuzz/ stays
# as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
./scripts/install-deps.sh

# The fuzzer's compiler and runtime (the release's default clang), installed here only.
missing=()
for package in clang libclang-rt-dev; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

root=$(pwd)
build=$root/build-fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

status=0
for target in fuzz_paths fuzz_picture_file; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  cp -n fuzz/corpus/"${target#fuzz_}"/* "$corpus"/ 2>/dev/null || true
  # Absolute paths: the path target works inside its own folder.
  options=(-max_total_time="$seconds" -timeout=10 -max_len=4096 -print_final_stats=1
    -artifact_prefix="$findings/")
  [ -f "fuzz/${target#fuzz_}.dict" ] && options+=(-dict="$root/fuzz/${target#fuzz_}.dict")
  echo "== $target: running for $seconds s"
  if ! nice "$build/fuzz/$target" "${options[@]}" "$corpus" 2>"$build/$target.log"; then
    status=1
    echo "== $target: FOUND A FAULT, see $build/$target.log and $findings/"
  fi
  grep -E '^(stat::|#[0-9]+ +DONE)' "$build/$target.log" || tail -5 "$build/$target.log"
done
exit $status
