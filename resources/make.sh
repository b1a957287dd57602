#!/bin/sh
# Regenerates the program's built-in pictures (icons, button pictures, title)
# in resources/ from the drawings in resources/src/.
# Needs rsvg-convert (librsvg2-bin), python3-pil and fonts-comfortaa;
# scripts/make-pictures.sh installs them when missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
exec /usr/bin/python3 "$here/src/build.py"
