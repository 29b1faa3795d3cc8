#!/usr/bin/env bash
# Say it yourself with a sound server of its own (PulseAudio in a temporary home, stopped
# by its process id), a null sink "out" to hear and a null sink "mic" whose monitor, remapped,
# stands in for a microphone as the default input. A second of tone played into "mic" while
# Kerbu records comes back out of "out" before the voice, with the pause between; the quiet
# after it ends the recording; a tone that goes on is cut at ten seconds; the key ends it too;
# the sentence said slowly takes longer; with only a monitor as the default input the item is
# greyed.
#   check_record.sh WALKTHROUGH       (KERBU_WRAP: a command to run the walkthrough under)
set -euo pipefail
walkthrough=$1
. "$(dirname "$0")/pulse.sh"
use_private_home
start_server -L "module-null-sink sink_name=mic" \
    -L "module-remap-source source_name=microphone master=mic.monitor"
pactl set-default-sink out && pactl set-default-source microphone
# A tone of 440 Hz, 16-bit, at 22050 a second, `seconds` long.
tone() {
    python3 -c "import math,struct,sys; n=int(22050*float(sys.argv[1])); sys.stdout.buffer.write(b''.join(struct.pack('<h',int(12000*math.sin(2*math.pi*440*i/22050))) for i in range(n)))" "$1"
}
tone 1 >"$work/second.raw"
tone 12 >"$work/long.raw"
play() { pacat -d mic --raw --format=s16le --rate=22050 --channels=1 "$1"; }
# Waits for the walkthrough's line, or its `count`-th.
waitFor() {
    for _ in $(seq 300); do
        [ "$(grep -c "^$1" "$work/walk.out")" -ge "${2:-1}" ] && return
        sleep 0.1
    done
    echo "the walkthrough did not come to \"$1\""; cat "$work/walk.out" "$work/walk.err"; exit 1
}
${KERBU_WRAP:-} "$walkthrough" --record "$work" >"$work/walk.out" 2>"$work/walk.err" &
walker=$!
# The runs heard after a line's time: "tone" the first one's length, "gap" to the voice.
heard() {
    read -r first second < <(awk -v name="$1" '$1 == name { print $2, $3 }' "$work/walk.out")
    [ -n "$first" ] && [ -n "$second" ] || { echo "the recording and the voice were not both heard"; exit 1; }
    tone=$((${first#*-} - ${first%-*})) gap=$((${second%-*} - ${first#*-}))
    echo "$1: the tone came back for $tone ms; the voice $gap ms after it"
}
waitFor recording
sleep 0.3 # the learner speaks a moment after the tone
play "$work/second.raw"
waitFor said
grep -E '^(played|said)' "$work/walk.out"
# The learner's second of tone first, then after the quiet that ended the recording and the
# pause, the voice.
heard played
[ "$tone" -ge 800 ] && [ "$tone" -le 1300 ] && [ "$gap" -ge 1500 ] || exit 1
grep -q '^said You: [123]\.[0-9] seconds' "$work/walk.out" || exit 1
waitFor recording 2
sleep 0.3
play "$work/long.raw" &
player=$!
waitFor capped
grep '^capped' "$work/walk.out"
grep -qE '^capped You: (10\.[0-9]|9\.[89]) seconds' "$work/walk.out" || exit 1
kill "$player" 2>/dev/null || true
# Ended by the key just after a second of tone: the tone, then after the pause the voice.
waitFor recording 3
sleep 0.3
play "$work/second.raw"
touch "$work/spoken"
waitFor stopped
heard stopped
[ "$tone" -ge 800 ] && [ "$tone" -le 1400 ] && [ "$gap" -ge 500 ] || exit 1
# The sentence said slowly takes at least 1.3 times as long as said at the normal rate.
waitFor slowly
grep -E '^(again|slowly)' "$work/walk.out"
length() { awk -v name="$1" '$1 == name { split($NF, r, "-"); split($2, s, "-"); print r[2] - s[1] }' "$work/walk.out"; }
normal=$(length again) slow=$(length slowly)
echo "the sentence took $normal ms, slowly $slow ms"
[ "$normal" -gt 500 ] && [ $((slow * 10)) -ge $((normal * 13)) ] || exit 1
pactl set-default-source out.monitor
touch "$work/monitor"
waitFor greyed
grep '^greyed' "$work/walk.out"
grep -q '^greyed No microphone' "$work/walk.out" || exit 1
wait "$walker"
