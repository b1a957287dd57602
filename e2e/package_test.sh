#!/usr/bin/env bash
# package_test.sh SOURCE_DIR BUILD_DIR WORK_DIR DRAG_SOURCE: the Debian package through a school's
# year. Built in a minimal Debian 12 (kept in BUILD_DIR/package-cache) with only the declared build
# dependencies, and lintian at the pedantic level. Installed into another, where two teachers of
# the group tamiro change drawings by hand, with tamiro-dibujo and in its window (a picture dropped
# from DRAG_SOURCE, a small program on this machine), and root switches printing on: reinstall,
# upgrade, remove and install keep every change, which a pupil's program shows (also from a
# read-only folder); purge keeps the teachers' files and says where. Then the same package installs
# into a minimal Debian 13, where it makes drawings and the pupil's program shows one.
set -euo pipefail
export LC_ALL=C
src=$1 work=$3 cache=$2/package-cache drag_source=$4 content=/var/lib/tamiro/contenido SECONDS=0
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
for path in share/man/es/man1/tamiro-dibujo.1.gz share/metainfo/org.tamiro.Tamiro.metainfo.xml \
    share/icons/hicolor/32x32/apps/org.tamiro.Tamiro.png \
    share/tamiro/translations/tamiro_ca.qm share/tamiro/translations/tamiro_ca@valencia.qm; do
  [ -e "$r/usr/$path" ] || fail "the package lacks /usr/$path"
done
! dpkg-deb -c "$deb" | grep -E '/src/|\.sh$' || fail "picture sources or scripts packaged"

for name in alumno maria ana; do in_root useradd -m $name; done
in_root adduser --quiet maria tamiro && in_root adduser --quiet ana tamiro
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 & pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
as_user() {  # as_user NAME: run=(...) runs a command of $r as NAME, with NAME's groups and umask 022, on the
  # test's X server, where no printer answers: a plain command, so that $! is the program's own process
  run=(chroot --userspec="$(in_root id -u "$1"):$(in_root id -g "$1")" --groups="$(in_root id -G "$1" | tr ' ' ,)"
       "$r" env -i PATH=/usr/bin:/bin HOME="/home/$1" LANG=C.UTF-8 DISPLAY="$DISPLAY" CUPS_SERVER=/nonexistent
       QT_LOGGING_RULES=tamiro.teacher.debug=true sh -c 'umask 022 && exec "$@"' -)
}
as_user alumno && pupil=("${run[@]}")
as_user maria && maria=("${run[@]}")
as_user ana && ana=("${run[@]}")
soon() { for _ in $(seq 100); do "$@" && return; sleep 0.1; done; false; }
windows() { [ "$(xdotool search --onlyvisible --pid "$1" | wc -l)" -eq "$2" ]; }
click() { xdotool mousemove "$1" "$2" click 1 mousemove 1 384; }
shown() {  # shown COLOUR: a teacher's own 200 x 150 drawing of that colour is on the screen
  [ "$(import -window root png:- | convert png:- -fill black +opaque "$1" -fill white -opaque "$1" \
       -format '%[fx:round(mean*w*h)]' info:)" -ge 30000 ]
}
strip() {  # strip OPERATION...: the percentage of white after OPERATIONs on the drawing area's middle strip
  import -window root -crop 360x48+332+319 png:- | convert png:- "$@" -format '%[fx:round(100*mean)]' info:
}
lines_alone() { [ "$(strip -fuzz 10% -fill black -opaque white -opaque black -fill white +opaque black)" -eq 0 ]; }
mostly() { [ "$(strip -fuzz "$2" -fill black +opaque "$1" -fill white -opaque "$1")" -ge 50 ]; }  # COLOUR FUZZ
reveals() {  # reveals COLOUR FUZZ: the drawing shows its lines alone, and a drag across its middle uncovers COLOUR
  soon lines_alone &&
    xdotool mousemove 300 343 mousedown 1 $(printf 'sleep 0.03 mousemove %d 343 ' $(seq 340 40 720)) mouseup 1 &&
    soon mostly "$1" "$2"
}
keys() {  # keys TITLE KEY...: the keys typed into the window whose title matches TITLE
  local id && id=$(xdotool search --onlyvisible --name "$1" | head -n1) && [ -n "$id" ] &&
    xdotool windowfocus --sync "$id" key --delay 80 "${@:2}"
}
tells() { grep -qsF "$2" "$work/$1.log"; }  # tells TEACHER TEXT: her window's log says TEXT
entry=$(sed -n 's/^Exec=//p' "$r/usr/share/applications/org.tamiro.Tamiro.Revisar.desktop")
"${pupil[@]}" $entry >"$work/revisar.log" 2>&1 & pids+=($!)  # as the desktop menu starts it
soon windows $! 1 && name=$(xdotool getwindowname "$(xdotool search --onlyvisible --pid $!)") &&
  [ "$name" = "Revisar los dibujos de Tamiro" ] || fail "the checker's window: \"${name:-}\""
