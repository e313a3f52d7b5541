#!/bin/sh
# hidraw-namespace.sh UNIT_SERVER TEST [ARGUMENTS...]
# Runs TEST with virtual units behind hidraw nodes: in private mount, PID and network namespaces, /dev
# is a tmpfs copy of the host's and /sys/class/hidraw an empty tmpfs, both filled by UNIT_SERVER, whose
# control socket TEST finds in T2Q_HIDRAW_CONTROL. UNIT_SERVER announces its units on the netlink
# "udev" group of the private network namespace, so only TEST hears them; a private /run holds what
# libudev looks for before it listens (udev's control socket and data folder). Nothing is mounted,
# left or announced on the host: the namespaces end with TEST. Exits 77 (skipped) with one line saying
# why where it cannot be done.
set -eu

skip() {
    echo "SKIP: hidraw tests: $*"
    exit 77
}

if [ "${1:-}" != "--inside" ]; then
    [ "$(id -u)" -eq 0 ] || skip "they need root (mount namespace and FUSE mounts)"
    [ -c /dev/fuse ] || skip "/dev/fuse is missing"
    command -v unshare >/dev/null 2>&1 || skip "unshare (util-linux) is missing"
    unshare --mount --pid --net --fork --mount-proc true 2>/dev/null ||
        skip "cannot make private mount, PID and network namespaces here (unshare refused)"
    exec unshare --mount --pid --net --fork --mount-proc --propagation private sh "$0" --inside "$@"
fi
shift
server=$1
shift

# The host's /dev stays reachable as the working directory once the copy covers it.
cd /dev
mount -t tmpfs -o mode=755,nosuid tmpfs /dev
for entry in * .[!.]*; do
    [ -e "$entry" ] || [ -L "$entry" ] || continue
    case $entry in hidraw*) continue ;; esac
    if [ -d "$entry" ] && [ ! -L "$entry" ] && mountpoint -q "$entry"; then
        mkdir "/dev/$entry"
        mount --bind "$entry" "/dev/$entry"
    else
        cp -a "$entry" /dev/
    fi
done
cd /

if [ -d /sys/class/hidraw ]; then
    mount -t tmpfs -o mode=755 tmpfs /sys/class/hidraw
else
    # No hidraw driver loaded: a class folder of our own, holding only the virtual units.
    mount -t tmpfs -o mode=755 tmpfs /sys/class
    mkdir /sys/class/hidraw
fi

# udev "runs" here: its monitors listen only where its control socket exists.
mount -t tmpfs -o mode=755,nosuid tmpfs /run
mkdir -p /run/udev/data
: >/run/udev/control
if command -v ip >/dev/null 2>&1; then
    ip link set lo up
fi

# libudev accepts device folders outside sysfs only with systemd's own switch for tests.
export SYSTEMD_DEVICE_VERIFY_SYSFS=0
export T2Q_HIDRAW_CONTROL=/dev/tavrin-hidraw-units
"$server" "$T2Q_HIDRAW_CONTROL" &
tries=0
until [ -S "$T2Q_HIDRAW_CONTROL" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || { echo "the unit server did not start" >&2; exit 1; }
    sleep 0.05
done

status=0
"$@" || status=$?
exit "$status"
