#!/bin/sh
# The package's maintainer scripts must never fail an install or a removal because udev is absent
# or not running, and must reload the rules where it runs. udevadm is replaced by a stub that logs
# its calls and exits with STUB_CONTROL ("udevadm control") or STUB_TRIGGER ("udevadm trigger").
# Usage: tst_maintainerscripts.sh <folder holding postinst and postrm>
set -u
scripts=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/none" "$work/stub"
cat >"$work/stub/udevadm" <<'STUB'
#!/bin/sh
echo "$*" >>"$STUB_LOG"
[ "$1" = control ] && exit "$STUB_CONTROL"
exit "$STUB_TRIGGER"
STUB
chmod +x "$work/stub/udevadm"

passed=0
failed=0
# check NAME SCRIPT ARGUMENT PATH CONTROL_STATUS TRIGGER_STATUS EXPECTED_CALLS
check() {
    log="$work/log"
    : >"$log"
    if ! STUB_LOG=$log STUB_CONTROL=$5 STUB_TRIGGER=$6 PATH=$4 /bin/sh "$scripts/$2" "$3" >/dev/null 2>&1; then
        echo "FAIL: $1: $2 $3 exited with an error"
        failed=$((failed + 1))
        return
    fi
    calls=$(cat "$log")
    if [ "$calls" != "$7" ]; then
        printf 'FAIL: %s: udevadm calls\n  expected: %s\n  actual:   %s\n' "$1" "$7" "$calls"
        failed=$((failed + 1))
        return
    fi
    echo "PASS: $1"
    passed=$((passed + 1))
}

reload='control --reload-rules
trigger --subsystem-match=hidraw --subsystem-match=usb'
check "install without udev" postinst configure "$work/none" 0 0 ""
check "install with udev not running" postinst configure "$work/stub" 1 0 "control --reload-rules"
check "install with udev running" postinst configure "$work/stub" 0 0 "$reload"
check "install where devices cannot be triggered" postinst configure "$work/stub" 0 1 "$reload"
check "install rolled back" postinst abort-upgrade "$work/stub" 0 0 ""
check "removal without udev" postrm remove "$work/none" 0 0 ""
check "removal with udev not running" postrm remove "$work/stub" 1 0 "control --reload-rules"
check "removal with udev running" postrm remove "$work/stub" 0 0 "$reload"
check "removal where devices cannot be triggered" postrm remove "$work/stub" 0 1 "$reload"
check "purge after removal" postrm purge "$work/stub" 0 0 ""
check "upgrade keeps the rule" postrm upgrade "$work/stub" 0 0 ""

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
