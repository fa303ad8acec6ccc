#!/bin/bash
# Runs after the normal test suite: the whole suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (CMake preset "asan", build-asan/), then every fuzz target for a
# fixed number of runs (build-fuzz/, clang), starting from seeds made of the shipped data.
#   tools/check-hardening.sh            both, with the short CI budgets
#   FUZZ_RUNS=1000000 tools/check-hardening.sh fuzz    longer fuzzing, on demand
# It installs nothing: `./build.sh test` has installed clang and libclang-rt-14-dev before it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
what="${1:-all}"
jobs="$(nproc)"
started=$SECONDS

run_asan_suite() {
  echo "== test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
  cmake --preset asan
  cmake --build build-asan -j"$jobs"
  # Fewer soak events: the sanitizers make each one several times dearer; the real window's soak
  # gets about a minute instead of its usual quarter of one. Tests labelled
  # "outside" check what the game's own code does not run (the browser build, the Debian package,
  # the desktop's input methods); the normal suite has run them already.
  (cd build-asan && VESK_SOAK_EVENTS="${VESK_SOAK_EVENTS:-200000}" \
    VESK_WINDOW_SOAK_SECONDS="${VESK_WINDOW_SOAK_SECONDS:-60}" \
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
    LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    ctest --output-on-failure -j"$jobs" --label-exclude outside)
}

# Seeds for each target from the real data, in build-fuzz/seeds/<target>/.
make_seeds() {
  local seeds=build-fuzz/seeds
  rm -rf "$seeds"
  mkdir -p "$seeds"/{map,sheet,font,johab,codepage,converse,settings}
  cp data/VESK.M "$seeds/map/"
  local i=0
  for sheet in TOWN.PAL TOWN.FNT CHARA.PAL CHARA.FNT; do
    { printf "\\x$(printf %02x $i)"; cat "data/$sheet"; } > "$seeds/sheet/$sheet"
    i=$((i + 1))
  done
  # Font seeds: selector byte, the font's length (little-endian), the font, then UTF-16 text.
  printf '안녕하신가 Hello, 카르벤!' | iconv -f UTF-8 -t UTF-16LE > "$seeds/text.utf16"
  { printf '\x00\x00\x06'; cat data/ascii.fnt "$seeds/text.utf16"; } > "$seeds/font/ascii"
  { printf '\x11\x80\x3e'; cat data/H01.fnt "$seeds/text.utf16"; } > "$seeds/font/hangul"
  iconv -f UTF-8 -t UTF-16LE data/src/king-lines.txt > "$seeds/johab/king-lines"
  cp "$seeds/johab/king-lines" "$seeds/codepage/king-lines.utf16"
  iconv -f UTF-8 -t CP949 data/src/king-lines.txt > "$seeds/codepage/king-lines.cp949"
  printf '안녕\n카르벤\n무라셴\n비밀\n\n' > "$seeds/converse/guided"
  head -c 2000 data/src/king-lines.txt > "$seeds/converse/king-lines"
  printf '# settings\nscale = 2\nwindow = 1264x906\nfullscreen = no\nhangul = yes\nime = builtin\n' \
    > "$seeds/settings/all"
}

run_fuzzers() {
  echo "== fuzz targets"
  cmake -S . -B build-fuzz -DVESK_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
  local targets=(map sheet font johab codepage converse settings)
  cmake --build build-fuzz -j"$jobs" --target "${targets[@]/#/fuzz_}"
  make_seeds
  # Runs per target for CI; the slow ones (a start of the sheets, a talk) get fewer.
  declare -A runs=([map]=20000 [sheet]=3000 [font]=20000 [johab]=200000 [codepage]=30000
                   [converse]=1500 [settings]=200000)
  # A typed line is echoed once a character, so the talk's lines are kept short.
  declare -A max_len=([map]=65536 [sheet]=65536 [font]=65536 [johab]=65536 [codepage]=65536
                      [converse]=512 [settings]=8192)
  for target in "${targets[@]}"; do
    local corpus=$root/build-fuzz/corpus/$target
    mkdir -p "$corpus"
    local count="${FUZZ_RUNS:-${runs[$target]}}"
    local t0=$SECONDS
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" ASAN_OPTIONS="detect_leaks=1" \
      LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
      build-fuzz/fuzz/fuzz_"$target" -runs="$count" -max_len="${max_len[$target]}" \
      -artifact_prefix="$root/build-fuzz/fuzz_$target-" \
      "$corpus" "$root/build-fuzz/seeds/$target" 2> "build-fuzz/fuzz_$target.log" ||
      { tail -n 60 "build-fuzz/fuzz_$target.log"; echo "fuzz_$target FAILED" >&2; exit 1; }
    echo "fuzz_$target: $count runs clean in $((SECONDS - t0)) s"
  done
}

case "$what" in
  all) run_asan_suite; run_fuzzers ;;
  asan) run_asan_suite ;;
  fuzz) run_fuzzers ;;
  *) echo "usage: tools/check-hardening.sh [all|asan|fuzz]" >&2; exit 2 ;;
esac
echo "hardening checks done in $((SECONDS - started)) s"
