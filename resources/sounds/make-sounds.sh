#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every sound effect of Brendelquiz from scratch with sox and espeak-ng.
#
# All files land next to this script as 16-bit signed PCM, mono, 44100 Hz WAV.
# The output is reproducible: sox runs in repeatable mode (-R), the clap and
# shard timings come from a small fixed-seed generator below, and espeak-ng
# is deterministic. Running the script twice gives byte-identical files.
#
# Usage: resources/sounds/make-sounds.sh
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

for tool in sox soxi espeak-ng; do
    command -v "$tool" >/dev/null || { echo "make-sounds: $tool is missing" >&2; exit 1; }
done

# Final format of every game sound, and a float format for the work files
# so that mixing never clips before the last normalisation.
OUT=(-b 16 -e signed-integer -c 1 -r 44100)
WORK=(-b 32 -e floating-point -c 1 -r 44100)

# sox in repeatable mode, quiet unless something goes wrong.
sx() { sox -R -V1 "$@"; }

# Pseudo random numbers with a fixed seed (a plain LCG, so the result does not
# depend on the shell's own $RANDOM). "rnd N" sets R to a value in 0..N-1.
seed=19770815
R=0
rnd() {
    seed=$(( (seed * 1103515245 + 12345) % 2147483648 ))
    R=$(( (seed / 65536) % $1 ))
}

# Milliseconds -> seconds as sox wants them ("1234" -> "1.234").
sec() { printf '%d.%03d' $(( $1 / 1000 )) $(( $1 % 1000 )); }

# Mixes any number of work files into one (sox -m wants at least two inputs).
mix() {
    local out="$1"; shift
    if [ "$#" -eq 1 ]; then cp "$1" "$out"; else sx -m "$@" "${WORK[@]}" "$out"; fi
}

# tone OUT SECONDS WAVE FREQ [effects...]: one synthesised voice.
tone() {
    local out="$1" len="$2" wave="$3" freq="$4"; shift 4
    sx -n "${WORK[@]}" "$out" synth "$len" "$wave" "$freq" "$@"
}

# say OUT PITCH SPEED TEXT [effects...]: German speech, silence trimmed off
# both ends and resampled to the game's rate.
say() {
    local out="$1" pitch="$2" speed="$3" text="$4"; shift 4
    espeak-ng -v de -p "$pitch" -s "$speed" -w "$tmp/speech.wav" "$text"
    sx "$tmp/speech.wav" "${WORK[@]}" "$out" \
        silence 1 0.005 0.3% reverse silence 1 0.005 0.3% reverse "$@"
}

# finish IN NAME: normalise to -1 dBFS and write the game file.
finish() {
    sx "$1" -t wav "${OUT[@]}" "$here/$2" gain -n -1
}

# A few seconds of white noise that claps and crashes cut their pieces from,
# so that no two claps sound exactly alike.
sx -n "${WORK[@]}" "$tmp/noise.wav" synth 4 whitenoise

# clap OUT START_MS CENTRE_HZ DECAY_MS VOLUME: one hand clap placed at START_MS.
clap() {
    local out="$1" start="$2" centre="$3" decay="$4" volume="$5"
    rnd 3500
    sx "$tmp/noise.wav" "${WORK[@]}" "$out" \
        trim "$(sec "$R")" "$(sec $(( decay + 10 )))" \
        highpass 400 bandpass "$centre" 1.1q \
        fade l 0.001 "$(sec $(( decay + 10 )))" "$(sec "$decay")" \
        vol "$volume" pad "$(sec "$start")"
}

# ---------------------------------------------------------------- pfff
# Air escaping: band-limited noise that sinks in pitch and dies away.
sx -n "${WORK[@]}" "$tmp/pfff.wav" synth 1.3 whitenoise \
    bandpass 3200 1.2k bend 0.15,-1000,1.1 lowpass 7000 \
    fade q 0.04 1.3 1.05
finish "$tmp/pfff.wav" pfff

