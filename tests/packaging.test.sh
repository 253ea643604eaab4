#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as it is installed and packaged: the desktop entry and the AppStream metadata are
# valid, `cmake --install` lays everything out in its standard place (the program in games/,
# its manual pages, copyright file and changelog beside it), the installed program starts
# from another working directory and shows its icon, and the Debian package, made as `make
# package` makes it, carries version 1.00, the installed files and the run-time packages the
# library scan cannot see, and passes lintian without an error or a warning.
#
# usage: packaging.test.sh <brendelquiz program> <build directory>
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/desk/lib.sh"

build_dir="$(cd "${2:?usage: packaging.test.sh <program> <build directory>}" && pwd)"
packaging="$here/../packaging"
ulimit -c 0

desk_need desktop-file-validate appstreamcli cmake cpack dpkg-deb lintian xdotool xprop
desk_init

# 1. The AppStream metadata as it is kept in the repository, and the desktop entry as this
# build made it.
appstreamcli validate --no-net "$packaging/de.quellmark.brendelquiz.metainfo.xml" \
    || fail "the AppStream metainfo file is not valid"
desktop-file-validate "$build_dir/packaging/brendelquiz.desktop" || fail "brendelquiz.desktop is not valid"

# 2. Installed into a staging directory under the prefix the program was built for.
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
[ -n "$prefix" ] || desk_fail "no CMAKE_INSTALL_PREFIX in $build_dir/CMakeCache.txt"
root="$DESK_TMP/root"
DESTDIR="$root" cmake --install "$build_dir" >"$DESK_TMP/install.log" 2>&1 \
    || { cat "$DESK_TMP/install.log" >&2; desk_fail "cmake --install failed"; }
installed="$root$prefix"
expected_files=(
    games/brendelquiz
    share/applications/brendelquiz.desktop
    share/metainfo/de.quellmark.brendelquiz.metainfo.xml
    share/icons/hicolor/scalable/apps/brendelquiz.svg
    share/man/man6/brendelquiz.6.gz
    share/man/de/man6/brendelquiz.6.gz
    share/doc/brendelquiz/copyright
    share/doc/brendelquiz/changelog.gz
)
for sound in pfff danke wow.wav applaus.wav hupe.wav trumpet1.wav glass.wav lachen1.wav \
             lachen.wav bond.wav applaus.oops oops.wav; do
    expected_files+=("share/brendelquiz/sounds/$sound")
done
for file in "${expected_files[@]}"; do
    [ -f "$installed/$file" ] || fail "cmake --install did not install $prefix/$file"
done
[ -x "$installed/games/brendelquiz" ] || fail "the installed program is not executable"
# Bitmap icons, when they were made, are PNGs of their folder's size.
for png in "$installed"/share/icons/hicolor/*x*/apps/brendelquiz.png; do
    [ -f "$png" ] || continue
    size=$(basename "$(dirname "$(dirname "$png")")")
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')
    [ "${width}x${height}" = "$size" ] || fail "the $size icon is ${width}x${height}"
done
desktop-file-validate "$installed/share/applications/brendelquiz.desktop" \
    || fail "the installed desktop entry is not valid"
appstreamcli validate-tree --no-net "$installed" >"$DESK_TMP/tree.log" 2>&1 \
    || { cat "$DESK_TMP/tree.log" >&2; fail "the installed tree does not pass appstreamcli validate-tree"; }
grep -qx 'Icon=brendelquiz' "$installed/share/applications/brendelquiz.desktop" \
    || fail "the desktop entry does not name the installed icon"
grep -qxF "Exec=$prefix/games/brendelquiz" "$installed/share/applications/brendelquiz.desktop" \
    || fail "the desktop entry does not start the installed program by its full path"
# After the working directory and the program's own folders, the program looks for its
# sounds in the data directory it was built for: that must be where they are installed.
# looks_for_sounds_in PROGRAM FOLDER (the program keeps the path as UTF-16 text)
looks_for_sounds_in() {
    LC_ALL=C grep -qaP "$(printf '%s' "$2" | sed 's/./&\\x00/g')" "$1"
}
looks_for_sounds_in "$installed/games/brendelquiz" "$prefix/share/brendelquiz/sounds" \
    || fail "the installed program does not look for its sounds in $prefix/share/brendelquiz/sounds"

