#!/usr/bin/env bash
# tamiro-dibujo through the real command: a picture that goes in prints its
# pair; each picture it refuses, and each folder it cannot write (read-only,
# not the teacher's, full), gives a Spanish line naming the picture and why,
# exit status 1, nothing written and no hang. The mounts and the other user
# need root; without it those cases are skipped (exit 77).
# Usage: dibujo_refusals.sh PROGRAM SOURCE_DIR WORK_DIR
set -uo pipefail
program=$1 source=$2 work=$3
passed=0 failed=0 skipped=0
mounts=()
cleanup() { for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done; }
trap cleanup EXIT
rm -rf "$work" && mkdir -p "$work" && chmod 755 "$work"

# A content folder with drawing 1 of folder 1, open to every user.
content() {
  mkdir -p "$1/dibujos/1" && cp -r "$source/content/dibujos/1/." "$1/dibujos/1/" && chmod -R a+rX "$1"
}
listing() { (cd "$1" && find . -printf '%p %s %m\n' | sort); }

# case NAME CONTENT EXPECTED_STATUS WORDS [RUNNER...] -- PICTURE...: runs the
# command, bounded in time; a refusal must leave CONTENT as it was.
case_() {
  local name=$1 folder=$2 want=$3 words=$4; shift 4
  local runner=(); while [ "$1" != -- ]; do runner+=("$1"); shift; done; shift
  local before; before=$(listing "$folder")
  timeout 60 "${runner[@]}" "$program" --carpeta 1 --contenido "$folder" "$@" \
    >"$work/out" 2>"$work/err"
  local status=$? problem=
  [ $status = 124 ] && problem="no answer in 60 s"
  [ -z "$problem" ] && [ $status != "$want" ] && problem="exit status $status, not $want"
  [ -z "$problem" ] && ! grep -q -- "$words" "$work/err" "$work/out" && problem="no «$words»"
  if [ -z "$problem" ] && [ "$want" != 0 ]; then
    grep -q "^No añado «$1»: " "$work/err" || problem="no line naming «$1»"
    [ "$(listing "$folder")" = "$before" ] || problem="something was written"
    [ -s "$work/out" ] && problem="a pair was printed"
  fi
  if [ -n "$problem" ]; then
    failed=$((failed + 1)); echo "FAILED $name: $problem"; cat "$work/out" "$work/err"
  else
    passed=$((passed + 1)); echo "ok $name"; grep -v XDG_RUNTIME "$work/err"
  fi
}
skip() { skipped=$((skipped + 1)); echo "skipped $1: $2"; }

content "$work/c"
echo 'ni una imagen' >"$work/texto.png"
mkfifo "$work/tuberia"
# A PNG whose header promises 20000 x 20000 pixels, checksums valid, with
# the data of one pixel.
python3 - "$work/enorme.png" <<'EOF'
import struct, sys, zlib
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
header = struct.pack(">IIBBBBB", 20000, 20000, 8, 2, 0, 0, 0)
open(sys.argv[1], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                              + chunk(b"IDAT", zlib.compress(b"\0\0\0\0")) + chunk(b"IEND", b""))
EOF
svg() {
  printf '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="100" height="100"><image xlink:href="%s" width="100" height="100"/></svg>\n' "$2" >"$1"
}
svg "$work/enlaza.svg" "file:///etc/passwd"
svg "$work/tuberia.svg" "$work/tuberia"
picture=$source/content/src/dibujos/1-1.svg

case_ "a picture goes in" "$work/c" 0 "^dibujos/1/si coloreado/4.gif dibujos/1/no coloreado/4.gif$" -- "$picture"
case_ "not a picture" "$work/c" 1 "no es una imagen" -- "$work/texto.png"
case_ "a 20000 x 20000 PNG" "$work/c" 1 "20000 × 20000" -- "$work/enorme.png"
case_ "an SVG linking a file" "$work/c" 1 "enlaza con" -- "$work/enlaza.svg"
case_ "an SVG linking a FIFO" "$work/c" 1 "enlaza con" -- "$work/tuberia.svg"
case_ "a FIFO" "$work/c" 1 "no encuentro" -- "$work/tuberia"

if [ "$(id -u)" != 0 ] || ! mount -t tmpfs -o size=1m tmpfs "$work" 2>/dev/null; then
  for c in "a read-only folder" "a folder without permission" "a full disk"; do
    skip "$c" "needs root and mounts"
  done
else
  mounts+=("$work")
  # The work folder is a tmpfs of its own from here on.
  chmod 755 "$work" && content "$work/c"
  cp "$picture" "$work/dibujo.svg" && chmod 644 "$work/dibujo.svg"

  # A server's share, mounted read-only on a pupil's computer.
  mkdir "$work/ro" && mount --bind "$work/c" "$work/ro" && mounts=("$work/ro" "${mounts[@]}") &&
    mount -o remount,bind,ro "$work/ro"
  case_ "a read-only folder" "$work/ro" 1 "sólo lectura" -- "$work/dibujo.svg"

  # A teacher outside the folder's group.
  chgrp -R users "$work/c" && find "$work/c" -type d -exec chmod 2775 {} +
  nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups env -i HOME=/nonexistent
          PATH=/usr/bin:/bin)
  if "${nobody[@]}" test -x "$program"; then
    case_ "a folder without permission" "$work/c" 1 "sudo adduser nobody users" "${nobody[@]}" \
      -- "$work/dibujo.svg"
  else
    skip "a folder without permission" "nobody cannot run $program"
  fi

  # A full disk: the drawing's folders are there, the space is not.
  dd if=/dev/zero of="$work/relleno" bs=4k 2>/dev/null
  case_ "a full disk" "$work/c" 1 "está lleno" -- "$work/dibujo.svg"
fi

echo "$passed passed, $failed failed, $skipped skipped"
[ $failed = 0 ] || exit 1
[ $skipped = 0 ] || exit 77
