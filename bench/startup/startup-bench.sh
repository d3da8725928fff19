#!/usr/bin/env bash
# Start-up benchmark: starts the bare Qt window and the program alternately and prints the
# medians of CPU time and wall time to the first mapped window, peak memory, and the ratios of
# the program to the bare window; then the time from a tile click to the mapped game window and
# to the end of its first paint, at pixel ratio 1 and 2. Run it by hand on a virtual display,
# from a Release build:
#
#   cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DKOVRA_TESTS=ON
#   cmake --build build/release --target kovra-startup bare-qt-window
#   xvfb-run -a -s '-screen 0 2560x1600x24' bench/startup/startup-bench.sh build/release/bin [runs]
#
# Both programs carry the same probe (StartupProbe.cpp): it reads the process's own CPU time
# (getrusage, user + system, from exec on) and peak resident memory when the window system
# first exposes the window, which it does right after mapping it, and again half a second later
# to show that nothing keeps running. Wall time to the mapped window is measured from the
# moment this script starts the program.
set -euo pipefail

bin=${1:?usage: startup-bench.sh BINDIR [RUNS]}
runs=${2:-10}
[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run" >&2; exit 1; }

# Prints the value of KEY from a line of key=value figures.
field() { tr ' ' '\n' <<<"$2" | sed -n "s/^$1=//p"; }

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

declare -A samples
# Runs one start and keeps its figures under the program's name.
start_once() {
    local name=$1 program=$2 started out
    started=${EPOCHREALTIME/./}
    out=$(QT_SCALE_FACTOR=1 "$bin/$program" 2>/dev/null)
    local mapped_at
    mapped_at=$(field mapped_at_us "$out")
    samples[$name.wall]+="$(awk -v a="$mapped_at" -v b="$started" 'BEGIN { printf "%.1f", (a - b) / 1000 }') "
    samples[$name.cpu]+="$(field mapped_cpu_ms "$out") "
    samples[$name.settled]+="$(field settled_cpu_ms "$out") "
    samples[$name.peak]+="$(field settled_peak_kb "$out") "
}

med() { tr ' ' '\n' <<<"${samples[$1]}" | sed '/^$/d' | median; }

for ((i = 0; i < runs; ++i)); do
    start_once bare bare-qt-window
    start_once kovra kovra-startup
done

echo "start-up, median of $runs runs each"
printf '%-28s %12s %12s %8s\n' "" "bare Qt" "program" "ratio"
for figure in "cpu:CPU time to mapped (ms)" "settled:CPU time settled (ms)" \
              "wall:wall time to mapped (ms)" "peak:peak memory (kB)"; do
    key=${figure%%:*}
    bare=$(med "bare.$key")
    kovra=$(med "kovra.$key")
    printf '%-28s %12s %12s %8s\n' "${figure#*:}" "$bare" "$kovra" "$(ratio "$kovra" "$bare")"
done

echo
echo "click on a tile to the game window mapped, and painted with its cards (ms), $runs runs"
printf '%-22s %15s %15s\n' "" "mapped median" "painted median"
for scale in 1 2; do
    for game in twelve golf poker; do
        mapped=()
        painted=()
        for ((i = 0; i < runs; ++i)); do
            out=$(QT_SCALE_FACTOR=$scale "$bin/kovra-startup" "$game" 2>/dev/null)
            mapped+=("$(field open_mapped_ms "$out")")
            painted+=("$(field open_painted_ms "$out")")
        done
        printf 'pixel ratio %s  %-7s %15s %15s   (painted maximum %s)\n' "$scale" "$game" \
            "$(printf '%s\n' "${mapped[@]}" | median)" "$(printf '%s\n' "${painted[@]}" | median)" \
            "$(printf '%s\n' "${painted[@]}" | sort -g | tail -1)"
    done
done
