#!/usr/bin/env bash
# The Debian package: built with CPack, checked with lintian (no error, no
# warning), installed with apt into a minimal Debian 12 (debootstrap's
# minbase, not this machine, whose many packages could hide a missing
# dependency), and both programs started there as an ordinary user on an X
# server of this machine whose socket the minimal system shares; then removed.
#   package_test.sh BUILD_DIR WORK_DIR
# The minimal system and the packages apt fetches for it are kept in
# BUILD_DIR/package-cache, so only the first run downloads them.
set -euo pipefail
build=$1 work=$2
if [ "$(id -u)" -ne 0 ]; then
  echo "a minimal system needs root: skipped"
  exit 77
fi
for tool in debootstrap lintian Xvfb xdotool desktop-file-validate; do
  command -v $tool >/dev/null || { echo "FAILED: $tool is missing (scripts/install-deps.sh)"; exit 1; }
done
cache=$build/package-cache root=$work/debian12
SECONDS=0

# Whatever a previous run left mounted under the minimal system goes first.
unmount_all() {
  local mounts
  mounts=$(awk -v r="$root/" 'index($2 "/", r) == 1 {print $2}' /proc/mounts | sort -r)
  for m in $mounts; do umount "$m" 2>/dev/null || umount -l "$m"; done
}
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  unmount_all
  if ! grep -qF " $root/" /proc/mounts; then rm -rf --one-file-system "$root"; fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM
unmount_all
rm -rf --one-file-system "$work" && mkdir -p "$work" "$cache/archives/partial"

# The package and Debian's own checks of it.
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/tamiro_*.deb)
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) kB) in ${SECONDS} s"
dpkg-deb -f "$deb" Package Version Maintainer Depends
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/tamiro ./usr/bin/tamiro-revisar ./usr/lib/tamiro/tamiro \
            ./usr/lib/tamiro/tamiro-revisar ./usr/lib/tamiro/fondo.gif \
            "./usr/lib/tamiro/dibujos/1/no coloreado/1.gif" \
            ./usr/share/doc/tamiro/copyright ./usr/share/doc/tamiro/changelog.gz \
            ./usr/share/man/es/man1/tamiro.1.gz ./usr/share/man/es/man1/tamiro-revisar.1.gz \
            ./usr/share/applications/org.tamiro.Tamiro.desktop \
            ./usr/share/applications/org.tamiro.Tamiro.Revisar.desktop \
            ./usr/share/metainfo/org.tamiro.Tamiro.metainfo.xml \
            ./usr/share/icons/hicolor/32x32/apps/org.tamiro.Tamiro.png; do
  grep -qF -- " $path" <<<"$contents" || { echo "FAILED: the package lacks $path"; exit 1; }
done
if grep -E '/src/|\.sh$' <<<"$contents"; then
  echo "FAILED: the package holds picture sources or scripts"; exit 1
fi
status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'root privileges' "$work/lintian.log" || true
if [ "$status" -ne 0 ] || grep -q '^[EW]:' "$work/lintian.log"; then
  echo "FAILED: lintian reports errors or warnings"; exit 1
fi
dpkg-deb -x "$deb" "$work/unpacked"
desktop-file-validate "$work/unpacked/usr/share/applications/org.tamiro.Tamiro.Revisar.desktop"
echo "lintian and desktop-file-validate accept it (${SECONDS} s)"