kill $!

pictures=$work/pictures && mkdir "$pictures" && cd "$pictures"  # in colours of their own, to tell them apart
convert -size 200x150 xc:'#ff00ff' rosa.gif && convert -size 200x150 xc:'#00ffff' cian.gif
convert -size 200x150 xc:'#00c000' verde.gif
cat >recorte.svg <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="240" height="180"><g stroke="#000" stroke-width="5" fill="#f00">
<circle cx="120" cy="90" r="70"/><path d="M50 90h140M120 20v140"/></g></svg>
EOF
convert -size 240x180 xc:white -fill '#804000' -draw 'rectangle 20,20 140,160' -draw 'circle 170,90 220,90' plano.png
convert -size 400x300 -seed 3 plasma:'#ffd000-#ff8000' -attenuate 2 +noise gaussian foto.jpg
convert -size 240x180 xc:white -fill '#0000ff' -draw 'rectangle 20,20 220,160' -define webp:lossless=true azul.webp
cp ./* "$r/tmp/"
"${maria[@]}" sh -ec "cd $content/dibujos && for v in si no; do
  cp /tmp/rosa.gif \"1/\$v coloreado/1.gif\" && cp /tmp/cian.gif \"2/\$v coloreado/4.gif\"
  rm \"3/\$v coloreado/3.GIF\"; done" || fail "the teacher cannot change the content"
printf 'SI\r\n' >"$r/etc/tamiro/impresora.txt"

# The teachers' tools: maria adds an SVG clip art, a flat PNG and a photo with the command, then drops
# a WebP on the window as the menu starts it, moves it a place earlier and removes the PNG to her trash.
tools=$SECONDS
made=$("${maria[@]}" tamiro-dibujo --carpeta 2 /tmp/recorte.svg /tmp/plano.png /tmp/foto.jpg 2>"$work/dibujo.log")
[ "$made" = "$(printf 'dibujos/2/si coloreado/%s dibujos/2/no coloreado/%s.gif\n' 5.gif 5 6.gif 6 7.jpg 7)" ] ||
  fail "tamiro-dibujo said \"$made\"; $(cat "$work/dibujo.log")"
flat=$(cd "$r$content/dibujos/2" && md5sum ./*/6.gif | cut -d' ' -f1 | sort)
menu=$(sed -n 's/^Exec=\(.*\) %F$/\1/p' "$r/usr/share/applications/org.tamiro.Tamiro.Dibujos.desktop")
"${maria[@]}" $menu --carpeta 2 >"$work/maria.log" 2>&1 & window=$! && pids+=($!)
"$drag_source" 940 690 /tmp/azul.webp & source=$! && pids+=($!)  # a path in $r, where the window reads it
soon windows $source 1 && soon windows $window 1 && tells maria "carpeta 2: Todo en orden" || fail "no window: maria"
xdotool mousemove --sync 980 730 mousedown 1 $(printf 'sleep 0.2 mousemove --sync %s %s ' 900 600 700 400 500 300) \
  sleep 0.2 mouseup 1
soon tells maria "hecha en" && keys '^Añadir' alt+g && soon tells maria "enseña 8 dibujos: 1 a 8" ||
  fail "the dropped picture is not drawing 8: $(cat "$work/maria.log")"
keys '^Dibujos de Tamiro$' End ctrl+Left && soon tells maria "el dibujo 8 pasa al puesto 7" &&
  keys '^Dibujos de Tamiro$' Home Right Right Right Right Right Delete && soon keys '^Quitar el dibujo$' Return &&
  soon tells maria "el dibujo 6 va a la papelera" || fail "no move and removal: $(cat "$work/maria.log")"
