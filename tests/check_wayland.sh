#!/usr/bin/env bash
# Starts the program on a Wayland compositor with no X display (weston's headless
# backend) and with no platform set by hand: it must choose wayland and reach the main
# menu, which the Wayland protocol log shows by its title.
#   check_wayland.sh KERBU_BINARY
set -euo pipefail
kerbu=$1
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill $weston 2>/dev/null || true; rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=kerbu-test \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 50); do [ -S "$runtime/kerbu-test" ] && break; sleep 0.1; done
[ -S "$runtime/kerbu-test" ] || { echo "weston did not start"; cat "$runtime/weston.log"; exit 1; }
set +e
env -u DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$runtime" \
    WAYLAND_DISPLAY=kerbu-test WAYLAND_DEBUG=client timeout 10 "$kerbu" >"$runtime/kerbu.log" 2>&1
set -e
if grep -aq 'set_title("  Kerbu!  ---  4. lecke")' "$runtime/kerbu.log"; then
    echo "the main menu opened on wayland"
else
    echo "the main menu never opened:"; grep -av '^\[' "$runtime/kerbu.log" | head -20; exit 1
fi
