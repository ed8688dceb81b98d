#!/usr/bin/env bash
# Stages the install into a temporary DESTDIR and validates the desktop entry,
# the metainfo and the manual page; then builds the Debian package with
# scripts/package, looks inside it and has lintian check it.
# Usage: install_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
src=$(realpath "$2")
id=io.github.quintet.Quintet
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The install tree, under the prefix the build was configured with.
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
DESTDIR="$stage/root" cmake --install "$build" >/dev/null
root=$stage/root$prefix
for f in games/quintet share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/man/man6/quintet.6; do
    [ -f "$root/$f" ] || fail "missing $f"
done
for s in 16 32 48 64 128 256; do
    f=$root/share/icons/hicolor/${s}x${s}/apps/$id.png
    [ -f "$f" ] || fail "missing the $s pixel icon"
    [ "$(identify -format '%wx%h' "$f")" = "${s}x${s}" ] || fail "the $s pixel icon has the wrong size"
done
desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --pedantic --no-net "$root/share/metainfo/$id.metainfo.xml" || fail "metainfo"
# The menu entry must start the installed binary whatever the user's PATH,
# and so must its action that starts the game with symbols.
execs() { sed -n 's/^Exec=//p' "$1" | tr '\n' '|'; }
exec_line=$(sed -n '1,/^\[Desktop Action/s/^Exec=//p' "$root/share/applications/$id.desktop")
[ "$(execs "$root/share/applications/$id.desktop")" = "$prefix/games/quintet|$prefix/games/quintet --symbols|" ] ||
    fail "Exec lines $(execs "$root/share/applications/$id.desktop"), installed at $prefix/games/quintet"
[ -x "$stage/root$exec_line" ] || fail "Exec=$exec_line is not the installed binary"
echo "ok: install staged under $prefix and validated, Exec=$exec_line, with --symbols for its action"
# Under a prefix with a space the path is quoted, in both Exec lines; a % is
# doubled. Each row: the prefix, then the Exec line's path.
while IFS='|' read -r odd path; do
    cmake -S "$src" -B "$stage/odd" -DBUILD_TESTING=OFF "-DCMAKE_INSTALL_PREFIX=$odd" >/dev/null
    cmake --build "$stage/odd" --target quintet_desktop_files >/dev/null 2>&1 || fail "the menu entry under $odd"
    entry=$stage/odd/$id.desktop
    desktop-file-validate "$entry" || fail "desktop entry under the prefix $odd"
    [ "$(execs "$entry")" = "$path|$path --symbols|" ] || fail "Exec lines under the prefix $odd: $(execs "$entry")"
    echo "ok: under the prefix $odd, Exec=$(sed -n 's/^Exec=//p' "$entry" | tail -n1)"
done <<'EOF'
/opt/my games|"/opt/my games/games/quintet"
/opt/100%|/opt/100%%/games/quintet
EOF

# The manual page: no complaint from groff or man, and the parts a reader needs.
page=$root/share/man/man6/quintet.6
warnings=$( { groff -ww -z -man "$page"; LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$stage/man.txt"; } 2>&1)
[ -z "$warnings" ] || fail "manual page warnings: $warnings"
for w in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT QT_QPA_PLATFORM QT_SCALE_FACTOR; do
    grep -q "^ *$w" "$stage/man.txt" || fail "the manual page has no $w"
done
echo "ok: manual page quintet(6), $(wc -l <"$stage/man.txt") lines rendered"

# Every language: the menu entry's texts and its action, the metainfo's, and
# the manual page, warning-free and with the question keys' letters.
languages=$(cat "$src/resources/translations/LINGUAS")
desktop=$root/share/applications/$id.desktop
for l in $languages; do
    for k in GenericName Comment Keywords; do
        grep -q "^$k\[$l\]=." "$desktop" || fail "the desktop entry has no $k[$l]"
    done
    sed -n '/^\[Desktop Action symbols\]/,$p' "$desktop" | grep -q "^Name\[$l\]=." || fail "the action has no Name[$l]"
    [ "$(grep -c "xml:lang=\"$l\"" "$root/share/metainfo/$id.metainfo.xml")" -ge 5 ] || fail "the metainfo lacks $l"
    page=$root/share/man/$l/man6/quintet.6
    [ -f "$page" ] || fail "no manual page in $l"
    warnings=$( { groff -k -Tutf8 -ww -z -man "$page"; LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$stage/man.$l.txt"; } 2>&1)
    [ -z "$warnings" ] || fail "manual page in $l: $warnings"
    for letter in R O Y G C M X I L S; do
        grep -q "^ *.*\b$letter\b" "$stage/man.$l.txt" || fail "the manual in $l does not name the key $letter"
    done
    grep -q quintet "$stage/man.$l.txt" || fail "the manual in $l"
done
echo "ok: the menu entry, the metainfo and the manual page in" $languages

# The Debian package, as debhelper builds it.
"$src/scripts/package" >/dev/null
deb=$(ls "$src"/build/quintet_*.deb)

# lintian, pedantic and with information tags: no error, no warning, and no
# hardening or manual page tag of any level. Its exit status alone misses
# warnings, so the lines are counted.
lintian -I --pedantic --fail-on none --tag-display-limit 0 "$src"/build/quintet*_*.deb >"$stage/lintian.txt" 2>"$stage/lintian.err" ||
    fail "lintian did not run: $(cat "$stage/lintian.err")"
cat "$stage/lintian.txt"
errors=$(grep -c '^E: ' "$stage/lintian.txt" || true)
warns=$(grep -c '^W: ' "$stage/lintian.txt" || true)
others=$(grep -cE '^[IP]: [^ ]+ (hardening-|manual-page|manpage|bad-whatis)' "$stage/lintian.txt" || true)
[ "$errors$warns$others" = 000 ] || fail "lintian: $errors errors, $warns warnings, $others hardening or manual page tags"
echo "ok: lintian -I --pedantic: 0 errors, 0 warnings, $(wc -l <"$stage/lintian.txt") lines in all"

dbg=$(ls "$src"/build/quintet-dbgsym_*.deb 2>/dev/null) || fail "no -dbgsym package beside $(basename "$deb")"
pkg=$stage/pkg
dpkg-deb -x "$deb" "$pkg"
dpkg-deb -x "$dbg" "$pkg"
[ "$(execs "$pkg/usr/share/applications/$id.desktop")" = "/usr/games/quintet|/usr/games/quintet --symbols|" ] ||
    fail "the package's Exec lines"
[ -f "$pkg/usr/share/man/man6/quintet.6.gz" ] || fail "the package has no manual page"
for l in $languages; do
    [ -f "$pkg/usr/share/man/$l/man6/quintet.6.gz" ] || fail "the package has no manual page in $l"
done
file "$pkg/usr/games/quintet" | grep -q ', stripped' || fail "the binary is not stripped"
buildid=$(readelf -n "$pkg/usr/games/quintet" | sed -n 's/.*Build ID: //p')
[ -f "$pkg/usr/lib/debug/.build-id/${buildid:0:2}/${buildid:2}.debug" ] || fail "no debug symbols for build id $buildid"
readelf -d "$pkg/usr/games/quintet" | grep -q 'FLAGS_1.*NOW.*PIE' || fail "not linked with -z now as a PIE"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no computed dependency on Qt Widgets"
for p in qt6-wayland qt6-translations-l10n fonts-wqy-microhei; do
    dpkg-deb -f "$deb" Recommends | grep -qw $p || fail "$p is not recommended"
done
echo "ok: $(basename "$deb") and $(basename "$dbg"): stripped, debug symbols for $buildid, bindnow, PIE"

echo "1 passed, 0 failed"
