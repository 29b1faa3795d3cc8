#!/usr/bin/env bash
# Builds the benchmarks in Release and measures the program against yardsticks in the same
# run, taking turns: a bare Qt Widgets program built with the same flags ("bare-text": one
# window showing one line of text and one SVG picture, the least a window drawing what the
# splash draws can do), and on X a real peer, KWordQuiz, timed like the program by its first
# window mapped. On the offscreen platform, and on X under Xvfb where xvfb-run is installed.
# Prints one table per platform.
#
#   bench/run.sh           the full run (about half a minute per platform)
#   bench/run.sh --quick   a few runs of each, only to see that everything still works
#
# The build goes to build-bench (or $KERBU_BENCH_BUILD); what the programs say on
# stderr goes to bench-<platform>.log there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KERBU_BENCH_BUILD:-$root/build-bench}
quick=""
platform=""
while (($#)); do
    case $1 in
    --quick) quick=--quick ;;
    --platform) platform=$2 && shift ;; # used by the run under Xvfb
    *) echo "usage: $0 [--quick]" >&2 && exit 2 ;;
    esac
    shift
done

# The median of the values of one report line ("name value") in a file.
median() {
    awk -v name="$2" '$1 == name { print $2 }' "$1" | sort -g |
        awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : "nan" }'
}

# The values of one report line, space-separated.
values() {
    awk -v name="$2" '$1 == name { $1 = ""; print substr($0, 2) }' "$1"
}

# Runs one benchmark program, its stderr to the log; the start time for the programs that
# measure from the process start is taken just before.
run() {
    KERBU_BENCH_T0=$EPOCHREALTIME "$@" 2>>"$log" || {
        echo "$* failed on $QT_QPA_PLATFORM; see $log" >&2
        exit 1
    }
}

# Starts a program with a fresh home folder and reports its first window mapped on X.
mapped() {
    local home
    home=$(mktemp -d)
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
        XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home run "$build/bench/kerbu-bench-mapped" "$@"
    rm -rf "$home"
}

