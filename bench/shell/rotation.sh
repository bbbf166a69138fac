#!/usr/bin/env bash
# Frames per second of the rotation loop against a bare Qt loop presenting a 640 x 500 image,
# in one run on one private X server (1280 x 1024 x 24, no window manager).
# Usage: bench/shell/rotation.sh [BUILD_DIR]
set -u
cd "$(dirname "$0")/../.."
build=${1:-build}
binary="$build/bench/shell/bench_rotation"
[ -x "$binary" ] || { echo "missing $binary: build first"; exit 1; }
source tests/e2e/lib.sh
e2e_require_tools
e2e_begin ""
"$binary" --benchmark_counters_tabular=true | tee "$e2e_workdir/out.txt"
rotation=$(awk '$1 ~ /^RotationLoop/ { print $NF }' "$e2e_workdir/out.txt")
bare=$(awk '$1 ~ /^BareQtLoop/ { print $NF }' "$e2e_workdir/out.txt")
echo "rotation loop: $rotation frames/s, bare Qt loop: $bare frames/s"
awk -v r="$rotation" -v b="$bare" 'function n(v) { if (v ~ /k\/s$/) return v * 1000; return v + 0 }
    BEGIN { printf "ratio %.2f (goal: at least 0.90)\n", n(r) / n(b) }'
