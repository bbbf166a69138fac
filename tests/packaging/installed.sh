#!/usr/bin/env bash
# Checks Tracelume as the Debian package installed it on this machine: tracelume-events
# --version runs, and the desktop entry's command line for an event file starts the program,
# which shows its Particle Chamber titled with the file's name, on a private X server.
# Usage: installed.sh [X display number; default: a free one]
set -u
source "$(dirname "$0")/../e2e/lib.sh" || exit 1
e2e_require_tools
e2e_workdir=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$e2e_workdir"' EXIT

desktop=/usr/share/applications/tracelume.desktop
[ "$(command -v tracelume)" = /usr/bin/tracelume ] || fail "tracelume is not installed in /usr/bin"
[ -f "$desktop" ] || { echo "FAIL: no $desktop"; exit 1; }
if version=$(tracelume-events --version); then
    echo "ok: $version"
else
    fail "tracelume-events --version"
fi

tracelume-events generate 4 --seed 7 -o "$e2e_workdir/events" >/dev/null || { echo "FAIL: tracelume-events generate"; exit 1; }
file=$e2e_workdir/events/event-0001.cwd

if [ -n "${1:-}" ]; then
    Xvfb ":$1" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$e2e_workdir/xvfb.log" 2>&1 &
    e2e_xvfb_pid=$!
    export DISPLAY=":$1"
    for _ in $(seq 1 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
else
    e2e_start_xvfb
fi

# What a file manager runs for the file: the words of the entry's Exec line, %f replaced by the
# path as one argument.
read -r -a words <<<"$(sed -n 's/^Exec=//p' "$desktop")"
command=()
for word in "${words[@]}"; do
    if [ "$word" = "%f" ]; then command+=("$file"); else command+=("$word"); fi
done
(cd "$e2e_workdir" && exec "${command[@]}") >"$e2e_workdir/app.log" 2>&1 &
e2e_app_pid=$!

chamber=$(e2e_wait_window "Particle Chamber: .*" 30) ||
    { echo "FAIL: the installed program shows no Particle Chamber"; cat "$e2e_workdir/app.log"; exit 1; }
echo "ok: the installed program shows \"$(xdotool getwindowname "$chamber")\""
e2e_wait_window "Particle Chamber: event-0001" 10 >/dev/null ||
    fail "the chamber is not titled with the file the desktop entry passed"
e2e_quit_with_ctrl_q "$chamber"
[ "$e2e_failures" -eq 0 ] || exit 1
echo "ok: the installed package runs"
