#!/usr/bin/env bash
# Runs the program under strace and fails on any file it opens for writing outside the
# temporary folder, and on any internet socket; where PulseAudio is installed, once more with
# a sound server of its own and Read aloud used, and once with the learner recorded (Say it
# yourself, as check_record.sh does it).
#   check_no_writes.sh WALKTHROUGH PROGRAM
set -euo pipefail
walkthrough=$1
program=$2
command -v strace >/dev/null || { echo "strace is not installed"; exit 1; }
work=$(mktemp -d)
server=""
trap '[ -z "$server" ] || kill "$server"; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
# Font libraries may refresh their cache; let them do it in the temporary folder.
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Leak checking cannot run under ptrace; the other tests do it.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
calls=open,openat,creat,socket,connect,rename,unlink,mkdir

# The whole road: splash, main menu, an exercise, "&End".
strace -f -qq -e trace=$calls -o "$work/walk.log" "$walkthrough" >/dev/null
# And the program itself, from start to the main menu.
timeout -s TERM 3 strace -f -qq -e trace=$calls -o "$work/run.log" "$program" >/dev/null 2>&1 || true

logs=("$work/walk.log" "$work/run.log")
# The voice through a sound server, whose client keeps its cookie in the (temporary) home.
if command -v pulseaudio >/dev/null; then
    . "$(dirname "$0")/pulse.sh"
    start_server
    HOME=$work/home PULSE_SERVER=unix:$work/native strace -f -qq -e trace=$calls \
        -o "$work/voice.log" "$walkthrough" --read-aloud >/dev/null
    logs+=("$work/voice.log")
    KERBU_WRAP="strace -f -qq -e trace=$calls -o $work/record.log" \
        "$(dirname "$0")/check_record.sh" "$walkthrough" >/dev/null
    logs+=("$work/record.log")
fi

status=0
for log in "${logs[@]}"; do
    [ -s "$log" ] || { echo "no trace in $log"; status=1; continue; }
    writes=$(grep -E 'open(at)?\(.*O_(WRONLY|RDWR|CREAT)|creat\(|rename\(|unlink\(|mkdir\(' "$log" \
        | grep -vE '= -1 ' \
        | grep -vE "\"(/tmp/|/dev/null|/dev/shm/|${work}|${TMPDIR:-/tmp}/)" || true)
    sockets=$(grep -E 'socket\(AF_INET6?,' "$log" || true)
    if [ -n "$writes" ]; then
        echo "files opened for writing ($log):"; echo "$writes"; status=1
    fi
    if [ -n "$sockets" ]; then
        echo "internet sockets ($log):"; echo "$sockets"; status=1
    fi
    echo "$(basename "$log"): $(grep -c . "$log") calls traced"
done
[ $status -eq 0 ] && echo "no files written, no internet sockets"
exit $status