# The minimal Debian 12, from the mirror this machine's apt uses.
if [ ! -s "$cache/bookworm-minbase.tar" ]; then
  mirror=$( { awk '$1 == "deb" { i = 2; if ($2 ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                                 if ($(i + 1) == "bookworm") { print $i; exit } }' \
                /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null
              awk 'BEGIN { RS = "" } /Suites:[^\n]*[ \t]bookworm([ \t\n]|$)/ && !/Enabled: *no/ {
                     if (match($0, /URIs:[ \t]*[^ \t\n]+/)) { u = substr($0, RSTART, RLENGTH)
                       sub(/URIs:[ \t]*/, "", u); print u; exit } }' \
                /etc/apt/sources.list.d/*.sources 2>/dev/null; } | head -n1)
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "making a minimal Debian 12 from $mirror"
  debootstrap --variant=minbase bookworm "$work/fresh" "$mirror" >"$work/debootstrap.log" 2>&1 || {
    tail -n 30 "$work/debootstrap.log"; exit 1; }
  tar -C "$work/fresh" -cf "$cache/bookworm-minbase.tar.part" . && rm -rf "$work/fresh"
  mv "$cache/bookworm-minbase.tar.part" "$cache/bookworm-minbase.tar"
fi
mkdir -p "$root" && tar -C "$root" -xf "$cache/bookworm-minbase.tar"
echo "minimal system ready (${SECONDS} s)"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
# The X sockets of this machine (the folder may not exist before the first X
# server starts).
mkdir -p /tmp/.X11-unix "$root/tmp/.X11-unix" && chmod 1777 /tmp/.X11-unix
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

cp "$deb" "$root/tmp/tamiro.deb"
apt=(apt-get -y -q -o APT::Sandbox::User=root -o Dpkg::Use-Pty=0)
{ in_root "${apt[@]}" update && in_root env DEBIAN_FRONTEND=noninteractive \
    "${apt[@]}" install --no-install-recommends /tmp/tamiro.deb; } >"$work/apt.log" 2>&1 || {
  tail -n 40 "$work/apt.log"; exit 1; }
echo "installed with $(grep -c '^Unpacking' "$work/apt.log") packages (${SECONDS} s)"

# An ordinary user, on a private X server of this machine.
in_root useradd -m alumno
user=$(in_root id -u alumno):$(in_root id -g alumno)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
# A plain command, not a function, so that a program started in the
# background keeps the process id that $! gives.
as_user=(chroot --userspec="$user" "$root" env -i PATH=/usr/bin:/bin HOME=/home/alumno
         LANG=C.UTF-8 DISPLAY="$DISPLAY")
# Waits for the program's one visible window; a second one would be a
# message box.
window_of() {
  local pid=$1 log=$2 windows=""
  for _ in $(seq 150); do
    windows=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true)
    [ -n "$windows" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "FAILED: it ended"; cat "$log"; return 1; }
    sleep 0.2
  done
  [ -n "$windows" ] || { echo "FAILED: no window"; cat "$log"; return 1; }
  sleep 2
  windows=$(xdotool search --onlyvisible --pid "$pid")
  [ "$(wc -l <<<"$windows")" -eq 1 ] || { echo "FAILED: more than one window"; cat "$log"; return 1; }
  xdotool getwindowname "$windows"
}

"${as_user[@]}" tamiro >"$work/tamiro.log" 2>&1 &
pids+=($!)
echo "tamiro shows its window: $(window_of "${pids[-1]}" "$work/tamiro.log")"
import -window root "$work/screen.png"
colours=$(identify -format '%k' "$work/screen.png")
[ "$colours" -gt 100 ] || { echo "FAILED: the screen shows only $colours colours"; exit 1; }
kill "${pids[-1]}"

status=0
"${as_user[@]}" tamiro-revisar --texto >"$work/revisar.txt" 2>&1 || status=$?
[ "$status" -eq 0 ] && tail -n1 "$work/revisar.txt" | grep -q '^Todo en orden' || {
  echo "FAILED: tamiro-revisar on the installed content (status $status)"; cat "$work/revisar.txt"; exit 1; }
echo "tamiro-revisar --texto: $(tail -n1 "$work/revisar.txt")"
# As the desktop menu starts it.
entry=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.tamiro.Tamiro.Revisar.desktop")
"${as_user[@]}" $entry >"$work/revisar.log" 2>&1 &
pids+=($!)
name=$(window_of "${pids[-1]}" "$work/revisar.log")
[ "$name" = "Revisar los dibujos de Tamiro" ] || { echo "FAILED: window \"$name\""; exit 1; }
echo "$entry shows its window: $name"
kill "${pids[-1]}"

in_root "${apt[@]}" remove tamiro >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
if [ -e "$root/usr/bin/tamiro" ] || [ -e "$root/usr/lib/tamiro" ]; then
  echo "FAILED: removing the package left the program behind"; exit 1
fi
echo "installed, started and removed in a minimal Debian 12 in ${SECONDS} s"
