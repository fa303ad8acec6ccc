#!/bin/sh
# Builds the Debian package from this tree with debhelper (debian/), in a clean copy of the tree
# under OUTDIR, so the source tree gains no build files. The last line printed is the path of
# OUTDIR/vesk_<version>_<arch>.deb.
#   packaging/make-deb.sh OUTDIR
set -eu
[ $# -eq 1 ] || { echo "usage: packaging/make-deb.sh OUTDIR" >&2; exit 2; }
source_dir=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)

version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
cmake_version=$(sed -n 's/^project(vesk VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
if [ "$version" != "$cmake_version" ]; then
  echo "make-deb: debian/changelog is at $version but CMakeLists.txt at $cmake_version" >&2
  exit 1
fi
arch=$(dpkg-architecture -q DEB_HOST_ARCH)

# The copy holds what git tracks or would track (the tree's own ignore rules keep build folders
# out); a tree without git is copied whole but for its build folders.
copy="$out/vesk-$version"
rm -rf "$copy" "$out"/vesk_"$version"* "$out"/vesk-dbgsym_"$version"*
mkdir -p "$copy"
cd "$source_dir"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' files |
    tar --null -T - -cf - | tar -xf - -C "$copy"
else
  tar --exclude=./build --exclude='./build-*' -cf - . | tar -xf - -C "$copy"
fi

# ccache speeds up rebuilds where it is installed, as for build/.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
cd "$copy"
DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
  dpkg-buildpackage --build=full --no-sign
echo "$out/vesk_${version}_${arch}.deb"
