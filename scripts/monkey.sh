#!/usr/bin/env bash
# Installs what is missing, builds the program with AddressSanitizer and UndefinedBehaviorSanitizer
# (in build-asan/, as `scripts/test.sh --sanitize` does) and gives it random input: half of the
# time on a bare X server, half under the openbox window manager.
# Usage: scripts/monkey.sh [SECONDS (default 120)] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
seed=${2:-$RANDOM}
scripts/setup.sh openbox
scripts/build.sh build-asan -DTRACELUME_SANITIZE=ON -DTRACELUME_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
half=$(((seconds + 1) / 2))
bash tests/monkey/monkey.sh build-asan/shell/tracelume build-asan/tests/monkey/tracelume-xping "$half" "" "$seed"
bash tests/monkey/monkey.sh build-asan/shell/tracelume build-asan/tests/monkey/tracelume-xping "$half" --wm "$seed"
