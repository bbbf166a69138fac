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
e2e_workdir=$(mktemp -d)
trap e2e_cleanup EXIT
e2e_start_xvfb
"$binary" --benchmark_counters_tabular=true | tee "$e2e_workdir/out.txt"
flight=$(awk '$1 ~ /^FlightLoop\/40/ { print $(NF - 1) }' "$e2e_workdir/out.txt")
bare=$(awk '$1 ~ /^BareQtLoop/ { print $NF }' "$e2e_workdir/out.txt")
echo "flight loop: $flight steps/s, bare Qt loop: $bare steps/s"
awk -v f="$flight" -v b="$bare" 'function n(v) { if (v ~ /M\/s$/) return v * 1e6; if (v ~ /k\/s$/) return v * 1000; return v + 0 }
    BEGIN { printf "ratio %.2f (goal: at least 0.80)\n", n(f) / n(b) }'
