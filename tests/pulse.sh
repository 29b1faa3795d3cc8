# A PulseAudio of a test's own, sourced by the checks that need one.
#
#   use_private_home            a temporary folder ($work) as HOME and XDG_RUNTIME_DIR, with
#                               PULSE_SERVER pointing there; removed, and the server stopped,
#                               when the script ends
#   start_server [-L MODULE]... the server in $work: no autospawn, a null sink "out" and the
#                               modules given; stopped by its process id ($server)

use_private_home() {
    work=$(mktemp -d)
    server=""
    trap '[ -z "$server" ] || kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
    mkdir -p "$work/home" "$work/run" && chmod 700 "$work/run"
    export HOME=$work/home XDG_RUNTIME_DIR=$work/run PULSE_SERVER=unix:$work/native
    export QT_QPA_PLATFORM=offscreen
}

start_server() {
    command -v pulseaudio >/dev/null || { echo "pulseaudio is not installed"; exit 1; }
    mkdir -p "$work/home" "$work/run" && chmod 700 "$work/run"
    HOME=$work/home XDG_RUNTIME_DIR=$work/run pulseaudio -n --daemonize=no \
        --exit-idle-time=-1 --disallow-exit \
        -L "module-native-protocol-unix socket=$work/native auth-anonymous=1" \
        -L "module-null-sink sink_name=out" "$@" >>"$work/server.log" 2>&1 &
    server=$!
    for _ in $(seq 50); do [ -S "$work/native" ] && return; sleep 0.1; done
    echo "the sound server did not start"; cat "$work/server.log"; exit 1
}
