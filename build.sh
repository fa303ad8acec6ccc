#!/bin/sh
# Builds the game and either starts it or runs every test.
#   ./build.sh play [game options]    build, then start build/vesk
#   ./build.sh test                   build, then run the whole test suite (the browser's too)
#   ./build.sh package                build the Debian package; its path is the last line printed
#   ./build.sh web                    build the browser version into build-web/ and serve it on
#                                     http://127.0.0.1:8000/
#   ./build.sh windows                cross-build the Windows version into build-windows/; the
#                                     zip's path is the last line printed
# Run as root, it installs the Debian packages the chosen command needs; otherwise it names them
# and stops.
set -eu
cd "$(dirname "$0")"

# What building and playing the game needs (gettext compiles its message catalogues).
PLAY_PACKAGES="build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libpng-dev \
libhangul-dev libfontconfig-dev libibus-1.0-dev libx11-dev libspeechd-dev fonts-nanum gettext"
# What the test suite, the benchmarks and the hardening checks need besides (locales: the Korean
# locale the message tests make for themselves).
TEST_PACKAGES="libgtest-dev libbenchmark-dev unifont xvfb xdotool clang libclang-rt-14-dev python3 \
dbus ibus ibus-hangul fcitx5 fcitx5-hangul locales speech-dispatcher \
speech-dispatcher-audio-plugins libao4"
# What making the Debian package and checking it with Debian's own tools need besides (the test
# suite builds, installs and checks the package too).
PACKAGE_PACKAGES="debhelper dpkg-dev go-md2man lintian desktop-file-utils appstream"
# What the browser version needs: its compiler, and the browsers its tests play it in (driven from
# Node, which a machine without it gets from Debian).
WEB_PACKAGES="emscripten chromium webkit2gtk-driver"
command -v npm >/dev/null 2>&1 || WEB_PACKAGES="$WEB_PACKAGES nodejs npm"
# What the Windows version needs: MinGW-w64, Debian's MinGW zlib, and dpkg-source to unpack the
# source packages of SDL2 and libpng; its tests play it under Wine (and Xvfb), from its zip
# (xprop, of x11-utils: whether the input method serves the screen yet).
WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev dpkg-dev"
WINDOWS_TEST_PACKAGES="wine wine64 unzip x11-utils"

# Installs (as root) or names (otherwise) the packages of the list given that are missing.
need_packages() {
  missing=""
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing="$missing $package"
    fi
  done
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    # Another apt run may hold the lock for a while; wait for it rather than fail.
    apt-get -o DPkg::Lock::Timeout=900 update
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y \
      --no-install-recommends $missing
  else
    echo "These Debian packages are missing. Install them with:" >&2
    echo "  sudo apt-get install -y --no-install-recommends$missing" >&2
    exit 1
  fi
}

# Configures build/ with or without the tests; ccache speeds up rebuilds where it is installed.
configure() {
  launcher=""
  command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING="$1" $launcher
  cmake --build build -j"$(nproc)"
}

mode="${1:-play}"
[ $# -gt 0 ] && shift
case "$mode" in
  play)
    need_packages $PLAY_PACKAGES
    configure OFF
    exec build/vesk "$@" ;;
  test)
    need_packages $PLAY_PACKAGES $TEST_PACKAGES $PACKAGE_PACKAGES $WEB_PACKAGES $WINDOWS_PACKAGES \
      $WINDOWS_TEST_PACKAGES
    configure ON
    cd build && exec ctest --output-on-failure -j"$(nproc)" ;;
  package)
    need_packages $PLAY_PACKAGES $PACKAGE_PACKAGES
    exec packaging/make-deb.sh build/package ;;
  web)
    need_packages $PLAY_PACKAGES $WEB_PACKAGES
    configure OFF
    tools/build-web.sh build build-web
    exec node tools/serve.js build-web 8000 ;;
  windows)
    need_packages $PLAY_PACKAGES $WINDOWS_PACKAGES
    configure OFF
    exec packaging/make-windows.sh build build-windows ;;
  *) echo "usage: ./build.sh play [game options] | ./build.sh test | ./build.sh package |" \
          "./build.sh web | ./build.sh windows" >&2
     exit 2 ;;
esac
