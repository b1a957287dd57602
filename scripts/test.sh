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
printers=$(machine_printers)
trap stop_test_services EXIT
start_test_services

status=0
(cd build && ctest --output-on-failure -j2 "$@") || status=$?
stop_test_services
# Last, a check that the tests left the machine's own printers as they were.
if [ "$(machine_printers)" != "$printers" ]; then
  echo "FAILED: the tests changed the machine's printers:" >&2
  diff <(printf '%s\n' "$printers") <(machine_printers) >&2
  status=1
fi
exit $status
