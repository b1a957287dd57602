#!/bin/sh
# Regenerates every generated picture and sound of Tamiro: the built-in
# pictures in resources/ and, when their scripts are present, the content
# folder's extras and drawings. Installs the tools it needs with apt-get on a
# fresh Debian 12. Running it twice gives byte-identical files.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

missing=""
[ -x /usr/bin/python3 ] || missing="$missing python3"
/usr/bin/python3 -c 'import PIL' 2>/dev/null || missing="$missing python3-pil"
command -v rsvg-convert >/dev/null 2>&1 || missing="$missing librsvg2-bin"
command -v montage >/dev/null 2>&1 || missing="$missing imagemagick"
command -v sox >/dev/null 2>&1 || missing="$missing sox"
[ -e /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] || missing="$missing fonts-dejavu-core"
[ -e /usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf ] || missing="$missing fonts-comfortaa"
if [ -n "$missing" ]; then
    echo "make-pictures: installing$missing"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    # shellcheck disable=SC2086 # one word per package
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

sh "$root/resources/make.sh"
for script in content/make-extras.sh content/make-drawings.sh; do
    if [ -f "$root/$script" ]; then
        bash "$root/$script"
    fi
done
