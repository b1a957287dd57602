#!/usr/bin/env bash
# Installs what Tamiro needs, builds it and runs every test, ending with
# CTest's summary. The tests print on a CUPS scheduler of their own, with a
# queue that writes PDF files, started here and stopped afterwards; the
# machine's printers and default printer are left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh

source ./scripts/test-services.sh
trap stop_test_services EXIT
# The machine's own printers as they are now; a test finds them so afterwards.
export TAMIRO_MACHINE_PRINTERS=$PWD/build/machine-printers
machine_printers >"$TAMIRO_MACHINE_PRINTERS"
start_test_services

cd build
ctest --output-on-failure -j2 "$@"