# ---------------------------------------------------------------- danke
# "Danke!" followed by a soft two-note chime.
say "$tmp/danke-word.wav" 55 150 "Danke!"
tone "$tmp/chime1.wav" 0.9 sine 1318.5 fade l 0.002 0.9 0.88 vol 0.35
tone "$tmp/chime2.wav" 0.9 sine 1975.5 fade l 0.002 0.9 0.88 vol 0.25 pad 0.12
mix "$tmp/chime.wav" "$tmp/chime1.wav" "$tmp/chime2.wav"
sx "$tmp/danke-word.wav" "$tmp/chime.wav" "${WORK[@]}" "$tmp/danke.wav" pad 0.02 0.05
finish "$tmp/danke.wav" danke

# ---------------------------------------------------------------- wow.wav
# A bright rising sweep, then an amazed "Wau!".
tone "$tmp/sweep1.wav" 0.45 sawtooth 260:1400 lowpass 3500 fade q 0.05 0.45 0.12 vol 0.5
tone "$tmp/sweep2.wav" 0.45 sine 520:2800 fade q 0.05 0.45 0.12 vol 0.4
mix "$tmp/sweep.wav" "$tmp/sweep1.wav" "$tmp/sweep2.wav"
say "$tmp/wow-word.wav" 80 120 "Wau!"
sx "$tmp/sweep.wav" "$tmp/wow-word.wav" "${WORK[@]}" "$tmp/wow.wav" pad 0 0.08
finish "$tmp/wow.wav" wow.wav

# ---------------------------------------------------------------- applaus.wav
# A small crowd: fourteen people clapping at their own pace and pitch.
clappers=()
for person in $(seq 1 14); do
    rnd 1600; centre=$(( 800 + R ))
    rnd 40;   decay=$(( 45 + R ))
    rnd 80;   pace=$(( 200 + R ))
    rnd 250;  t=$R
    claps=()
    n=0
    while [ "$t" -lt 2100 ]; do
        rnd 45; volume="0.$(( 55 + R ))"
        clap "$tmp/clap-$person-$n.wav" "$t" "$centre" "$decay" "$volume"
        claps+=("$tmp/clap-$person-$n.wav")
        rnd 60
        t=$(( t + pace + R - 30 ))
        n=$(( n + 1 ))
    done
    mix "$tmp/clapper-$person.wav" "${claps[@]}"
    clappers+=("$tmp/clapper-$person.wav")
done
mix "$tmp/crowd.wav" "${clappers[@]}"
sx "$tmp/crowd.wav" "${WORK[@]}" "$tmp/applaus.wav" \
    reverb 25 50 40 trim 0 2.3 fade q 0.12 2.3 0.7
finish "$tmp/applaus.wav" applaus.wav

# ---------------------------------------------------------------- hupe.wav
# A car horn, "hup - huuup": two detuned buzzing tones, slightly muffled.
horn() {
    local out="$1" len="$2"
    tone "$tmp/horn-a.wav" "$len" square 405 vol 0.5
    tone "$tmp/horn-b.wav" "$len" sawtooth 507 vol 0.5
    mix "$tmp/horn-ab.wav" "$tmp/horn-a.wav" "$tmp/horn-b.wav"
    sx "$tmp/horn-ab.wav" "${WORK[@]}" "$out" \
        overdrive 8 lowpass 2400 fade h 0.01 "$len" 0.03
}
horn "$tmp/hup.wav" 0.2
horn "$tmp/huup.wav" 0.55
sx -n "${WORK[@]}" "$tmp/horn-gap.wav" trim 0 0.07
sx "$tmp/hup.wav" "$tmp/horn-gap.wav" "$tmp/huup.wav" "${WORK[@]}" "$tmp/hupe.wav"
finish "$tmp/hupe.wav" hupe.wav

# ---------------------------------------------------------------- trumpet1.wav
# A short fanfare of our own: a rising G-C-E-G arpeggio, a step back, and a
# long top note. Each note is two slightly detuned sawtooths for a brassy edge.
brass() {
    local out="$1" len="$2" freq="$3"
    local upper
    upper=$(awk -v f="$freq" 'BEGIN { printf "%.2f", f * 1.004 }')
    tone "$tmp/brass-a.wav" "$len" sawtooth "$freq"
    tone "$tmp/brass-b.wav" "$len" sawtooth "$upper"
    mix "$tmp/brass-ab.wav" "$tmp/brass-a.wav" "$tmp/brass-b.wav"
    sx "$tmp/brass-ab.wav" "${WORK[@]}" "$out" \
        lowpass 2600 overdrive 4 fade q 0.02 "$len" 0.05
}
fanfare=()
i=0
for note in "0.14 392.00" "0.14 523.25" "0.14 659.26" "0.20 783.99" "0.12 659.26" "0.95 783.99"; do
    read -r len freq <<<"$note"
    brass "$tmp/fanfare-$i.wav" "$len" "$freq"
    fanfare+=("$tmp/fanfare-$i.wav")
    i=$(( i + 1 ))
