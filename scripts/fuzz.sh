#!/usr/bin/env bash
# Builds the fuzz targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer and
# fuzzes the event-file reader and the tracelume-events command line side by side for the
# given number of seconds (default 60), then prints each target's executions, coverage and
# peak memory. Fails when a target finds a crash, a leak, a hang or a broken invariant; the
# input that did it is kept in build-fuzz/artifacts/.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: scripts/fuzz.sh [seconds]" >&2; exit 2 ;;
esac
scripts/setup.sh clang libclang-rt-dev

dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTRACELUME_FUZZ=ON -DTRACELUME_SANITIZE=ON -DTRACELUME_BUILD_GUI=OFF -DTRACELUME_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" --target fuzz_event_file fuzz_events_command_line fuzz_seeds

export ASAN_OPTIONS=abort_on_error=0:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$dir/artifacts" "$dir/logs"

# Runs one target in the background; new inputs go to its own corpus folder, which later runs
# start from, and the seeds are read as a second corpus.
start() {
  local target=$1 seeds=$2
  shift 2
  mkdir -p "$dir/corpus/$target"
  "$dir/fuzz/$target" "$dir/corpus/$target" "$dir/fuzz/seeds/$seeds" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$dir/artifacts/$target-" "$@" >"$dir/logs/$target.log" 2>&1 &
}

# One line per target from its log: the executions, the last coverage figures and the peak RSS.
summarise() {
  local target=$1 status=$2 log="$dir/logs/$1.log"
  local execs cov ft rss
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -n 1)
  printf '%-26s %s s: %s executions, coverage %s edges (%s features), peak RSS %s MB, status %s\n' \
    "$target" "$seconds" "${execs:-?}" "${cov:-?}" "${ft:-?}" "${rss:-?}" "$status"
}

start fuzz_event_file event-file
event_pid=$!
start fuzz_events_command_line events-command-line -dict=fuzz/events-command-line.dict
line_pid=$!

failed=0
event_status=0; wait "$event_pid" || event_status=$?
line_status=0; wait "$line_pid" || line_status=$?
for target in fuzz_event_file fuzz_events_command_line; do
  status=$event_status
  [ "$target" = fuzz_events_command_line ] && status=$line_status
  summarise "$target" "$status"
  if [ "$status" -ne 0 ]; then
    failed=1
    echo "---- $target found a fault ($dir/logs/$target.log):"
    grep -v '^#[0-9]' "$dir/logs/$target.log" | tail -n 60
  fi
done
exit "$failed"
