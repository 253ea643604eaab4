#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's sounds through a real sound server: a private PulseAudio whose null sink is
# recorded from its monitor while the game's own sound service (libcanberra on its sound
# thread) plays. Checks that sounds are heard whole, that a new sound cuts the old one off,
# that a missing file gives the desktop's alert sound, and that a hung sound server never
# holds up the game's event loop.
#
# usage: sound.test.sh <brendelquiz program> <build directory>
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/desk/lib.sh"

build_dir="${2:?usage: sound.test.sh <program> <build directory>}"
probe="$build_dir/tests/sound_probe"
sounds="$here/../resources/sounds"
[ -x "$probe" ] || desk_fail "$probe is missing (it is built with the tests)"

desk_need sox soxi parecord awk
desk_init
desk_start_pulse
cd "$DESK_TMP" || exit 1

rms_of() {
    sox "$1" -n stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }'
}
# The time of a request from the probe's "play NAME AT_US CALL_US" lines, in microseconds.
asked_us() {
    awk -v name="$2" '$1 == "play" && $2 == name { t = $3 } END { print t + 0 }' "$1"
}

# recorded WAV LOG WHAT PROBE-ARGUMENTS...: the probe plays its schedule while the sink is recorded.
recorded() {
    local wav="$1" log="$2" what="$3"; shift 3
    desk_record "$wav"
    "$probe" play "$@" >"$log" || { cat "$log" >&2; desk_fail "the sound probe failed while $what"; }
    desk_stop_recording
}
# The first request opens the connection to the server; a short silence does that before
# each measured sound, so that only playing is measured.
sox -n -r 44100 -b 16 -c 1 silence.wav trim 0 0.2

# 1. Whole sounds: the game's own files, including the ones without a ".wav" ending.
for name in pfff danke applaus.oops bond.wav; do
    cp "$sounds/$name" .
    expected=$(heard_ms "$name")
    length_ms=$(awk -v d="$(soxi -D "$name")" 'BEGIN { printf "%d", d * 1000 }')
    recorded "whole-$name.wav" "probe-$name.log" "playing $name" silence.wav@0 "$name@300" --hold $((300 + length_ms + 500))
    heard=$(heard_ms "whole-$name.wav")
    echo "whole sound: $name heard ${heard} ms of ${expected} ms"
    diff=$((heard - expected))
    [ "${diff#-}" -le 30 ] || fail "$name was heard for ${heard} ms, but it is ${expected} ms long"
done

# 2. A new sound stops the one still playing: a long tone is followed after 800 ms by a
#    silent file, so the tone is heard for 800 ms plus the time it took to stop.
sox -n -r 44100 -b 16 -c 1 tone.wav synth 3 square 440 vol 0.5
recorded cut.wav probe-cut.log "cutting a sound short" silence.wav@0 tone.wav@400 silence.wav@1200 --hold 2200
tone_at=$(asked_us probe-cut.log tone.wav)
next_at=$(asked_us probe-cut.log silence.wav)
gap_ms=$(( (next_at - tone_at) / 1000 ))
heard=$(heard_ms cut.wav)
stop_ms=$((heard - gap_ms))
echo "cut short: the tone was heard ${heard} ms for a gap of ${gap_ms} ms between the requests: stopped after ${stop_ms} ms"
[ "$stop_ms" -le 50 ] || fail "the second sound stopped the first only after ${stop_ms} ms (at most 50 ms)"
[ "$stop_ms" -ge -30 ] || fail "the tone was heard only ${heard} ms although the next sound came ${gap_ms} ms after it"

# 3. A name that is not there: the desktop's alert sound instead.
recorded alert.wav probe-alert.log "asking for a missing sound" silence.wav@0 gibt-es-nicht.wav@300 --hold 1500
rms=$(rms_of alert.wav)
heard=$(heard_ms alert.wav)
theme_sound=/usr/share/sounds/freedesktop/stereo/dialog-warning.oga
sox "$theme_sound" -c 1 theme-alert.wav || desk_fail "cannot read the sound theme's $theme_sound"
expected=$(heard_ms theme-alert.wav)
echo "missing sound: heard ${heard} ms of alert sound (RMS ${rms}); the theme's dialog-warning lasts ${expected} ms"
awk -v r="$rms" 'BEGIN { exit !(r > 0.001) }' || fail "a missing sound file gave silence, not the desktop's alert sound"
diff=$((heard - expected))
[ "${diff#-}" -le 30 ] || fail "the alert was heard for ${heard} ms, but the theme's dialog-warning is ${expected} ms long"

# 4. A hung sound server: the event loop keeps running while sounds are asked for.
"$probe" stall --warmup silence.wav --freeze "$DESK_PULSE_PID" --for 2000 \
    tone.wav gibt-es-nicht.wav pfff >probe-stall.log 2>&1 &
probe_pid=$!
DESK_FROZEN+=("$DESK_PULSE_PID")
wait_until 30 desk_gone "$probe_pid" || { kill -KILL "$probe_pid"; desk_fail "the sound probe hung with the sound server frozen"; }
wait "$probe_pid"
probe_status=$?
kill -CONT "$DESK_PULSE_PID" 2>/dev/null
grep -v '^FAIL' probe-stall.log | sed 's/^/frozen server: /'
grep '^FAIL' probe-stall.log >&2
[ "$probe_status" -eq 0 ] || fail "the sound probe ended with status $probe_status with the sound server frozen"
value() { awk -F= -v k="$1" '$1 == k { print $2 }' probe-stall.log; }
requests=$(value requests)
max_gap_us=$(value max_gap_us)
max_call_us=$(value max_call_us)
[ "${requests:-0}" -ge 40 ] || fail "only ${requests:-0} sounds were asked for in 2 s with the server frozen"
[ "$(value sound_thread_stuck)" = 1 ] \
    || fail "the sound thread was not waiting on the frozen server, so the test proved nothing"
[ -n "$max_gap_us" ] && [ "$max_gap_us" -le 50000 ] \
    || fail "the event loop stalled for ${max_gap_us:-?} µs with the sound server frozen (at most 50 ms)"
[ -n "$max_call_us" ] && [ "$max_call_us" -le 50000 ] \
    || fail "asking for a sound took ${max_call_us:-?} µs with the sound server frozen (at most 50 ms)"
[ "$(value recovered)" = 1 ] || fail "the sound thread did not recover within 20 s after the server went on"

desk_verdict
