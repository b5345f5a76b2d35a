#!/usr/bin/env bash
# Start-up cost of the desktop program beside a bare Qt window (one QLabel, built by this
# project): the median time from launch to the first window shown, and the median peak
# memory, over several runs each, under a virtual X server. The start screen waits 200 ms
# before it shows itself (it prepares hidden first); that wait is subtracted from the
# program's time.
#   bench/startup.sh [BUILD_FOLDER] [RUNS]
# Needs Xvfb and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-9}
work=$(mktemp -d)
# The X server picks a free display and says which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
display=:$(cat "$work/display")
cp -r "$build/bin/." "$work/"

# One launch: prints "milliseconds-to-first-window peak-kilobytes".
launch() {
    local start end pid hwm
    start=$(date +%s%N)
    DISPLAY=$display QT_QPA_PLATFORM=xcb "$@" >/dev/null 2>&1 &
    pid=$!
    local tries=0
    until DISPLAY=$display xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -gt 2000 ]; then echo "no window from $*" >&2; kill "$pid"; exit 1; fi
        sleep 0.005
    done
    end=$(date +%s%N)
    sleep 0.5
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $hwm"
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

measure() {  # name delay command...
    local name=$1 delay=$2
    shift 2
    : >"$work/$name.txt"
    for _ in $(seq "$runs"); do launch "$@" >>"$work/$name.txt"; done
    local t m
    t=$(cut -d' ' -f1 "$work/$name.txt" | median)
    m=$(cut -d' ' -f2 "$work/$name.txt" | median)
    echo "$((t - delay)) $m"
}

read -r bare_t bare_m < <(measure bare 0 "$work/savanto-bare-window")
read -r prog_t prog_m < <(measure program 200 "$work/Savanto")
printf '%-28s %10s %12s\n' "" "start (ms)" "memory (KiB)"
printf '%-28s %10s %12s\n' "bare Qt window" "$bare_t" "$bare_m"
printf '%-28s %10s %12s\n' "Savanto (less its 200 ms)" "$prog_t" "$prog_m"
awk -v a="$prog_t" -v b="$bare_t" -v c="$prog_m" -v d="$bare_m" \
    'BEGIN {printf "%-28s %10.2f %12.2f\n", "ratio", a / b, c / d}'
echo "medians of $runs runs each"
