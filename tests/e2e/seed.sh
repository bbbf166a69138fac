#!/usr/bin/env bash
# Reproducible events on the real program: two runs started with --seed 11 show the same chamber
# picture after Ctrl+E, and a run with --seed 12 shows another.
# Usage: seed.sh <tracelume binary> [folder for the screenshots]
set -u
binary=$1
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools
e2e_begin "${2:-}"

# Starts the program with seed $1, makes one event and keeps the chamber picture as $2.
event_picture() { e2e_new_event_picture "$2" 640x500 "$binary" --seed "$1"; }

event_picture 11 "$shots/seed-11-first.png"
event_picture 11 "$shots/seed-11-second.png"
event_picture 12 "$shots/seed-12.png"
same=$(compare -metric AE "$shots/seed-11-first.png" "$shots/seed-11-second.png" null: 2>&1 | cut -d' ' -f1)
other=$(compare -metric AE "$shots/seed-11-first.png" "$shots/seed-12.png" null: 2>&1 | cut -d' ' -f1)
[ "$same" = "0" ] && echo "ok: the same seed shows the same event" || fail "the same seed differs in $same pixels"
[ "$other" != "0" ] && echo "ok: another seed shows another event ($other pixels differ)" || fail "another seed shows the same event"
[ "$e2e_failures" -eq 0 ]
