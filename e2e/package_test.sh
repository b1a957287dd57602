#!/usr/bin/env bash
# package_test.sh SOURCE_DIR BUILD_DIR WORK_DIR: the Debian package through a school's year.
# Built in a minimal Debian 12 (kept in BUILD_DIR/package-cache) with only the declared build
# dependencies, and lintian at the pedantic level. Installed into another, where a teacher of
# the group tamiro changes drawings and root switches printing on: reinstall, upgrade, remove
# and install keep every change, which a pupil's program shows (also from a read-only folder);
# purge keeps the teacher's files and says where. Then the same package installs into a
# minimal Debian 13, where the pupil's program shows a drawing.
set -euo pipefail
export LC_ALL=C
src=$1 work=$3 cache=$2/package-cache content=/var/lib/tamiro/contenido SECONDS=0
source "$(dirname "$0")/minimal_debian.sh"
command -v lintian >/dev/null || fail "no lintian (install-deps.sh)"

fresh_root bookworm "$work/build-root" && copy_source
logged "${apt[@]}" update
logged "${apt[@]}" build-dep /src/tamiro  # with build-essential
in_root useradd builder && in_root chown -R builder: /src
logged in_root runuser -u builder -- sh -c 'cd /src/tamiro && dpkg-buildpackage -b -us -uc'
cp "$r"/src/tamiro*.deb "$r"/src/*.changes "$r"/src/*.buildinfo "$work/"
echo "built with dpkg-buildpackage in a minimal Debian 12 in ${SECONDS} s"
lintian -I --pedantic --fail-on error,warning,info,pedantic "$work"/*.changes || fail "lintian's tags"

deb=$(ls "$work"/tamiro_*.deb) next=$work/next  # the next version, with a changed sample
dpkg-deb -R "$deb" "$next" && sed -i 's/^Version: .*/&+1/' "$next/DEBIAN/control"
cp "$next"/usr/share/tamiro/muestra/animados/{2,1}.gif
(cd "$next" && find usr -type f -exec md5sum {} + >DEBIAN/md5sums)
dpkg-deb -b --root-owner-group "$next" "$work/next.deb" >/dev/null

with_x() {  # this machine's X in $r
  mkdir -p /tmp/.X11-unix "$r/tmp/.X11-unix" && chmod 1777 /tmp/.X11-unix &&
    mount --bind /tmp/.X11-unix "$r/tmp/.X11-unix"
}
fresh_root bookworm "$work/root" && cp "$deb" "$r/tmp/tamiro.deb" && cp "$work/next.deb" "$r/tmp/" && with_x
logged "${apt[@]}" update
logged "${apt[@]}" install /tmp/tamiro.deb
for path in share/man/es/man1/tamiro.1.gz share/metainfo/org.tamiro.Tamiro.metainfo.xml \
    share/applications/org.tamiro.Tamiro.Revisar.desktop share/icons/hicolor/32x32/apps/org.tamiro.Tamiro.png \
    share/tamiro/translations/tamiro_ca.qm share/tamiro/translations/tamiro_ca@valencia.qm; do
  [ -e "$r/usr/$path" ] || fail "the package lacks /usr/$path"
done
! dpkg-deb -c "$deb" | grep -E '/src/|\.sh$' || fail "picture sources or scripts packaged"

in_root useradd -m alumno && in_root useradd -m maria && in_root adduser --quiet maria tamiro
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 & pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
pupil_of_root() {  # the pupil of $r: a plain command, so that $! is the program's own process
  pupil=(chroot --userspec="$(in_root id -u alumno):$(in_root id -g alumno)" "$r" env -i PATH=/usr/bin:/bin
         HOME=/home/alumno LANG=C.UTF-8 DISPLAY="$DISPLAY" CUPS_SERVER=/nonexistent)  # no printer answers
}
pupil_of_root
soon() { for _ in $(seq 100); do "$@" && return; sleep 0.1; done; false; }
windows() { [ "$(xdotool search --onlyvisible --pid "$1" | wc -l)" -eq "$2" ]; }
click() { xdotool mousemove "$1" "$2" click 1 mousemove 1 384; }
shown() {  # shown COLOUR: the teacher's 200 x 150 drawing of that colour is on the screen
  [ "$(import -window root png:- | convert png:- -fill black +opaque "$1" -fill white -opaque "$1" \
       -format '%[fx:round(mean*w*h)]' info:)" -ge 30000 ]
}
entry=$(sed -n 's/^Exec=//p' "$r/usr/share/applications/org.tamiro.Tamiro.Revisar.desktop")
"${pupil[@]}" $entry >"$work/revisar.log" 2>&1 & pids+=($!)  # as the desktop menu starts it
soon windows $! 1 && name=$(xdotool getwindowname "$(xdotool search --onlyvisible --pid $!)") &&
  [ "$name" = "Revisar los dibujos de Tamiro" ] || fail "the checker's window: \"${name:-}\""
