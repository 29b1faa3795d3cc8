#!/usr/bin/env bash
# The voice with a real sound server of its own (PulseAudio with a null sink, in a temporary
# home, stopped by its process id): Read aloud unticked in the middle of a sentence falls
# silent on the sink within 0.1 s, as the walkthrough hears it, and so does Close in the
# middle of a sentence; the server killed and started again, Read aloud comes back.
#   check_pulse.sh WALKTHROUGH
set -euo pipefail
walkthrough=$1
for tool in pulseaudio; do
    command -v $tool >/dev/null || { echo "$tool is not installed"; exit 1; }
done
work=$(mktemp -d)
server=""
cleanup() {
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/run" && chmod 700 "$work/run"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run PULSE_SERVER=unix:$work/native
export QT_QPA_PLATFORM=offscreen
start_server() {
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
        -L "module-native-protocol-unix socket=$work/native auth-anonymous=1" \
        -L "module-null-sink sink_name=out" >>"$work/server.log" 2>&1 &
    server=$!
    for _ in $(seq 50); do [ -S "$work/native" ] && return; sleep 0.1; done
    echo "the sound server did not start"; cat "$work/server.log"; exit 1
}
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
