#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as it is installed and packaged: the AppStream metadata is valid, `cmake --install`
# of this build into a temporary prefix lays everything out in its standard place (the program
# in games/, its manual pages, copyright file and changelog beside it, a valid menu entry that
# starts it by its full path), the installed program, started from another working directory,
# shows its icon and plays a won game by keyboard with its sounds found beside it; and the
# Debian package, made from this same build as `make package` makes it, installs under /usr,
# carries version 1.00, the installed files and the run-time packages the library scan cannot
# see, and passes lintian without an error or a warning.
#
# usage: packaging.test.sh <brendelquiz program> <build directory>
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/desk/lib.sh"

build_dir="$(cd "${2:?usage: packaging.test.sh <program> <build directory>}" && pwd)"
packaging="$here/../packaging"
ulimit -c 0

desk_need desktop-file-validate appstreamcli cmake cpack dpkg-deb lintian xdotool xprop pactl
desk_init

# 1. The AppStream metadata as it is kept in the repository.
appstreamcli validate --no-net "$packaging/de.quellmark.brendelquiz.metainfo.xml" \
    || fail "the AppStream metainfo file is not valid"

# 2. This build installed into a prefix of its own.
prefix="$DESK_TMP/prefix"
cmake --install "$build_dir" --prefix "$prefix" >"$DESK_TMP/install.log" 2>&1 \
    || { cat "$DESK_TMP/install.log" >&2; desk_fail "cmake --install failed"; }
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
    [ -f "$prefix/$file" ] || fail "cmake --install did not install $prefix/$file"
done
[ -x "$prefix/games/brendelquiz" ] || fail "the installed program is not executable"
# Bitmap icons, when they were made, are PNGs of their folder's size.
for png in "$prefix"/share/icons/hicolor/*x*/apps/brendelquiz.png; do
    [ -f "$png" ] || continue
    size=$(basename "$(dirname "$(dirname "$png")")")
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')
    [ "${width}x${height}" = "$size" ] || fail "the $size icon is ${width}x${height}"
done
desktop-file-validate "$prefix/share/applications/brendelquiz.desktop" \
    || fail "the installed desktop entry is not valid"
appstreamcli validate-tree --no-net "$prefix" >"$DESK_TMP/tree.log" 2>&1 \
    || { cat "$DESK_TMP/tree.log" >&2; fail "the installed tree does not pass appstreamcli validate-tree"; }
grep -qx 'Icon=brendelquiz' "$prefix/share/applications/brendelquiz.desktop" \
    || fail "the desktop entry does not name the installed icon"
grep -qxF "Exec=$prefix/games/brendelquiz" "$prefix/share/applications/brendelquiz.desktop" \
    || fail "the desktop entry does not start the installed program by its full path"

# 3. The installed program, started in another working directory, shows its icon and plays a
# won game; its sounds can only be found under the prefix's share folder. The sound server's
# streams name the files played.
desk_start_xvfb
desk_start_pulse
while sleep 0.05; do pactl list sink-inputs 2>/dev/null | sed -n 's/^\t*media.filename = "\(.*\)"$/\1/p'; done \
    >"$DESK_TMP/played" &
DESK_PIDS+=($!)
NAME="Jürgen Müller"
start_named() {
    (cd / && exec "$prefix/games/brendelquiz") >"$DESK_TMP/game.out" 2>"$DESK_TMP/game.err" &
    game=$!
    DESK_PIDS+=("$game")
    wait_until 10 eval 'window=$(desk_window "Herzlich Willkommen zum Brendelquiz"); [ -n "$window" ]' \
        || { cat "$DESK_TMP/game.err" >&2; desk_fail "the installed program showed no welcome window within 10 s"; }
    icon_sizes=$(xprop -id "$window" -notype _NET_WM_ICON 2>/dev/null | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    echo "installed program: welcome window up from /, window icon sizes: ${icon_sizes:-none}"
    [ -n "$icon_sizes" ] || fail "the installed program's window carries no icon"
    wm_class=$(xprop -id "$window" -notype WM_CLASS 2>/dev/null)
    echo "$wm_class" | grep -q '"brendelquiz"' || fail "the window's class ($wm_class) does not match the desktop entry"
    wait_until 5 desk_focused "$window" || desk_fail "the welcome window did not get the keyboard focus"
    key_to "Name?" Return
    type_to "Hallo" "$NAME"
}
key_to() { # TITLE KEY...
    local title="$1" win
    shift
    [ $# -eq 0 ] || xdotool key --delay 30 "$@"
    wait_until 10 eval 'win=$(desk_window "$title"); [ -n "$win" ]' \
        || { cat "$DESK_TMP/game.err" >&2; desk_fail "\"$title\" did not appear after the keys $*"; }
    wait_until 5 desk_focused "$win" || desk_fail "the window \"$title\" did not get the keyboard focus"
}
back_to() { # GONE TITLE
    xdotool key Return
    wait_until 10 eval '[ -z "$(desk_window "$1")" ]' || desk_fail "\"$1\" did not close"
    xdotool windowfocus "$(desk_window "$2")"
    key_to "$2"
}
end_game() {
    xdotool key Return
    wait_until 5 desk_gone "$game" || desk_fail "the installed program did not end on \"Ende\""
    wait "$game" || fail "the installed program ended with status $? on \"Ende\""
}
. "$here/desk/won_game.sh"
play_won_game
sleep 0.2
sort -u "$DESK_TMP/played" >"$DESK_TMP/files"
echo "won game played; sound files played: $(tr '\n' ' ' <"$DESK_TMP/files")"
grep -qxF "$prefix/share/brendelquiz/sounds/wow.wav" "$DESK_TMP/files" \
    || fail "the installed program did not play its sounds from $prefix/share/brendelquiz/sounds"
grep -vq "^$prefix/share/brendelquiz/sounds/" "$DESK_TMP/files" \
    && fail "the installed program played sounds from elsewhere"

# 4. The Debian package, made from this build as `make package` makes it.
started=$SECONDS
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$DESK_TMP/package" >"$DESK_TMP/cpack.log" 2>&1 \
    || { cat "$DESK_TMP/cpack.log" >&2; desk_fail "cpack could not build the Debian package"; }
echo "cpack took $((SECONDS - started)) s"
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
