#!/usr/bin/env bash
# Start-up of the program against a bare Qt program showing the same three windows, in one run
# on one private X server (1280 x 1024 x 24, no window manager).
# Usage: bench/shell/startup.sh [BUILD_DIR] [benchmark options...]
set -u
cd "$(dirname "$0")/../.."
build=${1:-build}
shift || true
binary="$build/bench/shell/bench_startup"
[ -x "$binary" ] || { echo "missing $binary: build first (scripts/build.sh $build)"; exit 1; }
source tests/e2e/lib.sh
e2e_require_tools
e2e_begin ""
"$binary" "$@"
