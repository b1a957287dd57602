#!/usr/bin/env bash
# Builds the Debian package with CPack, installs it with apt-get, starts the
# installed /usr/bin/tamiro in a private X server and checks its window and
# content as at any start, then removes the package again.
#   package_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "installing a package needs root: skipped"
  exit 77
fi
if dpkg-query -W -f='${Status}' tamiro 2>/dev/null | grep -q 'ok installed'; then
  echo "a tamiro package is installed already; not touching it: skipped"
  exit 77
fi
rm -rf "$work" && mkdir -p "$work"

SECONDS=0
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/tamiro_*.deb)
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) kB) in ${SECONDS} s"
dpkg-deb -f "$deb" Package Version Depends

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/tamiro ./usr/lib/tamiro/tamiro ./usr/lib/tamiro/fondo.gif \
            ./usr/lib/tamiro/impresora.txt "./usr/lib/tamiro/dibujos/1/no coloreado/1.gif" \
            ./usr/share/applications/org.tamiro.Tamiro.desktop \
            ./usr/share/metainfo/org.tamiro.Tamiro.metainfo.xml \
            ./usr/share/icons/hicolor/32x32/apps/org.tamiro.Tamiro.png \
            ./usr/share/icons/hicolor/scalable/apps/org.tamiro.Tamiro.svg; do
  grep -qF -- " $path" <<<"$contents" || { echo "FAILED: the package lacks $path"; exit 1; }
done
if grep -E '/src/|\.sh$' <<<"$contents"; then
  echo "FAILED: the package holds picture sources or scripts"; exit 1
fi

export DEBIAN_FRONTEND=noninteractive
trap 'apt-get remove -y -qq tamiro >/dev/null 2>&1 || true' EXIT
apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || {
  cat "$work/apt.log"; exit 1; }
[ "$(command -v tamiro)" = /usr/bin/tamiro ] || { echo "FAILED: tamiro is not on the PATH"; exit 1; }

/usr/bin/python3 "$here/tamiro_e2e.py" start --program /usr/bin/tamiro --in-place \
  --workdir "$work/start"

apt-get remove -y -qq tamiro >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
trap - EXIT
if [ -e /usr/bin/tamiro ] || [ -e /usr/lib/tamiro/tamiro ]; then
  echo "FAILED: removing the package left the program behind"; exit 1
fi
echo "installed, started and removed"
