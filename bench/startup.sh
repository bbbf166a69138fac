#!/usr/bin/env bash
# Start-up time of the program against a bare Qt Widgets program, in one run on one private X
# server (1280 x 1024 x 24, no window manager).
#
# Each sample is the time from just before the process is started to its first painted window:
# for tracelume the Particle Chamber (less its fixed 3000 ms splash), for bench/shell/bare_window
# its one 640 x 500 window. Both print "first-paint-us <microseconds since 1970>" when that
# happens; tracelume does so when TRACELUME_REPORT_FIRST_PAINT is set.
#
# Usage: bench/startup.sh [BUILD_DIR] [SAMPLES]
set -u
cd "$(dirname "$0")/.."
build=${1:-build}
samples=${2:-7}
app="$build/shell/tracelume"
bare="$build/bench/shell/bare_window"
splash_us=3000000
for binary in "$app" "$bare"; do
    [ -x "$binary" ] || { echo "missing $binary: build first (scripts/build.sh $build)"; exit 1; }
done

source tests/e2e/lib.sh
e2e_require_tools
e2e_begin ""

now_us() { echo $(($(date +%s%N) / 1000)); }

# Starts $1, waits for its first-paint line, ends it and prints the elapsed microseconds.
sample() {
    local binary=$1 out="$e2e_workdir/out.txt" start pid mark=""
    : >"$out"
    start=$(now_us)
    TRACELUME_REPORT_FIRST_PAINT=1 "$binary" >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 1 300); do
        mark=$(sed -n 's/^first-paint-us \([0-9]*\)$/\1/p' "$out")
        [ -n "$mark" ] && break
        sleep 0.05
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ -n "$mark" ] || { echo "no first paint from $binary" >&2; return 1; }
    echo $((mark - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

app_times=()
bare_times=()
for _ in $(seq 1 "$samples"); do
    t=$(sample "$app") || exit 1
    app_times+=($((t - splash_us)))
    t=$(sample "$bare") || exit 1
    bare_times+=("$t")
done

app_median=$(printf '%s\n' "${app_times[@]}" | median)
bare_median=$(printf '%s\n' "${bare_times[@]}" | median)
echo "tracelume to first chamber paint, less the splash (us): ${app_times[*]}"
echo "bare Qt window to first paint (us):                     ${bare_times[*]}"
echo "median: tracelume $app_median us, bare $bare_median us"
awk -v a="$app_median" -v b="$bare_median" 'BEGIN { printf "ratio %.2f (goal: under 1.30)\n", a / b }'
