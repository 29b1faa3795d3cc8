#!/usr/bin/env bash
# The voice with a real sound server of its own (PulseAudio with a null sink, in a temporary
# home, stopped by its process id): Read aloud unticked in the middle of a sentence falls
# silent on the sink within 0.1 s, as the walkthrough hears it, and so does Close in the
# middle of a sentence; the server killed and started again, Read aloud comes back.
#   check_pulse.sh WALKTHROUGH
set -euo pipefail
walkthrough=$1
. "$(dirname "$0")/pulse.sh"
use_private_home
start_server
"$walkthrough" --voice "$work" >"$work/walk.out" 2>"$work/walk.err" &
walker=$!
for _ in $(seq 150); do grep -q '^closed' "$work/walk.out" && break; sleep 0.1; done
for what in silent closed; do
    after=$(awk -v what=$what '$1 == what { print $2 }' "$work/walk.out")
    case $after in
    "") echo "the walkthrough did not come to \"$what\""; cat "$work/walk.err"; exit 1 ;;
    -1) echo "nothing was heard before \"$what\""; exit 1 ;;
    esac
    echo "$what: the last sound $after ms after Read aloud was unticked or Close"
    [ "$after" -le 100 ] || exit 1
done

# The server killed: Say again finds it gone and greys Read aloud; started again, it comes
# back by itself.
kill -9 "$server"
wait "$server" 2>/dev/null || true
rm -f "$work/native"
touch "$work/killed"
for _ in $(seq 100); do grep -q '^greyed' "$work/walk.out" && break; sleep 0.1; done
grep -q '^greyed' "$work/walk.out" || { echo "Read aloud was not greyed"; exit 1; }
start_server
if ! wait "$walker"; then
    echo "Read aloud did not come back"; cat "$work/walk.out" "$work/walk.err"; exit 1
fi
echo "silent after the untick and after Close; Read aloud came back after the sound server started again"
