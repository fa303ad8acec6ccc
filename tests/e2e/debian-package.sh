#!/bin/sh
# The Debian package as a player meets it: built from this tree, checked by lintian, installed
# with apt, played from / by an ordinary user, its desktop entry and software-centre metadata
# checked by desktop-file-validate and appstreamcli, then purged without leaving a file behind.
#   tests/e2e/debian-package.sh BUILD_TREE_VESK OUTDIR
# It installs into this machine's /usr, so it needs root and is skipped (exit 77) without it. A
# lock keeps two runs on one machine apart, and the package is purged however the run ends; a
# vesk package that this test did not install is left alone (the test is skipped).
set -eu
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
tree_vesk=$1
out=$2

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing the package needs root"
  exit 77
fi
for tool in dpkg-buildpackage dh lintian desktop-file-validate appstreamcli go-md2man setpriv; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "FAIL: $tool is missing (./build.sh test installs the packaging tools)" >&2
    exit 1
  fi
done

exec 9>/run/lock/vesk-package-test.lock
flock -w 1800 9
marker=/var/lib/vesk-package-test.installed
installed() { dpkg-query -W -f='${Status}' vesk 2>/dev/null | grep -q "install ok installed"; }
if installed && [ ! -e "$marker" ]; then
  echo "skipped: a vesk package that this test did not install is on this machine"
  exit 77
fi

scratch=$(mktemp -d)
purge() {
  if [ -e "$marker" ]; then
    apt-get -o DPkg::Lock::Timeout=900 purge -y -q vesk >"$scratch/purge.log" 2>&1 ||
      cat "$scratch/purge.log" >&2
    installed || rm -f "$marker"
  fi
}
cleanup() {
  purge
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# A run that was killed before it could purge leaves its marker: start from a clean machine.
purge

started=$(date +%s)
if ! "$source_dir/packaging/make-deb.sh" "$out" >"$scratch/build.log" 2>&1; then
  tail -40 "$scratch/build.log" >&2
  fail "the package does not build"
fi
deb=$(tail -n 1 "$scratch/build.log")
[ -f "$deb" ] || fail "make-deb.sh did not end with the package's path: $deb"
echo "built $deb ($(stat -c %s "$deb") bytes) in $(($(date +%s) - started)) s"

# Debian's own checks of the source and binary packages: no error, no warning.
lintian --fail-on error,warning "${deb%.deb}.changes" || fail "lintian reports errors or warnings"
# The folder the package was built in stays out of the program.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/games/vesk | grep -aq "$out/vesk-" &&
  fail "the packaged program names the folder it was built in"

touch "$marker"
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -q "$deb" \
  >"$scratch/install.log" 2>&1 || {
  cat "$scratch/install.log" >&2
  fail "apt cannot install $deb"
}
dpkg-query -L vesk >"$scratch/files"

desktop-file-validate /usr/share/applications/vesk.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/org.example.vesk.metainfo.xml ||
  fail "appstreamcli validate"
# The metadata, the desktop entry and the icons of the package's own files, as a software centre
# pairs them.
mkdir "$scratch/root"
dpkg-deb -x "$deb" "$scratch/root"
appstreamcli validate-tree --no-net "$scratch/root" || fail "appstreamcli validate-tree"
for size in 16 24 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x$size/apps/vesk.png" ] || fail "no ${size}x$size icon"
done
man -l /usr/share/man/man6/vesk.6.gz >/dev/null || fail "the manual page does not format"
# A Korean player: the Korean manual (what LANG=ko_KR.UTF-8 man vesk shows) and the Korean
# messages (LANGUAGE=ko needs no generated Korean locale).
[ "$(man -L ko -w vesk)" = /usr/share/man/ko/man6/vesk.6.gz ] || fail "no Korean manual page"
LANG=C.UTF-8 man -l /usr/share/man/ko/man6/vesk.6.gz | grep -q "게임 방법" || fail "the Korean manual page"
env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 LANGUAGE=ko /usr/games/vesk --help | grep -q "사용법" ||
  fail "the installed game does not speak Korean"

# A player walks from / : the installed game finds its data on its own, reads it where the package
# put it (read-only), writes nothing into the player's folders, and draws what the build tree's
# game draws.
player="$scratch/player"
chmod 755 "$scratch"
mkdir -p "$player"
cp "$source_dir/docs/walking.script" "$player/walk.script"
chown -R nobody:nogroup "$player"
(cd / && setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env HOME="$player" XDG_DATA_HOME="$player/data" XDG_CONFIG_HOME="$player/config" \
  SDL_VIDEODRIVER=dummy /usr/games/vesk --headless --script "$player/walk.script" \
  --screenshot "$player/installed.png") || fail "the installed game does not run from /"
[ ! -e "$player/data" ] || fail "the installed game wrote into the player's data folder"
SDL_VIDEODRIVER=dummy "$tree_vesk" --headless --script "$player/walk.script" \
  --data "$source_dir/data" --screenshot "$scratch/tree.png" || fail "the build tree's game"
cmp "$player/installed.png" "$scratch/tree.png" ||
  fail "the installed game draws another picture than the build tree's"

purge
if installed || dpkg-query -W -f='${Status}' vesk 2>/dev/null | grep -q "config-files"; then
  fail "vesk is still installed after apt purge"
fi
left=""
while read -r path; do
  # Folders such as /usr/share/icons/hicolor/16x16/apps belong to other packages too.
  if [ -e "$path" ] && { [ ! -d "$path" ] || echo "$path" | grep -q vesk; }; then
    left="$left $path"
  fi
done <"$scratch/files"
[ -z "$left" ] || fail "apt purge left files behind:$left"
echo "package built, checked, installed, played and purged in $(($(date +%s) - started)) s"
