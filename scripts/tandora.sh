#!/usr/bin/env bash
# Installs what Tandora needs on Debian 12, builds it into build/, then starts the game, runs every test or
# makes the Debian package.
#   scripts/tandora.sh run [game-file]   install, build, start the game
#   scripts/tandora.sh test              install, build, run every test (headless)
#   scripts/tandora.sh package           install, build, make build/tandora_VERSION_ARCH.deb
#   scripts/tandora.sh test-windows      install, cross-build the Qt-free part for Windows into
#                                        build-windows/, run its tests under Wine
# TANDORA_WERROR=ON makes compiler warnings errors (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-dejavu-extra
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa gstreamer1.0-pulseaudio
    desktop-file-utils appstream groff-base shared-mime-info
)
# What cpack needs for the package's library dependencies.
package_tools=(dpkg-dev file)
# The Windows cross-build: MinGW-w64, Wine to run its tests, GoogleTest's sources to build for Windows.
windows_tools=(g++-mingw-w64-x86-64-posix wine64 googletest)

install_packages() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please run as root or install sudo." >&2; exit 1; }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTANDORA_WERROR="${TANDORA_WERROR:-OFF}" "$@"
    cmake --build build -j"$(nproc)"
}

case "${1:-}" in
run)
    shift
    install_packages
    build
    exec build/bin/tandora "$@"
    ;;
test)
    install_packages
    build
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
test-windows)
    install_packages "${windows_tools[@]}"
    # Debian has no Qt for Windows: the engine, the game's logic and their tests are built, the window not.
    cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
        -DTANDORA_QT=OFF -DTANDORA_BUILD_BENCHMARKS=OFF -DTANDORA_WERROR="${TANDORA_WERROR:-OFF}" \
        -DTANDORA_GTEST_SOURCE_DIR=/usr/src/googletest
    cmake --build build-windows -j"$(nproc)"
    cd build-windows
    WINEDEBUG=-all ctest --output-on-failure -j"$(nproc)"
    ;;
package)
    install_packages "${package_tools[@]}"
    # The package installs under /usr, where Debian keeps packaged programs.
    build -DCMAKE_INSTALL_PREFIX=/usr
    cd build
    cpack -G DEB
    ;;
*)
    echo "usage: $0 run [game-file] | test | test-windows | package" >&2
    exit 2
    ;;
esac
