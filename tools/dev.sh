#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quorvane (as root), builds it, and either
# starts the program or runs every test.
#   tools/dev.sh start   build and start the program
#   tools/dev.sh test    build and run all tests (what CI runs)
#   tools/dev.sh bench   build and run the benchmarks and the CPU-use measurement
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config qt6-base-dev libx11-dev libgtest-dev libgmock-dev
          libbenchmark-dev libfftw3-dev fonts-dejavu-core
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext fonts-noto-cjk)
test_packages=(clang libclang-rt-14-dev valgrind xvfb xauth xdotool x11-apps imagemagick
               desktop-file-utils appstream dpkg-dev file)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

# Every build and test run goes through CMakePresets.json, on every core.
export CMAKE_BUILD_PARALLEL_LEVEL="$(nproc)" CTEST_PARALLEL_LEVEL="$(nproc)"

build() {
    cmake --preset default
    cmake --build --preset default
}

case "${1:-}" in
start)
    install_missing "${packages[@]}"
    build
    exec build/ui/quorvane
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    # The program and every test; then everything again under the sanitizers;
    # then the libFuzzer targets, each for a bounded time.
    cmake --workflow --preset default
    cmake --workflow --preset sanitize
    cmake --workflow --preset fuzz
    ;;
bench)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build
    for program in bench_fft bench_engine bench_tick; do
        build/bench/$program --benchmark_format=console
    done
    tools/cpu-use.sh build/ui/quorvane
    ;;
*)
    echo "usage: $0 start|test|bench" >&2
    exit 2
    ;;
esac
