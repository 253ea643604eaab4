# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the desktop-stack test scripts: private servers that live as long as the script.
#
# Source it, then call desk_init. Everything lives in $DESK_TMP and is removed, and every
# server stopped, when the script exits, however it exits.

desk_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# desk_skip WHAT-THE-MACHINE-LACKS: only for a capability missing here (root, mount namespaces),
# never for a server that is installed but fails; `make test` lists every skip.
desk_skip() {
    echo "SKIP: $*" >&2
    exit 77
}

# fail MESSAGE: a failed check; the script goes on to its other checks, and desk_verdict
# ends it with status 1 if any failed.
DESK_FAILURES=0
fail() {
    echo "FAIL: $*" >&2
    DESK_FAILURES=$((DESK_FAILURES + 1))
}

# desk_ended PID LOG WHAT [STATUS]: the program, a child of this shell, ended within 5 s with
# status 0 (or STATUS), and its standard error (LOG) holds no sanitizer report; else a failed
# check about WHAT.
desk_ended() {
    wait_until 5 desk_gone "$1" || { kill -KILL "$1"; fail "$3: still running 5 s later"; }
    wait "$1"
    local status=$?
    [ "$status" -eq "${4:-0}" ] || fail "$3: the program ended with status $status"
    ! grep -E 'Sanitizer|runtime error: ' "$2" >&2 || fail "$3: a sanitizer report (above)"
}

# desk_verdict [WHAT]: exit 1 after any failed check, else "PASS".
desk_verdict() {
    [ "$DESK_FAILURES" -eq 0 ] || exit 1
    echo "PASS${1:+: $1}"
}

DESK_PIDS=()
DESK_FROZEN=()

desk_cleanup() {
    local pid
    # Clean-up goes on to the end whatever fails on the way, even under `set -e`.
    set +e
    # A frozen sound server must be thawed before it can be told to stop.
    for pid in "${DESK_FROZEN[@]}"; do kill -CONT "$pid" 2>/dev/null; done
    for pid in "${DESK_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${DESK_PIDS[@]}"; do
        wait_until 3 desk_gone "$pid" || kill -KILL "$pid" 2>/dev/null
    done
    [ -n "${DESK_TMP:-}" ] && rm -rf "$DESK_TMP"
}

# desk_init: a private temporary home for the script and its servers.
desk_init() {
    DESK_TMP="$(mktemp -d /tmp/bq-desk.XXXXXX)" || desk_fail "cannot make a temporary directory"
    chmod 700 "$DESK_TMP"
    trap desk_cleanup EXIT
    trap 'exit 130' INT TERM
    export HOME="$DESK_TMP/home"
    export XDG_RUNTIME_DIR="$DESK_TMP/runtime"
    mkdir -p -m 700 "$HOME" "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY QT_QPA_PLATFORM
    # No sound server of the surrounding session, and none started behind our back.
    export PULSE_SERVER="unix:$DESK_TMP/no-sound-server"
    printf 'autospawn = no\n' >"$DESK_TMP/pulse-client.conf"
    export PULSE_CLIENTCONFIG="$DESK_TMP/pulse-client.conf"
}

# desk_program PATH: the program at that path, as an absolute path; the script fails if there is none.
#   exe=$(desk_program "$1") || exit 1
desk_program() {
    [ -x "$1" ] || desk_fail "$1 is not a program"
    echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
}

desk_need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || desk_fail "$tool is not installed (make deps installs it)"
    done
}

