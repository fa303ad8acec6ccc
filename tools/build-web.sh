#!/bin/sh
# Builds the browser version with Emscripten into a static folder.
#   tools/build-web.sh NATIVE_BUILD OUT_DIR
# NATIVE_BUILD is a native build folder that holds the code page tables (Cp949Table.inc) and the
# icons (icons/web); the
# Emscripten build itself goes to NATIVE_BUILD/wasm.
set -eu
native="$(cd "$1" && pwd)"
mkdir -p "$2"
out="$(cd "$2" && pwd)"
source="$(cd "$(dirname "$0")/.." && pwd)"
# Debian's emcc runs its JavaScript tools with the node on PATH, which must find Debian's modules.
export NODE_PATH=/usr/share/nodejs
launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
# shellcheck disable=SC2086
emcmake cmake -S "$source" -B "$native/wasm" -DVESK_TARGET=web -DCMAKE_BUILD_TYPE=Release $launcher \
  -DVESK_CP949_TABLE="$native/Cp949Table.inc" -DVESK_WEB_ICONS="$native/icons/web" \
  -DVESK_WEB_DIR="$out" >/dev/null
cmake --build "$native/wasm" -j"$(nproc)"
# The big files' compressed copies, which the page's server sends to browsers that take them.
node "$source/tools/compress-site.js" "$out"
