#!/usr/bin/env bash
# Installs what is missing, builds the program with AddressSanitizer and UndefinedBehaviorSanitizer
# (in build-asan/, as `scripts/test.sh --sanitize` does) and gives it random input: half of the
# time on a bare X server, half under the openbox window manager. Then the release program (in
# build/, as `scripts/test.sh` builds it) gets half as long again, with the C library checking its
# heap at every call: memory errors in code the sanitizers do not see (Qt's) show there.
# Every run goes on beside a CPU load on all cores, at the lowest priority, so that the program
# meets the timing of a busy classroom machine.
# Usage: scripts/monkey.sh [SECONDS (default 120)] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
seed=${2:-$RANDOM}
scripts/setup.sh openbox stress gdb
scripts/build.sh build-asan -DTRACELUME_SANITIZE=ON -DTRACELUME_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
scripts/build.sh build

nice -n 19 stress --cpu "$(nproc)" >/dev/null 2>&1 &
load=$!
trap 'kill "$load" 2>/dev/null || true' EXIT

half=$(((seconds + 1) / 2))
monkey() { bash tests/monkey/monkey.sh "$1/shell/tracelume" "$1/tests/monkey/tracelume-xping" "$2" "$3" "$seed"; }
monkey build-asan "$half" ""
monkey build-asan "$half" --wm
MALLOC_CHECK_=3 MALLOC_PERTURB_=165 monkey build "$half" ""
