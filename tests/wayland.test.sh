#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on Wayland, on a private compositor without a screen (weston, headless): a won and
# a lost game played through to "Ende", each window given its caption as the title the
# compositor sees; the program itself putting its welcome window there and staying; and on a
# Wayland session of a machine without Qt's Wayland plugin, the program going to X11 without
# a word (that part needs root, for a private view of the file system).
#
# usage: wayland.test.sh <brendelquiz program> <build directory>
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/desk/lib.sh"

exe=$(desk_program "${1:?usage: wayland.test.sh <program> <build directory>}") || exit 1
build_dir="$(cd "${2:?usage: wayland.test.sh <program> <build directory>}" && pwd)"
player="$build_dir/tests/wayland_game"
[ -x "$player" ] || desk_fail "$player is not built"
ulimit -c 0

desk_need xdotool dpkg-query
desk_init
desk_start_weston
welcome="Herzlich Willkommen zum Brendelquiz"

# With WAYLAND_DEBUG=client every request a program sends to the compositor is logged, e.g.
#   [ 1234.567]  -> xdg_toplevel@25.set_title("Herzlich Willkommen zum Brendelquiz")
# Lines that are not such records are the program's own words.
own_words() {
    grep -v '^\[ *[0-9]*\.[0-9]*\] ' "$1"
}
# titled LOG TITLE: a top-level window was given exactly this title.
titled() {
    grep -F -- "set_title(\"$2\")" "$1" | grep -q ' -> xdg_toplevel@'
}
# on_screen LOG TITLE: the window with this title was configured by the compositor, drew into
# its surface, and the compositor put that surface on its screen.
on_screen() {
    local log="$1" toplevel xdg_surface surface
    toplevel=$(grep -F -- "set_title(\"$2\")" "$log" | grep -o 'xdg_toplevel@[0-9]*' | head -n1)
    [ -n "$toplevel" ] || return 1
    xdg_surface=$(grep -F -- "get_toplevel(new id $toplevel)" "$log" | grep -o 'xdg_surface@[0-9]*' | head -n1)
    [ -n "$xdg_surface" ] || return 1
    surface=$(grep -F -- "get_xdg_surface(new id $xdg_surface," "$log" | grep -o 'wl_surface@[0-9]*' | head -n1)
    [ -n "$surface" ] || return 1
    sed -n "/ -> $xdg_surface\\.ack_configure(/,\$p" "$log" | grep -qF -- " -> $surface.attach(wl_buffer@" \
        && grep -qF -- "] $surface.enter(wl_output@" "$log"
}

# 1. A won and a lost game, in-process through the test driver.
# Headless weston has no seat (no keyboard, no pointer) yet offers text input, and Qt 6.4's
# Wayland input method then reads the missing seat on the first key typed into a text box and
# crashes. A player always has a keyboard; the driver types with Qt's compose input method,
# the one the game uses on X11.
started=$(date +%s%N)
QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose WAYLAND_DEBUG=client timeout --signal=KILL 120 "$player" \
    >"$DESK_TMP/games.out" 2>"$DESK_TMP/games.wire"
status=$?
games_ms=$(( ($(date +%s%N) - started) / 1000000 ))
own_words "$DESK_TMP/games.wire" >"$DESK_TMP/games.err"
if [ "$status" -ne 0 ]; then
    cat "$DESK_TMP/games.err" >&2
    fail "the won and the lost game on Wayland ended with status $status"
fi
windows=0
while IFS=$'\t' read -r kind screen title; do
    [ "$kind" = window ] || continue
    windows=$((windows + 1))
    titled "$DESK_TMP/games.wire" "$title" \
        || fail "$screen was shown, but the compositor was never given its caption \"$title\" as a window title"
done <"$DESK_TMP/games.out"
for question in $(seq 1 16); do
    grep -q "^window	frmFrage$question	" "$DESK_TMP/games.out" || fail "question $question was never shown"
done
echo "two games on Wayland: $windows windows shown, each titled with its caption; ${games_ms} ms"

