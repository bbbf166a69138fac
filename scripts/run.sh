#!/usr/bin/env bash
# Installs what is missing, builds and starts Tracelume. Arguments are passed to the program
# (the name of an event file to open).
# Without a display (DISPLAY unset) it starts a private X server, Xvfb :99 with a
# 1280 x 1024 x 24 screen, and runs the program there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: starting Xvfb :99 (1280 x 1024 x 24) and running Tracelume on it."
    echo "Watch it with a VNC viewer or take pictures with: DISPLAY=:99 import -window root shot.png"
    if [ ! -e /tmp/.X99-lock ]; then
        Xvfb :99 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb=$!
        trap 'kill "$xvfb" 2>/dev/null' EXIT
    fi
    export DISPLAY=:99
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
fi
build/shell/tracelume "$@"