# Measures on $QT_QPA_PLATFORM and prints the table.
measure() {
    local bin=$build/bench out
    log=$build/bench-$1.log
    local starts=15
    [ -z "$quick" ] || starts=3
    out=$(mktemp -d)
    : >"$log"
    # Starts of the program and of the bare windows, taking turns.
    for ((i = 0; i < starts; i++)); do
        run "$bin/kerbu-bench-start" >>"$out/ours"
        run "$bin/kerbu-bench-bare" --text >>"$out/text"
        run "$bin/kerbu-bench-bare" >>"$out/bare"
        run "$bin/kerbu-bench-bare" --label >>"$out/label"
    done
    # On X: the program and the peer, each from its start to its first window mapped, each
    # with a fresh home folder.
    local peer=""
    if [ "$1" = xcb ]; then
        if ! command -v kwordquiz >/dev/null; then
            peer="not installed"
        elif [ ! -x "$bin/kerbu-bench-mapped" ]; then
            peer="not measured: kerbu-bench-mapped was not built (the X C binding's headers are missing)"
        else
            for ((i = 0; i < starts; i++)); do
                mapped "$build/kerbu" >>"$out/oursmapped"
                mapped kwordquiz >>"$out/peermapped"
            done
        fi
    fi
    run "$bin/kerbu-bench-inprocess" $quick >"$out/inprocess"
    run "$bin/kerbu-bench-bare" --inprocess $quick >"$out/bareinprocess"
    run "$bin/kerbu-bench-voice" $quick >"$out/voice"
    # The peak memory of the same short run without and with a ten-second recording held.
    local memoryRuns=3
    [ -z "$quick" ] || memoryRuns=1
    for ((i = 0; i < memoryRuns; i++)); do
        run "$bin/kerbu-bench-inprocess" --memory $quick >>"$out/without"
        run "$bin/kerbu-bench-inprocess" --memory --recording $quick >>"$out/withrecording"
    done

    echo
    echo "### $1 ($starts starts each, interleaved)"
    echo
    {
        echo "start $(median "$out/ours" first_paint_ms) $(median "$out/text" first_paint_ms)"
        echo "bare $(median "$out/ours" first_paint_ms) $(median "$out/bare" first_paint_ms)"
        echo "label $(median "$out/ours" first_paint_ms) $(median "$out/label" first_paint_ms)"
        echo "splash $(values "$out/inprocess" splash_menu_ms) $(values "$out/bareinprocess" timer_ms)"
        echo "switch $(values "$out/inprocess" switch_ms) $(values "$out/bareinprocess" switch_ms)"
        echo "key $(values "$out/inprocess" key_ms) $(values "$out/bareinprocess" key_ms)"
        echo "pick $(values "$out/inprocess" pick_per_s)"
        echo "speech $(values "$out/inprocess" speech_ms) $(values "$out/voice" voice_ms)"
        echo "silence $(values "$out/inprocess" silence_ms)"
        echo "record $(values "$out/inprocess" record_ms)"
        echo "recordmemory $(median "$out/withrecording" vmhwm_kb) $(median "$out/without" vmhwm_kb)"
        echo "memory $(values "$out/inprocess" vmhwm_kb) $(median "$out/text" vmhwm_kb)"
        echo "memorybare $(values "$out/inprocess" vmhwm_kb) $(median "$out/bare" vmhwm_kb)"
        if [ -s "$out/peermapped" ]; then
            echo "peerstart $(median "$out/oursmapped" mapped_ms) $(median "$out/peermapped" mapped_ms)"
            echo "peermemory $(median "$out/oursmapped" vmhwm_kb) $(median "$out/peermapped" vmhwm_kb)"
        fi
    } | awk -v peer="$peer" -v platform="$1" '
        function row(measure, ours, bare, ratio, goal, met) {
            printf "| %s | %s | %s | %s | %s | %s |\n", measure, ours, bare, ratio, goal, met
        }
        function yes(ok) { return ok ? "yes" : "**no**" }
        function ms(v) { return sprintf(v < 10 ? "%.2f ms" : "%.1f ms", v) }
        function mb(v) { return sprintf("%.1f MB", v / 1024) }
        BEGIN {
            print "| measure | ours | yardstick | ratio | goal | met? |"
            print "|---|---|---|---|---|---|"
        }
        $1 == "start" {
            row("process start to the splash first painted (median)", ms($2),
                ms($3) " bare-text", sprintf("%.2fx", $2 / $3), "at most 1.15x bare-text",
                yes($2 <= 1.15 * $3))
        }
        $1 == "bare" {
            row("the same, against a bare window that draws nothing (for reference)", ms($2),
                ms($3) " bare", sprintf("%.2fx", $2 / $3), "-", "-")
        }
        $1 == "label" {
            row("the same, against a bare window showing one label (for reference)", ms($2),
                ms($3) " bare-label", sprintf("%.2fx", $2 / $3), "-", "-")
        }
        $1 == "splash" {
            row("splash painted to main menu painted (median, min-max)",
                sprintf("%s (%.1f-%.1f)", ms($2), $3, $4),
                sprintf("%s (%.1f-%.1f)", ms($5), $6, $7), sprintf("%.3fx", $2 / $5),
                "800 ms within 20 ms", yes($3 >= 780 && $4 <= 820))
        }
        $1 == "switch" {
            row("go-to click to the next exercise painted, Read aloud on (median / p95)",
                sprintf("%s / %s", ms($2), ms($3)), sprintf("%s / %s", ms($5), ms($6)),
                sprintf("%.1fx", $2 / $5), "median under 16.7 ms, p95 under 33 ms",
                yes($2 < 16.7 && $3 < 33))
        }
        $1 == "key" {
            row("key press to the translated letter painted, Read aloud on (median / p95)",
                sprintf("%.3f / %.3f ms", $2, $3), sprintf("%.3f / %.3f ms", $4, $5),
                sprintf("%.2fx", $2 / $4), "median under 1 ms", yes($2 < 1))
        }
        $1 == "pick" {
            row("pick with one open item of 80", sprintf("%.2f million/s", $2 / 1e6), "-",
                "-", "at least 1 million/s", yes($2 >= 1e6))
        }
        $1 == "speech" {
            row("Read aloud: Enter on a right answer to the first samples written (median / p95)",
                sprintf("%s / %s", ms($2), ms($3)), ms($5) " bare espeak-ng and output",
                sprintf("%.1fx", $2 / $5), "median under 100 ms", yes($2 < 100))
            sound = $4 && $6 ? "to the sound server" : "to no sound server (none answered: the samples were timed as they came)"
        }
        $1 == "silence" {
            row("Read aloud unticked in the middle of a word to the last samples written (median / p95)",
                sprintf("%s / %s", ms($2), ms($3)), "-", "-", "median under 50 ms", yes($2 < 50))
        }
        $1 == "record" {
            row("Say it yourself: the key that stops the recording to the first samples played back (median / p95)",
                sprintf("%s / %s", ms($2), ms($3)), "-", "-", "median under 100 ms", yes($2 < 100))
            microphone = $4 ? "the sound server'"'"'s default input" : "a stand-in that gives quiet at a microphone'"'"'s pace (the sound server has no microphone)"
        }
        $1 == "recordmemory" {
            row("peak memory (VmHWM) with the longest recording (10 s) held, against the same run without",
                mb($2), mb($3) " without", sprintf("+%.2f MB", ($2 - $3) / 1024),
                "at most 2 MB above", yes($2 - $3 <= 2048))
        }
        $1 == "memory" {
            row("peak memory (VmHWM) after all eight exercises and back to the menu", mb($2),
                mb($3) " bare-text", sprintf("%.2fx", $2 / $3), "at most 1.3x bare-text",
                yes($2 <= 1.3 * $3))
        }
        $1 == "memorybare" {
            row("the same, against the bare window that draws nothing (for reference)", mb($2),
                mb($3) " bare", sprintf("%.2fx", $2 / $3), "-", "-")
        }
        $1 == "peerstart" {
            row("process start to the first window mapped (median)", ms($2),
                ms($3) " KWordQuiz", sprintf("%.2fx", $2 / $3), "at most 1/3 of the peer",
                yes($2 <= $3 / 3))
        }
        $1 == "peermemory" {
            row("peak memory (VmHWM) at the first window mapped", mb($2), mb($3) " KWordQuiz",
                sprintf("%.2fx", $2 / $3), "at most 1/2 of the peer", yes($2 <= $3 / 2))
        }
        END {
            if (sound != "")
                print "\nThe voice rows are timed " sound "."
            if (microphone != "")
                print "\nThe recordings are made from " microphone "."
            if (platform != "xcb")
                print "\nThe peer (KWordQuiz) is timed on X only, by its first window mapped."
            else if (peer != "")
                print "\nThe peer (KWordQuiz) row is left out: " peer "."
        }'
    rm -r "$out"
}

