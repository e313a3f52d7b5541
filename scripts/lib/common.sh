# Shared by scripts/run and scripts/test: install what is missing, then build.
# shellcheck shell=bash

T2Q_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

T2Q_PACKAGES=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
    qt6-l10n-tools qt6-translations-l10n desktop-file-utils appstream
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

# ThreadSanitizer settings: a report fails the test. No report is suppressed. What the libraries we
# build on (Qt, glibc, libudev, from Debian, not instrumented) touch inside themselves is not checked
# (ignore_noninstrumented_modules): their locks are invisible to the sanitizer, so their own memory would
# only raise false reports, such as Qt's posted-event list. Every access of our code is checked, also
# when a library calls it; data crosses threads under our own (std::mutex) locks, which it sees.
t2q_thread_sanitizer_environment() {
    export TSAN_OPTIONS="halt_on_error=1:ignore_noninstrumented_modules=1:second_deadlock_stack=1${TSAN_OPTIONS:+:$TSAN_OPTIONS}"
}
