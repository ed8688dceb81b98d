#!/usr/bin/env bash
# Stages the install into a temporary DESTDIR, validates the desktop entry
# and the metainfo, then builds the Debian package and looks inside it.
# Usage: install_check.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
id=io.github.quintet.Quintet
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/root/usr
for f in games/quintet share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$root/$f" ] || fail "missing $f"
done
for s in 16 32 48 64 128 256; do
    f=$root/share/icons/hicolor/${s}x${s}/apps/$id.png
    [ -f "$f" ] || fail "missing the $s pixel icon"
    [ "$(identify -format '%wx%h' "$f")" = "${s}x${s}" ] || fail "the $s pixel icon has the wrong size"
done
desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || fail "metainfo"
echo "ok: install staged and validated"

(cd "$stage" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/pkg" >/dev/null)
deb=$(ls "$stage"/pkg/*.deb)
dpkg-deb -c "$deb" >"$stage/contents"
grep -q '\./usr/games/quintet$' "$stage/contents" || fail "the package has no /usr/games/quintet"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no computed dependency on Qt Widgets"
dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland || fail "qt6-wayland is not recommended"
echo "ok: $(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
echo "1 passed, 0 failed"
