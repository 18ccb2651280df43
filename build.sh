#!/usr/bin/env bash
# Set-up, build and run for a Debian 12 machine.
#   ./build.sh run       install what is missing, build, start the game
#   ./build.sh test      install what is missing, build, run every test
#                        (the game itself among them, on a virtual X server)
#   ./build.sh clockjump the tests again with the monotonic clock jumping ahead
#                        a few milliseconds at every read
#   ./build.sh sanitize  the tests again in a build with ASan and UBSan
#   ./build.sh bench     build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation fontconfig
          xvfb xdotool x11-utils)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

build() {  # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

run_tests() {  # run_tests DIR
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600)
}

case "${1:-run}" in
run)
    install_missing
    build build
    exec ./build/KestrinHoldem
    ;;
test)
    install_missing
    build build
    run_tests build
    ;;
clockjump)
    install_missing
    build build
    LD_PRELOAD="$PWD/build/tests/libkestrin_clock_jump.so" run_tests build
    ;;
sanitize)
    install_missing
    build build-sanitize -DKESTRIN_SANITIZE=ON -DKESTRIN_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS="suppressions=$PWD/tests/tools/lsan.supp" run_tests build-sanitize
    ;;
bench)
    install_missing
    build build
    for b in build/bench/*_bench; do [ -x "$b" ] && "$b"; done
    ;;
*)
    echo "usage: $0 [run|test|clockjump|sanitize|bench]" >&2
    exit 2
    ;;
esac
