#!/usr/bin/env bash
# Installs the Debian 12 packages Tamiro needs to build, run and be tested.
# Run as root. Packages already present are left as they are.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config qt6-base-dev libcanberra-dev qt6-translations-l10n
  libgtest-dev libbenchmark-dev clang-format clang-tidy libxcb1-dev zlib1g-dev
  # the catalogues of the program's texts: Qt's LinguistTools (lupdate, lrelease)
  qt6-tools-dev qt6-l10n-tools
  # the drawing maker: Qt's SVG module, the palette quantiser, the GIF writer,
  # and Qt's WebP reader
  qt6-svg-dev libimagequant-dev libgif-dev qt6-image-formats-plugins
  # running: Qt's platform plugins (X11 and Wayland), the sound server backend of libcanberra
  qt6-qpa-plugins qt6-wayland libcanberra-pulse
  # tests: Qt's SVG reader (the program never uses it: the hostile-content tests
  # show that with it installed), a real X server, two window managers with
  # panels, a Wayland compositor, sound device and printer
  libqt6svg6 xvfb xauth xdotool x11-utils imagemagick pulseaudio pulseaudio-utils sox
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils ghostscript
  python3 python3-pytest python3-pil python3-numpy openbox tint2
  xfwm4 xfce4-panel dbus-daemon weston
  # packaging: the .deb, Debian's checks of it, its desktop entries and metadata,
  # and the minimal Debian 12 it is installed into
  dpkg-dev file lintian appstream desktop-file-utils debootstrap
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