if [ -n "$platform" ]; then
    measure "$platform"
    exit
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target kerbu kerbu-bench-start kerbu-bench-inprocess kerbu-bench-bare \
    kerbu-bench-voice >/dev/null
cmake --build "$build" --target kerbu-bench-mapped >/dev/null 2>&1 || true

# The peer runs on X; installed here when missing, where the machine allows it.
if [ -z "$quick" ] && ! command -v kwordquiz >/dev/null && command -v xvfb-run >/dev/null; then
    echo "Installing the peer KWordQuiz (apt-get install -y kwordquiz) ..." >&2
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo -n"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends kwordquiz \
        >/dev/null 2>&1 || echo "KWordQuiz could not be installed: its rows are left out." >&2
fi

# Where PulseAudio is installed, the voice and the recordings are timed against a sound
# server of the benchmark's own, the same on every machine: a null sink to hear and a null
# sink "mic" whose monitor, remapped, stands in for a microphone as the default input.
if command -v pulseaudio >/dev/null; then
    work=$(mktemp -d)
    . "$root/tests/pulse.sh"
    trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
    start_server -L "module-null-sink sink_name=mic" \
        -L "module-remap-source source_name=microphone master=mic.monitor"
    export PULSE_SERVER=unix:$work/native
    pactl set-default-sink out && pactl set-default-source microphone
fi

echo "## Kerbu benchmarks $(date -u '+%Y-%m-%d %H:%M UTC')${quick:+ (quick)}"
echo
echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p' | head -1)," \
    "Linux $(uname -r), Qt $(qtpaths6 --qt-version 2>/dev/null || echo unknown)," \
    "$(c++ --version | head -1), Release build; load average $(cut -d' ' -f1-3 /proc/loadavg)"

QT_QPA_PLATFORM=offscreen measure offscreen
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        env QT_QPA_PLATFORM=xcb bash "$0" --platform xcb $quick
else
    echo
    echo "(xvfb-run is not installed: no measurement on X)"
fi
