#!/bin/sh
# Cross-builds the Windows version with MinGW-w64 and packs it as a zip. The last line printed is
# the path of OUTDIR/vesk-<version>-win64.zip.
#   packaging/make-windows.sh NATIVE_BUILD OUTDIR
# NATIVE_BUILD is a configured native build folder: its cp949table writes the code page tables
# and its iconico the icon, both from this machine. SDL2 and libpng are cross-built once into
# OUTDIR/deps and reused (platform/windows/build-deps.sh); the game goes to OUTDIR/game.
set -eu
[ $# -eq 2 ] || { echo "usage: packaging/make-windows.sh NATIVE_BUILD OUTDIR" >&2; exit 2; }
source_dir=$(cd "$(dirname "$0")/.." && pwd)
native=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
jobs=$(nproc)
[ "$jobs" -gt 2 ] && jobs=2

"$source_dir/platform/windows/build-deps.sh" "$out/deps"
cmake --build "$native" -j"$jobs" --target cp949tables iconico >/dev/null
"$native/iconico" "$native/vesk.ico"

launcher=""
command -v ccache >/dev/null 2>&1 &&
  launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
# shellcheck disable=SC2086
cmake -S "$source_dir" -B "$out/game" \
  -DCMAKE_TOOLCHAIN_FILE="$source_dir/platform/windows/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release $launcher -DVESK_WINDOWS_DEPS="$out/deps/install" \
  -DVESK_CP949_TABLE="$native/Cp949Table.inc" -DVESK_ICON_FILE="$native/vesk.ico" >/dev/null
cmake --build "$out/game" -j"$jobs"
(cd "$out/game" && cpack -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
echo "$out/vesk-$(sed -n 's/^project(vesk VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")-win64.zip"