kill $!

convert -size 200x150 xc:'#ff00ff' "$work/rosa.gif" && convert -size 200x150 xc:'#00ffff' "$work/cian.gif"
cp "$work"/{rosa,cian}.gif "$r/tmp/"
in_root runuser -u maria -- sh -ec "cd $content/dibujos && for v in si no; do
  cp /tmp/rosa.gif \"1/\$v coloreado/1.gif\" && cp /tmp/cian.gif \"2/\$v coloreado/4.gif\"
  rm \"3/\$v coloreado/3.GIF\"; done" || fail "the teacher cannot change the content"
printf 'SI\r\n' >"$r/etc/tamiro/impresora.txt"
state() { cd "$r$content" && find . -printf '%M %U:%G %p\n' | sort && find . -type f -exec md5sum {} + | sort &&
          cat "$r/etc/tamiro/impresora.txt"; }
expected=$(state)
unchanged() { [ "$(state)" = "$expected" ] || fail "$1 changed the content:$(diff <(echo "$expected") <(state))"; }
sees_drawing_1() {  # sees_drawing_1 STEP: the pupil's program (pid) starts and shows the teacher's drawing 1
  "${pupil[@]}" tamiro >"$work/tamiro.log" 2>&1 &
  pid=$! && pids+=($!)
  soon windows $pid 1 && click 336 724 && soon shown '#ff00ff' ||  # the next drawing: 1 of folder 1
    fail "$1: the teacher's drawing 1 of folder 1 is not shown"
}
checks() {  # checks STEP: the pupil's tamiro-revisar --texto runs
  "${pupil[@]}" tamiro-revisar --texto >"$work/revisar.txt" || { cat "$work/revisar.txt"; fail "$1: tamiro-revisar"; }
}
as_left() {  # as_left STEP: the content and the switch as they were left, and the pupil sees them
  unchanged "$1"
  sees_drawing_1 "$1"
  click 493 703 && click 268 724 && soon shown '#00ffff' ||  # folder 2, then back to its last
    fail "$1: the teacher's drawing 4 of folder 2 is not shown"
  windows $pid 1 && click 405 724 && soon windows $pid 2 ||  # a printer's message, so printing is on
    fail "$1: the print button does not try to print"
  kill $pid
  checks "$1"
}
as_left "the teacher's changes"
logged "${apt[@]}" install --reinstall /tmp/tamiro.deb
logged in_root dpkg -i /tmp/tamiro.deb
as_left "reinstalling"
logged "${apt[@]}" install /tmp/next.deb
[ "$(in_root dpkg-query -W -f '${Version}' tamiro)" = "$(dpkg-deb -f "$work/next.deb" Version)" ] || fail "no upgrade"
as_left "upgrading"
logged "${apt[@]}" remove tamiro
[ ! -e "$r/usr/bin/tamiro" ] && [ ! -e "$r/usr/lib/tamiro" ] || fail "removing the package left the program behind"
unchanged "removing"
logged "${apt[@]}" install /tmp/next.deb
mount --bind "$r$content" "$r$content" && mount -o remount,bind,ro "$r$content"
! in_root runuser -u maria -- touch "$content/x" 2>/dev/null || fail "the content folder is not read-only"
logged in_root dpkg -i /tmp/next.deb
as_left "installing again, on a read-only content folder"
umount "$r$content"

said=$("${apt[@]}" purge tamiro 2>&1) || { echo "$said"; fail "purging"; }
grep -F "$content" <<<"$said" || fail "purging did not say where the teacher's files are"
left=$(cd "$r$content" && find . -type f | sort | tr '\n' ,)
[ "$left" = "./dibujos/1/no coloreado/1.gif,./dibujos/1/si coloreado/1.gif,./dibujos/2/no coloreado/4.gif,\
./dibujos/2/si coloreado/4.gif," ] || fail "purging left $left, not the teacher's files alone"
[ ! -e "$r/etc/tamiro" ] || fail "purging left the printing switch"
echo "built, installed, reinstalled, upgraded, removed, installed and purged in ${SECONDS} s"

# The same package in Debian 13, installed with apt, with the teacher's drawing.
fresh_root trixie "$work/debian13-root" && cp "$deb" "$r/tmp/tamiro.deb" && with_x
logged "${apt[@]}" update
logged "${apt[@]}" install /tmp/tamiro.deb
in_root useradd -m alumno && pupil_of_root
for v in si no; do cp "$work/rosa.gif" "$r$content/dibujos/1/$v coloreado/1.gif"; done
sees_drawing_1 "Debian 13" && kill $pid && checks "Debian 13"
echo "installed and shown in Debian 13 too; ${SECONDS} s in all"
