#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quorvane (as root), builds it, and either
# starts the program or runs every test.
#   tools/dev.sh start   build and start the program
#   tools/dev.sh test    build and run all tests (what CI runs)
#   tools/dev.sh bench   build and run the benchmarks and the CPU-use measurement
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config qt6-base-dev libx11-dev libgtest-dev libgmock-dev
          libbenchmark-dev libfftw3-dev fonts-dejavu-core)
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

build() {
    cmake -S . -B build
    cmake --build build -j"$(nproc)"
}

run_tests() {
    ctest --test-dir "$1" --output-on-failure -j"$(nproc)" "${@:2}"
}

# Everything once more under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails the run.
sanitized_tests() {
    cmake -S . -B build-asan -DQUORVANE_SANITIZE=ON -DQUORVANE_BENCHMARKS=OFF
    cmake --build build-asan -j"$(nproc)"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp QUORVANE_SOAK_TICKS=6000 \
        run_tests build-asan -LE valgrind
}

# The libFuzzer targets, each for a bounded time.
fuzz_tests() {
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQUORVANE_FUZZ=ON -DQUORVANE_SANITIZE=ON \
        -DQUORVANE_BENCHMARKS=OFF -DBUILD_TESTING=ON
    cmake --build build-fuzz -j"$(nproc)" --target fuzz_fft fuzz_form
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp run_tests build-fuzz -L fuzz
}

case "${1:-}" in
start)
    install_missing "${packages[@]}"
    build
    exec build/ui/quorvane
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build
    run_tests build
    sanitized_tests
    fuzz_tests
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
