#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quorvane (as root), builds it, and either
# starts the program or runs every test.
#   tools/dev.sh start   build and start the program
#   tools/dev.sh test    build and run all tests (what CI runs)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          libfftw3-dev fonts-dejavu-core xvfb xauth xdotool x11-apps imagemagick)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
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

case "${1:-}" in
start)
    install_missing
    build
    exec build/ui/quorvane
    ;;
test)
    install_missing
    build
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 start|test" >&2
    exit 2
    ;;
esac
