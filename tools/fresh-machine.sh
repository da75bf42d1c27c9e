#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A brand-new Debian 12 machine on demand: a bare root made by mmdebstrap, with the kernel's
# file systems a desktop session needs mounted, a clone of the committed branch (main unless
# given) inside it, and, in it, as root, what the README tells a new user to run. A package
# or file that only this machine has, or a step only a warm machine gets away with, fails
# there. However it ends, the processes it started, its mounts and the root are gone after:
# it mounts in a mount namespace of its own, so no mount reaches the machine, nor outlives it.
# Usage: fresh-machine.sh [BRANCH]   (as root)
set -eu

branch=${1:-main}
[ "$(id -u)" -eq 0 ] || { echo "fresh-machine: run it as root (it builds and enters a Debian root)" >&2 && exit 1; }
[ -n "${ZORBITAN_FRESH_MACHINE_NAMESPACE:-}" ] ||
    exec unshare --mount --propagation private env ZORBITAN_FRESH_MACHINE_NAMESPACE=1 "$0" "$@"
repository=$(git rev-parse --show-toplevel)
root=$(mktemp -d /var/tmp/zorbitan-fresh-machine.XXXXXX)
started=$(date +%s)

mounted() { grep -o " $root/[^ ]*" /proc/self/mounts | sort -r; }
tidy() {
    status=$1
    set +e
    for _ in $(seq 1 50); do # whatever still runs inside, such as a display server
        inside=$(for proc in /proc/[0-9]*; do [ "$(readlink "$proc/root")" != "$root" ] || echo "${proc#/proc/}"; done)
        [ -n "$inside" ] || break
        # shellcheck disable=SC2086 # one process id a word
        kill -KILL $inside 2>/dev/null
        sleep 0.2
    done
    for mount in $(mounted); do umount "$mount" || umount --lazy "$mount"; done
    if [ -z "$(mounted)" ]; then rm -rf --one-file-system "$root"; else echo "fresh-machine: $root is still mounted" >&2; fi
    exit "$status"
}
trap 'tidy $?' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

echo "== a bare Debian 12 root in $root"
mmdebstrap --variant=apt --quiet bookworm "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount -t tmpfs -o mode=755 tmpfs "$root/run"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
git clone --quiet --branch "$branch" --single-branch "$repository" "$root/root/zorbitan"
echo "== $branch ($(git -C "$root/root/zorbitan" log -1 --format=%h)) as the README says: make, then make test"
built=$(date +%s)
# The README's first step on a machine that lacks make, then its `make test`; each stage's
# heading stamped with the seconds since then.
{
    status=0
    env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb LANG=C.UTF-8 chroot "$root" /bin/sh -euc \
        'cd /root/zorbitan && apt-get update -q && apt-get install -y -q --no-install-recommends make && make test' ||
        status=$?
    echo "$status" >"$root/status"
} 2>&1 | while IFS= read -r line; do
    case $line in "== "*) echo "[$(($(date +%s) - built)) s] $line" ;; *) echo "$line" ;; esac
done
status=$(cat "$root/status")
ended=$(date +%s)
result=$([ "$status" -eq 0 ] && echo PASSED || echo "FAILED (exit status $status)")
echo "fresh-machine: make test $result in $(((ended - built) / 60)) min $(((ended - built) % 60)) s;" \
    "the root made in $((built - started)) s"
exit "$status"
