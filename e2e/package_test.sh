#!/usr/bin/env bash
# package_test.sh BUILD_DIR WORK_DIR: the .deb built with CPack, checked with lintian,
# installed with apt into a minimal Debian 12 (debootstrap's minbase, kept with apt's
# downloads in BUILD_DIR/package-cache), both programs started there as an ordinary
# user on an X server of this machine, then removed.
set -euo pipefail
build=$1 work=$2 cache=$1/package-cache root=$2/debian12 pids=() SECONDS=0
[ "$(id -u)" -eq 0 ] || { echo "a minimal system needs root: skipped"; exit 77; }
command -v debootstrap >/dev/null && command -v lintian >/dev/null || {
  echo "FAILED: debootstrap or lintian is missing (scripts/install-deps.sh)"; exit 1; }
unmount_all() {  # whatever is mounted under the minimal system, deepest first
  awk -v r="$root/" 'index($2 "/", r) == 1 {print $2}' /proc/mounts | sort -r | xargs -r -n1 umount -l
}
cleanup() {
  set +e
  kill "${pids[@]}" 2>/dev/null
  wait
  unmount_all && rm -rf --one-file-system "$root"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
unmount_all
rm -rf --one-file-system "$work" && mkdir -p "$work" "$cache/archives/partial"

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/tamiro_*.deb)
contents=$(dpkg-deb -c "$deb")
for path in share/man/es/man1/tamiro.1.gz share/metainfo/org.tamiro.Tamiro.metainfo.xml \
    share/applications/org.tamiro.Tamiro.Revisar.desktop share/icons/hicolor/32x32/apps/org.tamiro.Tamiro.png; do
  grep -qF " ./usr/$path" <<<"$contents" || { echo "FAILED: the package lacks /usr/$path"; exit 1; }
done
! grep -E '/src/|\.sh$' <<<"$contents" || { echo "FAILED: picture sources or scripts packaged"; exit 1; }
lintian --fail-on error,warning "$deb" || { echo "FAILED: lintian reports errors or warnings"; exit 1; }

if [ ! -s "$cache/bookworm-minbase.tar" ]; then  # from the mirror this machine's apt uses
  mirror=$(apt-cache policy | awk '$3 == "bookworm/main" {print $2; exit}')
  debootstrap --variant=minbase bookworm "$work/fresh" "${mirror:-http://deb.debian.org/debian}" \
    >"$work/debootstrap.log" 2>&1 || { tail -n 30 "$work/debootstrap.log"; exit 1; }
  tar -C "$work/fresh" -cf "$cache/minbase.part" . && mv "$cache/minbase.part" "$cache/bookworm-minbase.tar"
fi
mkdir -p "$root" && tar -C "$root" -xf "$cache/bookworm-minbase.tar"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
mkdir -p /tmp/.X11-unix "$root/tmp/.X11-unix" && chmod 1777 /tmp/.X11-unix  # this machine's X
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
cp /etc/resolv.conf "$root/etc/resolv.conf" && cp "$deb" "$root/tmp/tamiro.deb"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
apt=(apt-get -y -q -o APT::Sandbox::User=root -o Dpkg::Use-Pty=0)
{ in_root "${apt[@]}" update && in_root "${apt[@]}" install --no-install-recommends /tmp/tamiro.deb; } \
  >"$work/apt.log" 2>&1 || { tail -n 40 "$work/apt.log"; exit 1; }
echo "installed with $(grep -c '^Unpacking' "$work/apt.log") packages (${SECONDS} s)"

in_root useradd -m alumno
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
# A plain command, not a function, so that $! is the program's own process.
as_user=(chroot --userspec="$(in_root id -u alumno):$(in_root id -g alumno)" "$root"
         env -i PATH=/usr/bin:/bin HOME=/home/alumno LANG=C.UTF-8 DISPLAY="$DISPLAY")
window_of() {  # the name of the program's one window (a second would be a message box)
  for _ in $(seq 150); do xdotool search --onlyvisible --pid "$1" >/dev/null && break; sleep 0.2; done
  sleep 2
  windows=$(xdotool search --onlyvisible --pid "$1") && [ "$(wc -l <<<"$windows")" -eq 1 ] || {
    echo "FAILED: no window or more than one" >&2; cat "$2" >&2; return 1; }
  xdotool getwindowname "$windows"
}
"${as_user[@]}" tamiro >"$work/tamiro.log" 2>&1 &
pids+=($!)
window_of $! "$work/tamiro.log"
colours=$(import -window root png:- | identify -format '%k' -)
[ "$colours" -gt 100 ] || { echo "FAILED: the screen shows only $colours colours"; exit 1; }
"${as_user[@]}" tamiro-revisar --texto >"$work/revisar.txt" 2>&1 && tail -n1 "$work/revisar.txt" |
  grep '^Todo en orden' || { echo "FAILED: tamiro-revisar --texto"; cat "$work/revisar.txt"; exit 1; }
entry=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.tamiro.Tamiro.Revisar.desktop")
"${as_user[@]}" $entry >"$work/revisar.log" 2>&1 &  # as the desktop menu starts it
pids+=($!)
name=$(window_of $! "$work/revisar.log")
[ "$name" = "Revisar los dibujos de Tamiro" ] || { echo "FAILED: window \"$name\""; exit 1; }

in_root "${apt[@]}" remove tamiro >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
[ ! -e "$root/usr/bin/tamiro" ] && [ ! -e "$root/usr/lib/tamiro" ] || {
  echo "FAILED: removing the package left the program behind"; exit 1; }
echo "installed, started and removed in a minimal Debian 12 in ${SECONDS} s"