# wait_until SECONDS COMMAND...: runs the command every 50 ms until it succeeds.
wait_until() {
    local limit=$(( $1 * 20 )); shift
    local i
    for (( i = 0; i < limit; i++ )); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# desk_start_xvfb: a private X server on a free display; exports DISPLAY.
desk_start_xvfb() {
    desk_need Xvfb
    local fifo="$DESK_TMP/xvfb-display"
    : >"$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$fifo" >"$DESK_TMP/xvfb.log" 2>&1 &
    DESK_PIDS+=($!)
    DESK_XVFB_PID=$!
    wait_until 10 test -s "$fifo" || { cat "$DESK_TMP/xvfb.log" >&2; desk_fail "Xvfb did not start within 10 s"; }
    export DISPLAY=":$(head -n1 "$fifo")"
    unset XAUTHORITY
}

# desk_window TITLE: the id of the visible X window with exactly that title, if there is one.
desk_window() {
    local pattern="^$(printf '%s' "$1" | sed 's/[][\.*^$?+(){}|]/\\&/g')\$"
    xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1
}

# desk_focused WINDOW: the X window has the keyboard focus.
desk_focused() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# desk_start_weston: a private Wayland compositor without a screen (weston's headless
# backend), in the private runtime directory; exports WAYLAND_DISPLAY. A weston that cannot
# start fails the script with its own words.
desk_start_weston() {
    desk_need weston
    local socket=bq-test-wl
    weston --backend=headless-backend.so --socket="$socket" --width=1280 --height=1024 --idle-time=0 \
        --log="$DESK_TMP/weston.log" >/dev/null 2>&1 &
    DESK_WESTON_PID=$!
    DESK_PIDS+=("$DESK_WESTON_PID")
    wait_until 10 test -S "$XDG_RUNTIME_DIR/$socket" || {
        cat "$DESK_TMP/weston.log" >&2 2>/dev/null
        desk_fail "weston did not open its socket within 10 s (its log is above)"
    }
    export WAYLAND_DISPLAY="$socket"
}

# desk_start_pulse: a private PulseAudio with one null sink "testsink", kept rendering in
# small blocks by a low-latency reader. Exports PULSE_SERVER; sets DESK_PULSE_PID.
desk_start_pulse() {
    desk_need pulseaudio parec pactl
    local dir="$DESK_TMP/pulse"
    mkdir -p -m 700 "$dir" "$dir/state"
    PULSE_RUNTIME_PATH="$dir" PULSE_STATE_PATH="$dir/state" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
        --log-target=file:"$dir/log" \
        -L "module-null-sink sink_name=testsink" \
        -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" >/dev/null 2>&1 &
    DESK_PULSE_PID=$!
    DESK_PIDS+=("$DESK_PULSE_PID")
    export PULSE_SERVER="unix:$dir/native"
    wait_until 10 pactl info >/dev/null 2>&1 || {
        cat "$dir/log" >&2 2>/dev/null
        desk_fail "the private sound server did not answer within 10 s"
    }
    pactl set-default-sink testsink >/dev/null
    # Without a reader that wants small blocks the null sink renders two seconds at a time.
    parec --device=testsink.monitor --latency-msec=10 --raw >/dev/null 2>&1 &
    DESK_PIDS+=($!)
    sleep 2.2
}

# desk_record FILE: records the sink's monitor until desk_stop_recording.
desk_record() {
    local before
    before=$(desk_recorders)
    parecord --device=testsink.monitor --rate=44100 --channels=1 --format=s16le \
        --file-format=wav --latency-msec=20 "$1" >/dev/null 2>&1 &
    DESK_RECORDER_PID=$!
    DESK_PIDS+=("$DESK_RECORDER_PID")
    # The recorder is listening once its stream exists on the server.
    wait_until 5 eval '[ "$(desk_recorders)" -gt "$before" ]' || desk_fail "parecord did not start within 5 s"
}

desk_recorders() {
    pactl list short source-outputs 2>/dev/null | wc -l
}

desk_stop_recording() {
    kill -INT "$DESK_RECORDER_PID" 2>/dev/null
    wait_until 5 desk_gone "$DESK_RECORDER_PID" || desk_fail "parecord did not stop within 5 s"
    wait "$DESK_RECORDER_PID" 2>/dev/null
}

# heard_ms WAV: how long the sound in a recording lasts, in milliseconds, with the silence
# before and after it cut off; below -80 dB (about 3 steps of 16-bit audio) is silence.
heard_ms() {
    sox "$1" "$DESK_TMP/trimmed.wav" silence 1 0.0005 -80d reverse silence 1 0.0005 -80d reverse 2>/dev/null \
        || { echo 0; return; }
    awk -v d="$(soxi -D "$DESK_TMP/trimmed.wav")" 'BEGIN { printf "%d", d * 1000 + 0.5 }'
}

# desk_gone PID: the process has ended (a child not yet waited for counts as ended).
desk_gone() {
    local state=""
    [ -r "/proc/$1/stat" ] || return 0
    read -r _ _ state _ <"/proc/$1/stat" 2>/dev/null || return 0
    [ "$state" = Z ]
}
