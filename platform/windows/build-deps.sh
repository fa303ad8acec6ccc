#!/bin/sh
# Cross-builds the libraries the Windows build links that Debian has no MinGW build of, SDL2 and
# libpng, as static libraries, into DEPS/install (zlib is Debian's own libz-mingw-w64-dev). Their
# sources are Debian's source packages of the release the machine runs, fetched with apt-get
# source, which checks them against the archive's signed index, through a private apt state under
# DEPS/apt (the machine's own apt sources are left alone). A build is kept and reused until this
# script or the toolchain file changes; the first one takes a few minutes.
#   platform/windows/build-deps.sh DEPS
set -eu
[ $# -eq 1 ] || { echo "usage: platform/windows/build-deps.sh DEPS" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
deps=$(cd "$1" && pwd)
install="$deps/install"
toolchain="$here/mingw-w64-x86_64.cmake"

recipe=$(cat "$0" "$toolchain" | sha256sum | cut -d' ' -f1)
if [ -f "$install/recipe" ] && [ "$(cat "$install/recipe")" = "$recipe" ]; then
  exit 0
fi
rm -rf "$install" "$deps/src" "$deps/work"
mkdir -p "$deps/apt/lists/partial" "$deps/apt/cache/archives/partial" "$deps/apt/parts" \
         "$deps/src" "$deps/work"

# The machine's Debian archive (its mirror, its release and updates suites) as deb-src lines. The
# security archive is left out: its source pool is not served everywhere, and each point release
# takes in its fixes.
# shellcheck disable=SC2016 # apt's own $(FIELD) placeholders
apt-get indextargets --format '$(ORIGIN)|$(REPO_URI)|$(RELEASE)|$(COMPONENT)' 'Identifier: Packages' |
  awk -F'|' '$1 == "Debian" && $3 !~ /-security$/ {
    print "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] " $2 " " $3 " " $4 }' |
  sort -u >"$deps/apt/sources.list"
if [ ! -s "$deps/apt/sources.list" ]; then
  echo "build-deps: apt knows no Debian archive to fetch sources from" >&2
  exit 1
fi
apt_private() {
  apt-get -q -o Dir::Etc::SourceList="$deps/apt/sources.list" \
    -o Dir::Etc::SourceParts="$deps/apt/parts" -o Dir::State::Lists="$deps/apt/lists" \
    -o Dir::Cache="$deps/apt/cache" -o Debug::NoLocking=1 -o APT::Sandbox::User=root "$@"
}
apt_private update >/dev/null
(cd "$deps/src" && apt_private source libsdl2 libpng1.6 >/dev/null)
sdl_source=$(find "$deps/src" -maxdepth 1 -type d -name 'libsdl2-*')
png_source=$(find "$deps/src" -maxdepth 1 -type d -name 'libpng1.6-*')

jobs=$(nproc)
[ "$jobs" -gt 2 ] && jobs=2
# cross SOURCE NAME [CMAKE OPTIONS]: configures, builds and installs one library; its build's
# output goes to DEPS/work/NAME.log, whose end is shown when the build fails.
cross() {
  source=$1 name=$2
  shift 2
  log="$deps/work/$name.log"
  if ! { cmake -S "$source" -B "$deps/work/$name" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
           -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$install" \
           -DVESK_WINDOWS_DEPS="$install" "$@" &&
         cmake --build "$deps/work/$name" -j"$jobs" &&
         cmake --install "$deps/work/$name"; } >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "build-deps: building $name failed; the whole log is $log" >&2
    exit 1
  fi
}
echo "build-deps: SDL2 from $(basename "$sdl_source")"
# Only the video subsystem: the game opens a window and uses nothing else of SDL's.
cross "$sdl_source" sdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_AUDIO=OFF \
  -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF
echo "build-deps: libpng from $(basename "$png_source")"
cross "$png_source" libpng -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include

# Their licences and where their sources come from, for the zip.
mkdir -p "$install/licences"
cp "$sdl_source/LICENSE.txt" "$install/licences/SDL2.txt"
cp "$png_source/LICENSE" "$install/licences/libpng.txt"
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$install/licences/zlib.txt"
{
  for dsc in "$deps/src"/*.dsc; do
    echo "$(basename "$dsc" .dsc | tr _ ' '): Debian source package, $(basename "$dsc")"
  done
  echo "zlib $(dpkg-query -W -f='${Version}' libz-mingw-w64-dev): Debian package libz-mingw-w64-dev"
} >"$install/SOURCES.txt"
echo "$recipe" >"$install/recipe"
