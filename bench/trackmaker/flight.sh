#!/usr/bin/env bash
# Steps per second of the Trackmaker flight against a bare Qt loop doing the same drawing, in one
# run on one private X server (1280 x 1024 x 24, no window manager), and the pixels the particle
# moves per step at each speed.
# Usage: bench/trackmaker/flight.sh [BUILD_DIR]
set -u
cd "$(dirname "$0")/../.."
build=${1:-build}
binary="$build/bench/trackmaker/bench_flight"
[ -x "$binary" ] || { echo "missing $binary: build first"; exit 1; }
source tests/e2e/lib.sh
e2e_require_tools
e2e_begin ""
# Seven runs of each, interleaved at random so that a change in the load hits all alike; the
# medians are compared. On a busy machine the wall-clock figures swing
# with what else runs, so the CPU time per step is compared too.
"$binary" --benchmark_counters_tabular=true --benchmark_repetitions=7 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true |
    tee "$e2e_workdir/out.txt"
median() { awk -v name="$1" -v column="$2" '$1 ~ name && $1 ~ /_median$/ { print $column }' "$e2e_workdir/out.txt"; }
flight=$(median '^FlightLoop/40' 7)
bare=$(median '^BareQtLoop/' 7)
every=$(median '^BareQtLoopPresentingEveryStep' 7)
flight_cpu=$(median '^FlightLoop/40' 4)
bare_cpu=$(median '^BareQtLoop/' 4)
for speed in 20 40 60; do
    echo "speed $speed: $(median "^FlightLoop/$speed/" 8) pixels per step"
done
echo "flight loop: $flight steps/s, bare Qt loop with the same drawing: $bare steps/s," \
    "bare Qt loop presenting every step: $every steps/s (medians, wall clock)"
awk -v f="$flight" -v b="$bare" -v e="$every" -v fc="$flight_cpu" -v bc="$bare_cpu" '
    function n(v) { if (v ~ /M\/s$/) return v * 1e6; if (v ~ /k\/s$/) return v * 1000; return v + 0 }
    BEGIN { printf "ratio to the same drawing %.2f (goal: at least 0.80), by CPU time per step %.2f;" \
                   " ratio to presenting every step %.2f\n", n(f) / n(b), bc / fc, n(f) / n(e) }'
