# Minimal Debian systems for the tests that build or install in one; sourced by package_test.sh
# and debian13_test.sh, which set src (the checkout), work (their own folder, emptied here) and
# cache (kept between runs). The cache holds one debootstrap minbase tar and one apt archive
# cache per release, which tests running at the same time share: each is made or used under
# that release's lock, since apt refuses to share an archive cache.
pids=()
fail() { echo "FAILED: $*"; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "a minimal system needs root: skipped"; exit 77; }
command -v debootstrap >/dev/null || fail "no debootstrap (install-deps.sh)"
unmount_all() {  # whatever is mounted under the work folder, deepest first
  awk -v w="$work/" 'index($2 "/", w) == 1 {print $2}' /proc/mounts | sort -r | xargs -r -n1 umount -l
}
cleanup() {
  set +e
  kill "${pids[@]}" 2>/dev/null
  wait
  unmount_all && rm -rf --one-file-system "$work"/*root
}
trap cleanup EXIT
trap 'exit 1' INT TERM
unmount_all
rm -rf --one-file-system "$work" && mkdir -p "$work" "$cache"

logged() { "$@" >>"$work/log" 2>&1 || { tail -n 40 "$work/log"; fail "$*"; }; }
locked() { { flock 9 && "$@"; } 9>"$cache/$release.lock"; }  # locked COMMAND: alone on $release's cache
minbase() {  # $release's minbase tar, made once, from the mirror this machine's apt uses
  local tar=$cache/$release-minbase.tar mirror
  [ -s "$tar" ] && return
  mirror=$(apt-cache policy | awk '$3 ~ /^[a-z]+\/main$/ {print $2; exit}')
  debootstrap --variant=minbase "$release" "$work/fresh" "${mirror:-http://deb.debian.org/debian}" \
    >"$work/debootstrap.log" 2>&1 || { tail -n 30 "$work/debootstrap.log"; fail "debootstrap $release"; }
  tar -C "$work/fresh" -cf "$tar.part" . && mv "$tar.part" "$tar" && rm -rf --one-file-system "$work/fresh"
}
fresh_root() {  # fresh_root RELEASE DIR: a minimal Debian RELEASE (bookworm, trixie) in r=DIR
  release=$1 r=$2
  mkdir -p "$cache/$release-archives/partial" "$r" && locked minbase
  tar -C "$r" -xf "$cache/$release-minbase.tar" && cp /etc/resolv.conf "$r/etc/"
  mount -t proc proc "$r/proc" && mount --rbind /dev "$r/dev" && mount --make-rslave "$r/dev"
  mount --bind "$cache/$release-archives" "$r/var/cache/apt/archives"
  # dpkg without fsync: the systems are thrown away, and unpacking them takes a third less time.
  printf '%s\n' 'APT::Sandbox::User "root";' 'Dpkg::Use-Pty "0";' 'DPkg::Options:: "--force-unsafe-io";' \
    >"$r/etc/apt/apt.conf.d/90tests"
}
in_root() { chroot "$r" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
apt=(locked in_root apt-get -y -q --no-install-recommends)
copy_source() {  # the checkout's files, committed or not, into $r/src/tamiro
  mkdir -p "$r/src" && git -C "$src" ls-files -z -co --exclude-standard |
    tar -C "$src" --null --ignore-failed-read -T - --transform 's,^,tamiro/,' -cf - | tar -C "$r/src" -xf -
}
