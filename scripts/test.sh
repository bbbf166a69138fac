#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
# With --sanitize the same tests run in a second build under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh poppler-utils openbox metacity

if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  scripts/build.sh "$dir" -DTRACELUME_SANITIZE=ON -DTRACELUME_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir=build
  scripts/build.sh "$dir"
fi
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
