#!/usr/bin/env bash
# Installs the Debian packages Tamiro needs, on Debian 12 or 13: by default everything to
# build, run and test it; `install-deps.sh unit` only what building and the unit tests need.
# Run as root. Packages already present are left as they are.
set -euo pipefail

unit=(
  # build (the tests included, the benchmarks not)
  cmake ninja-build g++ pkg-config qt6-base-dev libcanberra-dev libxcb1-dev libgtest-dev zlib1g-dev
  # the catalogues of the programs' texts: Qt's LinguistTools (lupdate, lrelease), and the
  # tests' checks of them
  qt6-tools-dev qt6-l10n-tools python3
  # the drawing maker: Qt's SVG module, the palette quantiser, the GIF writer,
  # and Qt's WebP reader
  qt6-svg-dev libimagequant-dev libgif-dev qt6-image-formats-plugins
  # the unit tests: Qt's SVG reader (the program never uses it: the hostile-content tests show
  # that with it installed), the sound library's backend, and the PulseAudio daemon and
  # recorder the sound test plays into (on Debian 13 too, where the desktop runs PipeWire)
  libqt6svg6 libcanberra-pulse pulseaudio pulseaudio-utils
)
rest=(
  # benchmarks and style
  libbenchmark-dev clang-format clang-tidy
  # running: Qt's own Spanish, Qt's platform plugins (X11 and Wayland)
  qt6-translations-l10n qt6-qpa-plugins qt6-wayland
  # tests: a real X server, two window managers with panels, a Wayland compositor, sound
  # tools and printer
  xvfb xauth xdotool x11-utils imagemagick sox
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils ghostscript
  python3 python3-pytest python3-pil python3-numpy openbox tint2
  xfwm4 xfce4-panel dbus-daemon weston
  # packaging: the .deb, Debian's checks of it, its desktop entries and metadata,
  # and the minimal Debian systems it is built and installed in
  dpkg-dev file lintian appstream desktop-file-utils debootstrap
)
case ${1:-} in
  '') packages=("${unit[@]}" "${rest[@]}") ;;
  unit) packages=("${unit[@]}") ;;
  *) echo "usage: $0 [unit]" >&2; exit 2 ;;
esac

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