# 3. The installed program starts in another working directory and shows its icon.
desk_start_xvfb
(cd / && exec "$installed/games/brendelquiz") >"$DESK_TMP/game.out" 2>"$DESK_TMP/game.err" &
game=$!
DESK_PIDS+=("$game")
wait_until 10 eval 'window=$(desk_window "Herzlich Willkommen zum Brendelquiz"); [ -n "$window" ]' \
    || { cat "$DESK_TMP/game.err" >&2; desk_fail "the installed program showed no welcome window within 10 s"; }
icon_sizes=$(xprop -id "$window" -notype _NET_WM_ICON 2>/dev/null | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
echo "installed program: welcome window up from /, window icon sizes: ${icon_sizes:-none}"
[ -n "$icon_sizes" ] || fail "the installed program's window carries no icon"
wm_class=$(xprop -id "$window" -notype WM_CLASS 2>/dev/null)
echo "$wm_class" | grep -q '"brendelquiz"' || fail "the window's class ($wm_class) does not match the desktop entry"
kill "$game"
desk_ended "$game" "$DESK_TMP/game.err" "the installed program on SIGTERM"

# 4. The Debian package, made as `make package` makes it: in a build of its own for the prefix
# /usr (a package never installs under /usr/local), kept in the build directory beside this
# build so that a later run only builds what changed.
started=$SECONDS
deb_build="$build_dir/deb"
{ cmake -S "$here/.." -B "$deb_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    && cmake --build "$deb_build" -j2 --target brendelquiz; } >"$DESK_TMP/deb-build.log" 2>&1 \
    || { tail -n 40 "$DESK_TMP/deb-build.log" >&2; desk_fail "the build for the package failed"; }
cpack --config "$deb_build/CPackConfig.cmake" -G DEB -B "$DESK_TMP/package" >"$DESK_TMP/cpack.log" 2>&1 \
    || { cat "$DESK_TMP/cpack.log" >&2; desk_fail "cpack could not build the Debian package"; }
echo "package build and cpack took $((SECONDS - started)) s"
deb=$(ls "$DESK_TMP"/package/brendelquiz_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || desk_fail "cpack made no brendelquiz_*.deb"
version=$(dpkg-deb -f "$deb" Version)
depends=$(dpkg-deb -f "$deb" Depends)
echo "package: $(basename "$deb"), version $version"
echo "depends: $depends"
[ "$version" = "1.00" ] || fail "the package has version $version instead of 1.00"
for needed in libqt6gui6 libqt6svg6 libqt6widgets6 libcanberra0 libcanberra-pulse sound-theme-freedesktop \
              qt6-translations-l10n fonts-liberation fonts-comic-neue fonts-dancingscript libcups2; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$needed\\b" || fail "the package does not depend on $needed"
done
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$DESK_TMP/contents"
for file in "${expected_files[@]}"; do
    grep -qxF "/usr/$file" "$DESK_TMP/contents" || fail "the package does not hold /usr/$file"
done
dpkg-deb -x "$deb" "$DESK_TMP/unpacked"
grep -qxF "Exec=/usr/games/brendelquiz" "$DESK_TMP/unpacked/usr/share/applications/brendelquiz.desktop" \
    || fail "the packaged desktop entry does not start /usr/games/brendelquiz"
looks_for_sounds_in "$DESK_TMP/unpacked/usr/games/brendelquiz" /usr/share/brendelquiz/sounds \
    || fail "the packaged program does not look for its sounds in /usr/share/brendelquiz/sounds"
changelog_version=$(zcat "$DESK_TMP/unpacked/usr/share/doc/brendelquiz/changelog.gz" | head -n1 \
    | sed -n 's/^brendelquiz (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] \
    || fail "the changelog's newest entry is for version ${changelog_version:-none}, the package is $version"

# Debian's own judgement of the package: no error and no warning.
lintian -I --fail-on error,warning "$deb" >"$DESK_TMP/lintian.log" 2>&1
lintian_status=$?
grep -v '^running with root privileges' "$DESK_TMP/lintian.log" >"$DESK_TMP/lintian.tags"
if [ "$lintian_status" -ne 0 ]; then
    cat "$DESK_TMP/lintian.tags" >&2
    fail "lintian found errors or warnings in the package (status $lintian_status)"
else
    echo "lintian: no errors, no warnings"
fi
# Built hardened as every Debian program: lintian only mentions the missing flags as information.
hardening=$(grep -E 'hardening-no-(bindnow|fortify-functions)' "$DESK_TMP/lintian.tags") && fail "not hardened: $hardening"

desk_verdict