kill $window $source
trash=$r/home/maria/.local/share/Trash
[ "$(cd "$trash/files" && md5sum ./* | cut -d' ' -f1 | sort)" = "$flat" ] && [ "$(ls "$trash/info" | wc -l)" = 2 ] ||
  fail "the removed drawing's files are not in the teacher's trash"
# ana copies her own picture over a drawing the tools made (group-writable, so she may), and in the
# window moves one that maria copied by hand, whose files only maria may write.
"${ana[@]}" sh -ec "for v in si no; do cp /tmp/verde.gif \"$content/dibujos/2/\$v coloreado/5.gif\"; done" ||
  fail "another teacher cannot replace a drawing the tools made"
"${ana[@]}" $menu --carpeta 2 >"$work/ana.log" 2>&1 & window=$! && pids+=($!)
soon windows $window 1 && keys '^Dibujos de Tamiro$' Home Right Right Right ctrl+Right &&
  soon tells ana "el dibujo 4 pasa al puesto 5" || fail "ana cannot move drawing 4: $(cat "$work/ana.log")"
kill $window
echo "the teachers' tools in $((SECONDS - tools)) s"

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
checks() {  # checks STEP N: the pupil's tamiro-revisar --texto finds N drawings in folder 2, and all in order
  "${pupil[@]}" tamiro-revisar --texto >"$work/revisar.txt" && grep -qF "el botón 2 enseña $2 dibujos: 1 a $2" \
    "$work/revisar.txt" && tail -n1 "$work/revisar.txt" | grep -q '^Todo en orden' ||
    { cat "$work/revisar.txt"; fail "$1: tamiro-revisar"; }
}
as_left() {  # as_left STEP [CHECK...]: the content and the switch as they were left, and the pupil sees them:
  # drawing 1 of folder 1, then back from folder 2's last the drawings that pass each CHECK, and printing on
  local step=$1 n=7 check
  shift
  unchanged "$step"
  sees_drawing_1 "$step"
  click 723 724 && click 723 724 && click 723 724 && click 493 703  # the largest brush, folder 2
  for check in "${@:-reveals #e3a11f 25%}"; do  # by default its last alone, the photo
    click 268 724 && $check || fail "$step: drawing $n of folder 2 fails: $check"
    n=$((n - 1))
  done
  windows $pid 1 && click 405 724 && soon windows $pid 2 ||  # a printer's message, so printing is on
    fail "$step: the print button does not try to print"
  kill $pid
  checks "$step" 7
}
as_left "the teachers' changes" "reveals #e3a11f 25%" "reveals #0000ff 10%" "soon shown #00ffff" "soon shown #00c000"
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
left=$(cd "$r$content" && find . -type f | sort)
[ "$left" = "$(printf './dibujos/%s\n' {1/no,1/si}' coloreado/1.gif' 2/no' coloreado/'{4,5,6,7}.gif \
   2/si' coloreado/'{4,5,6}.gif '2/si coloreado/7.jpg')" ] || fail "purging left $left, not the teachers' files alone"
[ ! -e "$r/etc/tamiro" ] || fail "purging left the printing switch"
echo "built, installed, reinstalled, upgraded, removed, installed and purged in ${SECONDS} s"

# The same package in Debian 13, installed with apt, with the teacher's drawing and two made there.
fresh_root trixie "$work/debian13-root" && cp "$deb" "$r/tmp/tamiro.deb" && with_x
logged "${apt[@]}" update
logged "${apt[@]}" install /tmp/tamiro.deb
in_root useradd -m alumno && as_user alumno && pupil=("${run[@]}") && cp "$pictures"/* "$r/tmp/"
for v in si no; do cp "$r/tmp/rosa.gif" "$r$content/dibujos/1/$v coloreado/1.gif"; done
[ "$(in_root tamiro-dibujo --carpeta 2 /tmp/azul.webp /tmp/recorte.svg 2>"$work/dibujo.log" | wc -l)" = 2 ] ||
  fail "Debian 13: tamiro-dibujo: $(cat "$work/dibujo.log")"
sees_drawing_1 "Debian 13" && kill $pid && checks "Debian 13" 5
echo "installed and shown in Debian 13 too; ${SECONDS} s in all"
