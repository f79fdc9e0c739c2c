#!/usr/bin/env bash
# Runs the README's set-up commands on a brand-new Debian 12 system, so that a package installed by
# hand on this machine cannot hide a missing install step. Builds a minimal Debian 12 root once
# (mmdebstrap, about 3 minutes, kept in $FRESH_CACHE), then for each run unpacks it afresh, clones
# the committed HEAD of the repository you stand in, and runs the command inside it (chroot, as
# root, offscreen Qt, no display).
#   fresh-machine.sh                 ./run.sh --version, then ./test.sh
#   fresh-machine.sh 'COMMAND'       any command, run in the clone's root folder
# Exit status: the command's, or 3 when no new system could be made. Needs root (mount, chroot);
# installs mmdebstrap when missing.
set -euo pipefail
repo=$(git rev-parse --show-toplevel)
cmd=${1:-'./run.sh --version && ./test.sh'}
cache=${FRESH_CACHE:-/var/tmp/fresh-debian12}
work=$(mktemp -d /var/tmp/fresh-run.XXXXXX)
root=$work/root
cleanup() {
  umount "$root/dev/pts" "$root/dev/shm" "$root/dev" "$root/proc" "$root/sys" 2>/dev/null || true
  # --one-file-system: never follow a mount that is still there into this machine's own files
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT

# Says in one line why no new system could be made, and fails: a check that
# did not run must never pass for one that did.
cannot() {
  echo "fresh-machine: cannot make a new Debian 12 system: $*" >&2
  exit 3
}

[ "$(id -u)" -eq 0 ] || cannot "needs root (mount, chroot)"
if [ ! -s "$cache/root.tar" ]; then
  command -v mmdebstrap >/dev/null ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq mmdebstrap >/dev/null; } ||
    cannot "mmdebstrap could not be installed"
  mkdir -p "$cache" "$work/base"
  echo "fresh-machine: making a Debian 12 root (once)"
  mmdebstrap --quiet --variant=apt --mode=root bookworm "$work/base" ||
    cannot "mmdebstrap failed (are the Debian package sources reachable?)"
  # The new system uses the same package sources as this machine.
  rm -f "$work/base/etc/apt/sources.list"
  cp /etc/apt/sources.list.d/*.sources "$work/base/etc/apt/sources.list.d/" 2>/dev/null || true
  [ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$work/base/etc/apt/sources.list"
  tar -C "$work/base" -cf "$cache/root.tar.part" . && mv "$cache/root.tar.part" "$cache/root.tar"
  rm -rf "$work/base"
fi

mkdir -p "$root"
tar -C "$root" -xf "$cache/root.tar" || cannot "cannot unpack the cached root $cache/root.tar"
git clone -q "$repo" "$root/root/project"
mount -t proc proc "$root/proc" || cannot "cannot mount /proc in it"
mount -t sysfs sys "$root/sys" || cannot "cannot mount /sys in it"
# A /dev of its own, so that nothing done inside can touch this machine's device nodes.
mount -t tmpfs -o mode=755 tmpfs "$root/dev" || cannot "cannot mount its /dev"
for node in "null 1 3" "zero 1 5" "full 1 7" "random 1 8" "urandom 1 9" "tty 5 0"; do
  set -- $node; mknod -m 666 "$root/dev/$1" c "$2" "$3"
done
mkdir -p "$root/dev/pts" "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
ln -s pts/ptmx "$root/dev/ptmx"
mount -t tmpfs tmpfs "$root/dev/shm"
ln -s /proc/self/fd "$root/dev/fd"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
echo "fresh-machine: running '$cmd' on a new Debian 12 system with commit $(git -C "$repo" rev-parse --short HEAD)"
start=$(date +%s)
set +e
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/bash -c "cd /root/project && $cmd"
rc=$?
set -e
echo "fresh-machine: exit $rc after $(( $(date +%s) - start )) s"
exit $rc
