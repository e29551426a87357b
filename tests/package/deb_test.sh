#!/usr/bin/env bash
# Packs the build with cpack into a Debian package, unpacks it with
# dpkg-deb -x (nothing is installed) and checks what it holds: the three
# programs, the demo game, the menu entry, icon and AppStream metadata, a man
# page per program, the copyright notice, and dependencies found by
# dpkg-shlibdeps. Usage: deb_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$2
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x "$build/bin/vetrovay" ] || { echo "skipped: the window is not built"; exit 77; }
rm -rf "$work"
mkdir -p "$work"
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log"
debs=("$work"/*.deb)
deb=${debs[0]}
dpkg-deb -x "$deb" "$work/root"

failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}
root=$work/root
# The programs where this build installs them (scripts/package: /usr/games).
bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
for f in "usr/$bindir/vetrovay" "usr/$bindir/vetrovay-run" "usr/$bindir/vetrovay-check"; do
  [ -x "$root/$f" ] || fail "$f is not in the package"
  file -b "$root/$f" | grep -q "not stripped" && fail "$f is not stripped"
done
for f in usr/share/applications/vetrovay.desktop \
  usr/share/icons/hicolor/256x256/apps/vetrovay.png \
  usr/share/metainfo/io.vetrovay.Vetrovay.metainfo.xml \
  usr/share/man/man6/vetrovay.6.gz usr/share/man/man6/vetrovay-run.6.gz \
  usr/share/man/man6/vetrovay-check.6.gz \
  usr/share/doc/vetrovay/copyright usr/share/doc/vetrovay/changelog.gz \
  usr/share/vetrovay/demo/Data/config/roamkin.cfg \
  usr/share/vetrovay/demo/Data/levels/locations/1.loc \
  usr/share/vetrovay/demo/Data/music/menu.mp3; do
  [ -f "$root/$f" ] || fail "$f is not in the package"
done
# The demo as packed is the demo of the checkout, file for file.
diff -rq "$(dirname "$0")/../../demo/Data" "$root/usr/share/vetrovay/demo/Data" ||
  fail "the packed demo differs from demo/Data"
# Everything under /usr, nothing writable by others.
[ -z "$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files outside /usr"
[ -z "$(find "$root" -perm -o+w ! -type l)" ] || fail "files writable by anyone"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libsdl2-mixer libjpeg62-turbo libc6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/io.vetrovay.Vetrovay.metainfo.xml" ||
    fail "the AppStream metadata does not validate"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/vetrovay.desktop" ||
    fail "the desktop entry does not validate"
fi
[ "$failed" = 0 ] && echo "$(basename "$deb"): contents as expected"
exit "$failed"
