#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quorvane (as root), builds it, and either
# starts the program or runs every test.
#   tools/dev.sh start   build and start the program
#   tools/dev.sh test    build and run all tests (what CI runs), on a PC as
#                        arm64 code too
#   tools/dev.sh check   the contributor's quick loop: the program, the page
#                        and their tests (the default workflow), installing
#                        nothing
#   tools/dev.sh bench   build and run the benchmarks and the CPU-use measurement
#   tools/dev.sh package build dist/quorvane_<version>_<arch>.deb from the
#                        committed tree and check it as Debian's archive would
#   tools/dev.sh arm64   on a PC: cross-build for a Raspberry Pi (64-bit), run
#                        every test under qemu, and build the arm64 package
#   tools/dev.sh web     build dist/quorvane.html, the program as one page,
#                        alone
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config qt6-base-dev libx11-dev libgtest-dev libgmock-dev
          libbenchmark-dev libfftw3-dev fonts-dejavu-core
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext fonts-noto-cjk)
test_packages=(clang libclang-rt-14-dev valgrind xvfb xauth xdotool x11-apps x11-utils imagemagick
               desktop-file-utils appstream dpkg-dev file
               orca at-spi2-core dbus-daemon python3-gi gir1.2-atspi-2.0)
package_packages=(git dpkg-dev debhelper cmake g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools
                  qt6-translations-l10n gettext lintian devscripts
                  desktop-file-utils appstream appstream-util)
# The page: Debian's WebAssembly toolchain, and the browsers its tests drive.
web_packages=(emscripten node-acorn python3)
browser_packages=(chromium firefox-esr gir1.2-webkit2-4.1 python3-gi xvfb xauth)
# The arm64 libraries install beside the PC's own (multiarch); Qt's tools and
# the test tools stay the PC's.
arm64_packages=(g++-aarch64-linux-gnu qemu-user-static qt6-base-dev:arm64 libx11-dev:arm64
                libgtest-dev:arm64 libgmock-dev:arm64)

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

# Adds arm64 to dpkg's architectures unless it is there; where apt then offers
# no arm64 Qt, takes it away again so that apt on this machine stays as it was.
enable_arm64() {
    [[ $(dpkg --print-foreign-architectures) == *arm64* ]] && return 0
    if ! dpkg --add-architecture arm64 2>/dev/null || ! apt-get update -qq >/dev/null 2>&1 ||
        ! apt-cache show qt6-base-dev:arm64 >/dev/null 2>&1; then
        dpkg --remove-architecture arm64 2>/dev/null || true
        apt-get update -qq >/dev/null 2>&1 || true
        echo "arm64: apt offers no arm64 packages here (needs Debian 12's archive for arm64 in the apt sources); nothing was changed" >&2
        exit 1
    fi
}

# On a PC: the cross build and every test under qemu, then the arm64 package.
# On an arm64 machine the ordinary build already is arm64.
arm64() {
    if [[ $(dpkg --print-architecture) == arm64 ]]; then
        install_missing "${packages[@]}" "${test_packages[@]}" "${package_packages[@]}"
        install_web
        cmake --workflow --preset default
        package
        return
    fi
    enable_arm64
    install_missing "${packages[@]}" "${test_packages[@]}" "${package_packages[@]}" "${arm64_packages[@]}"
    cmake --workflow --preset arm64
    file build-arm64/ui/quorvane | grep -q 'ARM aarch64' || { echo "build-arm64/ui/quorvane is not arm64 code" >&2; return 1; }
    package arm64
}

# dpkg-buildpackage writes next to the source tree, so the tree is exported
# into build-deb/ at a fixed path: fixed paths and Debian's -ffile-prefix-map
# make two builds of one commit the same bytes. An architecture named, other
# than this machine's, cross-builds for it.
package() {
    local arch=${1:-$(dpkg --print-architecture)} version tree
    version=$(dpkg-parsechangelog -l debian/changelog -S Version)
    tree=build-deb/quorvane-$version
    rm -rf build-deb && mkdir -p build-deb dist
    git archive --prefix="quorvane-$version/" HEAD | tar -x -C build-deb
    (cd "$tree" && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -b -us -uc -a"$arch")
    cp build-deb/*.deb build-deb/*.buildinfo build-deb/*.changes dist/
    check_package "dist/quorvane_${version}_$arch.deb"
}

# Every checker must be silent: lintian at its most talkative, hardening on
# every point, and the desktop entry and metainfo exactly as installed.
check_package() {
    local deb=$1 root=build-deb/unpacked tags hints appstream
    rm -rf "$root" && dpkg-deb -x "$deb" "$root"
    tags=$(lintian --pedantic --display-info "$deb" "${deb/quorvane_/quorvane-dbgsym_}")
    [[ -z $tags ]] || { echo "lintian:"; echo "$tags"; return 1; }
    # Built with -D_FORTIFY_SOURCE=2, but fortification only swaps in checked
    # calls where the compiler knows the destination's size, and this program
    # has none, so hardening-check cannot see it; branch protection is not in
    # Debian 12's default flags.
    hardening-check --nofortify --nocfprotection "$root/usr/bin/quorvane"
    hints=$(desktop-file-validate "$root"/usr/share/applications/*.desktop 2>&1) || true
    [[ -z $hints ]] || { echo "$hints"; return 1; }
    appstream=$(appstreamcli validate --pedantic --no-net "$root"/usr/share/metainfo/*.xml 2>&1) || true
    echo "$appstream"
    if grep -qE '^[EWI]:' <<<"$appstream"; then return 1; fi
    appstream-util validate --nonet "$root"/usr/share/metainfo/*.xml
    echo "Package checked: $deb"
}

# What the default workflow needs beyond the program's own packages: the page's
# toolchain, the browsers, and npm, which installs the browsers' driver.
install_web() {
    install_missing "${web_packages[@]}" "${browser_packages[@]}"
    command -v npm >/dev/null || install_missing npm
}

case "${1:-}" in
start)
    install_missing "${packages[@]}"
    build
    exec build/ui/quorvane
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    install_web
    # The program, the page and every test; then everything again under the
    # sanitizers, without the page; then the libFuzzer targets, each for a
    # bounded time.
    cmake --workflow --preset default
    cmake --workflow --preset sanitize
    cmake --workflow --preset fuzz
    install_missing "${package_packages[@]}"
    package
    # On a PC, everything once more as arm64 code, and the Pi's package.
    if [[ $(dpkg --print-architecture) != arm64 ]]; then arm64; fi
    ;;
package)
    install_missing "${package_packages[@]}"
    package
    ;;
check)
    cmake --workflow --preset default
    ;;
arm64)
    arm64
    ;;
web)
    install_missing "${web_packages[@]}"
    cmake --workflow --preset web
    ;;
bench)
    install_missing "${packages[@]}" "${test_packages[@]}"
    install_web
    build
    for program in bench_fft bench_engine bench_receiver bench_tick; do
        build/bench/$program --benchmark_format=console
    done
    tools/cpu-use.sh build/ui/quorvane
    # The page in Chromium, with the driver the browser tests use.
    ctest --preset default -R '^web_driver$' >/dev/null
    QUORVANE_WEB_DRIVER=build/tests/web/driver node bench/web_bench.mjs dist/quorvane.html
    ;;
*)
    echo "usage: $0 start|test|check|bench|package|arm64|web" >&2
    exit 2
    ;;
esac