# 2. The program itself, started elsewhere, under both names of Qt's Wayland plugin: its welcome
# window is on the screen and it stays. A signal of the session ends it with status 0, also
# SIGTERM and SIGHUP in quick succession (the second within the windows' wait at the end), and
# the process's end closes its connection to the compositor: Qt's own teardown of it now and then aborts.
mkdir -p "$DESK_TMP/elsewhere"
stay=2 # seconds, the first time
while read -r platform signals; do
    started=$(date +%s%N)
    (cd "$DESK_TMP/elsewhere" && QT_QPA_PLATFORM=$platform WAYLAND_DEBUG=client exec "$exe") \
        >"$DESK_TMP/game.out" 2>"$DESK_TMP/game.wire" &
    game=$!
    DESK_PIDS+=("$game")
    if wait_until 10 on_screen "$DESK_TMP/game.wire" "$welcome"; then
        shown_ms=$(( ($(date +%s%N) - started) / 1000000 ))
        sleep "$stay"
        desk_gone "$game" && fail "$platform: the program ended by itself within $stay s of starting on Wayland"
        echo "$platform: welcome window on the screen after ${shown_ms} ms, still running $stay s later; ending it by $signals"
        stay=0.2
    else
        fail "$platform: the program showed no welcome window on Wayland within 10 s"
    fi
    for signal in ${signals//,/ }; do kill -"$signal" "$game"; sleep 0.01; done
    desk_ended "$game" "$DESK_TMP/game.wire" "$platform, $signals"
    ! grep -q ' -> xdg_wm_base@[0-9]*\.destroy()' "$DESK_TMP/game.wire" \
        || fail "$platform, $signals: the program took its connection to the compositor down itself"
    own_words "$DESK_TMP/game.wire" >"$DESK_TMP/game.err"
    [ -s "$DESK_TMP/game.err" ] && { echo "the program's stderr on Wayland:"; cat "$DESK_TMP/game.err"; }
done <<EOF
wayland TERM
wayland-egl HUP
wayland INT
wayland TERM,HUP
EOF

# 3. A Wayland session with X11 beside it (XWayland) on a machine without Qt's Wayland
# plugin: the program shows its welcome window over X11 and says nothing. The plugin is
# hidden in a private mount namespace, where the platform plugin folder is replaced by a copy
# without it; the machine itself is not touched.
plugin=$(dpkg-query -L qt6-wayland 2>/dev/null | grep '/platforms/libqwayland-generic\.so$' | head -n1)
[ -f "$plugin" ] || desk_fail "Qt's Wayland plugin is not installed (make deps installs qt6-wayland)"
platforms=$(dirname "$plugin")
left_out=
if [ "$(id -u)" -ne 0 ] || ! unshare -m --propagation private true 2>/dev/null; then
    left_out="the run without Qt's Wayland plugin needs root with mount namespaces"
else
    desk_start_xvfb
    mkdir -p "$DESK_TMP/platforms"
    find "$platforms" -maxdepth 1 -name '*.so' ! -name 'libqwayland-*' -exec cp {} "$DESK_TMP/platforms/" \;
    (cd "$DESK_TMP/elsewhere" && exec env -u QT_QPA_PLATFORM unshare -m --propagation private \
        bash -c 'mount --bind "$1" "$2" && [ ! -e "$2/libqwayland-generic.so" ] && exec "$3"' \
        hide "$DESK_TMP/platforms" "$platforms" "$exe") >"$DESK_TMP/x11.out" 2>"$DESK_TMP/x11.err" &
    game=$!
    DESK_PIDS+=("$game")
    if wait_until 10 eval '[ -n "$(desk_window "$welcome")" ]'; then
        echo "without Qt's Wayland plugin: welcome window on X11"
    else
        cat "$DESK_TMP/x11.err" >&2
        fail "without Qt's Wayland plugin the program showed no welcome window on X11 within 10 s"
    fi
    kill "$game" 2>/dev/null
    desk_ended "$game" "$DESK_TMP/x11.err" "without Qt's Wayland plugin, SIGTERM"
    [ -s "$DESK_TMP/x11.err" ] && { cat "$DESK_TMP/x11.err" >&2; fail "without Qt's Wayland plugin the program said something on standard error (above)"; }
fi

[ "$DESK_FAILURES" -eq 0 ] && [ -n "$left_out" ] && desk_skip "$left_out"
desk_verdict
