# Shared by scripts/run and scripts/test: install what is missing, then build.
# shellcheck shell=bash

T2Q_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

T2Q_PACKAGES=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
    qt6-multimedia-dev qt6-l10n-tools qt6-translations-l10n desktop-file-utils appstream
    libgl-dev libboost-serialization-dev libhidapi-dev
    libfuse3-dev fuse3 util-linux libudev-dev)

t2q_missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
    done
}

# Installs the given packages that are missing; apt-get update runs only when something is missing.
t2q_ensure_packages() {
    local missing
    missing=$(t2q_missing_packages "$@")
    [ -z "$missing" ] && return 0
    if ! command -v apt-get >/dev/null 2>&1; then
        echo "Missing packages (install them by hand): $missing" >&2
        return 1
    fi
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: $missing" >&2
    # shellcheck disable=SC2086
    $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >&2
}

# t2q_build BUILD_DIR [extra cmake arguments...]; T2Q_BUILD_TARGETS, when set, names the targets to build.
t2q_build() {
    local dir=$1
    shift
    local launcher=()
    # Several checkouts of the tree build the same sources: a compiler cache, where one is installed, shares them.
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$T2Q_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
    local targets=()
    [ -n "${T2Q_BUILD_TARGETS:-}" ] && targets=(--target ${T2Q_BUILD_TARGETS})
    cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}

# Sanitizer settings of the sanitized suite and the fuzz targets: every report stops the program with
# a failure; leaks that only Qt's and the system's libraries keep are suppressed by tests/lsan.supp.
t2q_sanitizer_environment() {
    export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
    export LSAN_OPTIONS="suppressions=$T2Q_ROOT/tests/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
}

# ThreadSanitizer settings: a report fails the test. The libraries we build on (Qt, GLib, glibc,
# libudev, hidapi, from Debian) are not instrumented, but what they do through the C library (malloc, free,
# memcpy, pthread) is checked: hidapi keeps one unlocked process-wide error text, and only so does a call
# of hidapi's outside our lock show (ignore_noninstrumented_modules would leave all of that out, for every
# library). A library that orders its own memory with locks or atomics the sanitizer cannot see has its
# false reports suppressed by tests/tsan.supp, each with its reason: Qt's and GLib's own data, glibc's time
# zone, libudev's shared hash key; nothing of hidapi's and nothing of ours. Data crosses our threads under
# our own (std::mutex) locks or atomics, which it sees. glibc's function names come from libc6-dbg.
T2Q_TSAN_PACKAGES=(libc6-dbg)
t2q_thread_sanitizer_environment() {
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$T2Q_ROOT/tests/tsan.supp:print_suppressions=0${TSAN_OPTIONS:+:$TSAN_OPTIONS}"
}
