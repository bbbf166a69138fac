#!/usr/bin/env bash
# Installs what is missing, builds and starts Tracelume.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
events=build/tools/events/tracelume-events
out=$(mktemp -d)
"$events" generate 1 --count 1 -o "$out"
"$events" show "$out/event-0001.cwd"
