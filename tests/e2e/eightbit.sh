#!/usr/bin/env bash
# On a 256-colour X display, where no window could be painted, the real program ends at once
# with status 1 and says why on standard error, instead of showing black windows.
# Usage: eightbit.sh <tracelume binary> [folder, unused]
set -u
binary=$1
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools
e2e_screen=1024x768x8
e2e_begin ""
"$binary" >"$e2e_workdir/app.log" 2>&1 &
e2e_app_pid=$!
e2e_wait_exit "$e2e_app_pid" 20 || { echo "FAIL: the program kept running on an 8-bit display"; exit 1; }
e2e_app_pid=""
[ "$e2e_status" -eq 1 ] && echo "ok: it ended with status 1" || fail "it ended with status $e2e_status"
grep -q "8 bits per pixel, on which no window can be painted" "$e2e_workdir/app.log" &&
    echo "ok: it said why" || fail "no reason on standard error: $(cat "$e2e_workdir/app.log")"
[ "$e2e_failures" -eq 0 ]
