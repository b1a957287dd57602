#!/usr/bin/env bash
# Installs what Tamiro needs, builds it and starts it on the sample content.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Tamiro está compilado, pero aquí no hay pantalla gráfica (DISPLAY no está definido)."
  echo "Para probarlo sin pantalla, en un servidor X virtual:"
  echo "  xvfb-run -s '-screen 0 1024x768x24' $(pwd)/build/tamiro"
  exit 0
fi
exec ./build/tamiro
