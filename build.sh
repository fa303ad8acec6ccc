#!/bin/sh
# Builds the game and either starts it or runs every test.
#   ./build.sh play [game options]    build, then start build/vesk
#   ./build.sh test                   build, then run the whole test suite
# Run as root, it installs the Debian packages it needs; otherwise it names them and stops.
set -eu
cd "$(dirname "$0")"

PACKAGES="build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev \
libhangul-dev libfontconfig-dev fonts-nanum libgtest-dev libgmock-dev libbenchmark-dev unifont \
xvfb xdotool clang libclang-rt-14-dev"

missing=""
for package in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
if [ -n "$missing" ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
  else
    echo "These Debian packages are missing. Install them with:" >&2
    echo "  sudo apt-get install -y$missing" >&2
    exit 1
  fi
fi

mode="${1:-play}"
[ $# -gt 0 ] && shift
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
case "$mode" in
  play) exec build/vesk "$@" ;;
  test) cd build && exec ctest --output-on-failure -j"$(nproc)" ;;
  *) echo "usage: ./build.sh play [game options] | ./build.sh test" >&2; exit 2 ;;
esac