done
sx "${fanfare[@]}" "${WORK[@]}" "$tmp/trumpet.wav" tremolo 5.5 8 pad 0 0.35 reverb 35
finish "$tmp/trumpet.wav" trumpet1.wav

# ---------------------------------------------------------------- glass.wav
# Breaking glass: a bright crash, a crack, then shards tinkling down.
sx "$tmp/noise.wav" "${WORK[@]}" "$tmp/crash.wav" trim 0.5 0.4 \
    highpass 2800 highpass 2800 fade l 0.001 0.4 0.38
sx "$tmp/noise.wav" "${WORK[@]}" "$tmp/crack.wav" trim 1.7 0.08 \
    bandpass 1400 1q fade l 0.001 0.08 0.07 vol 0.8
shards=("$tmp/crash.wav" "$tmp/crack.wav")
for k in $(seq 1 12); do
    rnd 4200; freq=$(( 2600 + R ))
    rnd 950;  start=$(( 60 + R ))
    rnd 120;  len=$(( 60 + R ))
    rnd 40;   volume="0.$(( 30 + R ))"
    tone "$tmp/tink-$k.wav" "$(sec "$len")" sine "$freq" \
        fade l 0.001 "$(sec "$len")" "$(sec $(( len - 2 )))" vol "$volume" pad "$(sec "$start")"
    shards+=("$tmp/tink-$k.wav")
done
for k in $(seq 1 6); do
    rnd 3000; offset=$R
    rnd 700;  start=$(( 100 + R ))
    sx "$tmp/noise.wav" "${WORK[@]}" "$tmp/grit-$k.wav" trim "$(sec "$offset")" 0.03 \
        highpass 4500 fade l 0.001 0.03 0.028 vol 0.4 pad "$(sec "$start")"
    shards+=("$tmp/grit-$k.wav")
done
mix "$tmp/glass-mix.wav" "${shards[@]}"
sx "$tmp/glass-mix.wav" "${WORK[@]}" "$tmp/glass.wav" reverb 20 50 30 trim 0 1.3 fade q 0 1.3 0.3
finish "$tmp/glass.wav" glass.wav

# ---------------------------------------------------------------- lachen1.wav
# Mocking laughter "Ha ha ha haaa": short clipped syllables, each a bit lower
# than the last, and a longer one at the end.
laugh=()
i=0
for step in "85 0.17 0.06" "75 0.17 0.06" "65 0.17 0.06" "55 0.40 0"; do
    read -r pitch len gap <<<"$step"
    say "$tmp/ha-$i.wav" "$pitch" 200 "Ha" trim 0 "$len" fade q 0.005 "$len" 0.07 pad 0 "$gap"
    laugh+=("$tmp/ha-$i.wav")
    i=$(( i + 1 ))
done
sx "${laugh[@]}" "${WORK[@]}" "$tmp/lachen1.wav" pad 0 0.05
finish "$tmp/lachen1.wav" lachen1.wav

# ---------------------------------------------------------------- lachen.wav
# A different laugh: a slow, deep, amused "Hö hö hö".
laugh=()
i=0
for step in "30 0.10" "25 0.10" "20 0"; do
    read -r pitch gap <<<"$step"
    say "$tmp/hoe-$i.wav" "$pitch" 150 "Hö" pitch -300 pad 0 "$gap"
    laugh+=("$tmp/hoe-$i.wav")
    i=$(( i + 1 ))
done
sx "${laugh[@]}" "${WORK[@]}" "$tmp/lachen.wav" pad 0 0.05
finish "$tmp/lachen.wav" lachen.wav

# ---------------------------------------------------------------- bond.wav
# A spy-film style sting of our own: a low D minor chord trembling like
# nervous strings, then a sharp D minor seventh stab with a timpani thump.
strings=()
for freq in 73.42 110.00 146.83 174.61; do
    tone "$tmp/low-$freq.wav" 1.1 sawtooth "$freq" lowpass 900
    strings+=("$tmp/low-$freq.wav")
