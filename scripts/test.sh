#!/usr/bin/env bash
# Installs what Tamiro needs, builds it and runs every test, ending with
# CTest's summary. A real printer (a CUPS queue that writes PDF files) is set
# up as the default printer for the tests and stopped afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh

source ./scripts/test-services.sh
trap stop_test_services EXIT
start_test_services

cd build
ctest --output-on-failure -j2 "$@"