done
mix "$tmp/low-chord.wav" "${strings[@]}"
sx "$tmp/low-chord.wav" "${WORK[@]}" "$tmp/tremble.wav" tremolo 9 70 fade q 0.25 1.1 0.08

stab=()
for freq in 73.42 293.66 349.23 440.00 523.25; do
    tone "$tmp/stab-$freq.wav" 1.0 sawtooth "$freq" lowpass 3000 fade l 0.005 1.0 0.95
    stab+=("$tmp/stab-$freq.wav")
done
tone "$tmp/timpani.wav" 0.6 sine 95:48 fade l 0.002 0.6 0.58 vol 2
stab+=("$tmp/timpani.wav")
mix "$tmp/stab.wav" "${stab[@]}"
sx "$tmp/stab.wav" "${WORK[@]}" "$tmp/stab-brass.wav" overdrive 6
sx "$tmp/tremble.wav" "$tmp/stab-brass.wav" "${WORK[@]}" "$tmp/bond.wav" \
    pad 0 0.3 reverb 40 trim 0 2.4 fade q 0 2.4 0.3
finish "$tmp/bond.wav" bond.wav

# ---------------------------------------------------------------- applaus.oops
# Ironic applause: four slow lonely claps, then "Oops!".
clap "$tmp/slow-1.wav" 0    1300 70 0.9
clap "$tmp/slow-2.wav" 450  1250 70 0.85
clap "$tmp/slow-3.wav" 900  1300 70 0.8
clap "$tmp/slow-4.wav" 1350 1200 70 0.75
mix "$tmp/slow-claps.wav" "$tmp/slow-1.wav" "$tmp/slow-2.wav" "$tmp/slow-3.wav" "$tmp/slow-4.wav"
sx "$tmp/slow-claps.wav" "${WORK[@]}" "$tmp/slow-claps-room.wav" pad 0 0.15 reverb 30
say "$tmp/oops-word.wav" 60 140 "Oops!" vol 0.25
sx "$tmp/slow-claps-room.wav" "$tmp/oops-word.wav" "${WORK[@]}" "$tmp/applaus-oops.wav" pad 0 0.05
finish "$tmp/applaus-oops.wav" applaus.oops

# ---------------------------------------------------------------- oops.wav
# "Hoppla!" and a muted horn sliding down with a wobbling wah-wah.
say "$tmp/hoppla.wav" 60 160 "Hoppla!" pad 0 0.08
tone "$tmp/slide-a.wav" 1.0 sawtooth 440:175 vol 0.5
tone "$tmp/slide-b.wav" 1.0 sawtooth 442:176 vol 0.5
mix "$tmp/slide-ab.wav" "$tmp/slide-a.wav" "$tmp/slide-b.wav"
sx "$tmp/slide-ab.wav" "${WORK[@]}" "$tmp/slide.wav" \
    lowpass 1400 tremolo 5 80 fade q 0.03 1.0 0.25 vol 0.3
sx "$tmp/hoppla.wav" "$tmp/slide.wav" "${WORK[@]}" "$tmp/oops.wav"
finish "$tmp/oops.wav" oops.wav

# ---------------------------------------------------------------- checks
# Every sound must be short, 16-bit mono 44.1 kHz, audible and unclipped.
status=0
for name in pfff danke wow.wav applaus.wav hupe.wav trumpet1.wav glass.wav \
            lachen1.wav lachen.wav bond.wav applaus.oops oops.wav; do
    file="$here/$name"
    len=$(soxi -D "$file")
    fmt="$(soxi -b "$file")/$(soxi -c "$file")/$(soxi -r "$file")/$(soxi -t "$file")"
    peak=$(sox "$file" -n stat 2>&1 | awk '/^Maximum amplitude/ { print $3 }')
    if [ "$fmt" != "16/1/44100/wav" ] \
       || ! awk -v l="$len" -v p="$peak" 'BEGIN { exit !(l > 0.3 && l < 3 && p > 0.5 && p < 1) }'; then
        echo "make-sounds: $name is off: $fmt, ${len}s, peak $peak" >&2
        status=1
    fi
done
exit "$status"
