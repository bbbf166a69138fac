#!/usr/bin/env bash
# The Projector on the real program, on a private X server driven by xdotool: after Ctrl+E,
# Ctrl+P shows the window titled "Projector: Untitled Type 1 Decay", with the black picture
# pane and the chamber outline in white.
# Usage: projector.sh <tracelume binary> [folder for the screenshots]
set -u
binary=$1
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools
e2e_begin "${2:-}"

e2e_start_program "Particle Chamber: Empty" "$binary"
sleep 0.5
e2e_new_event
xdotool key --clearmodifiers ctrl+p
projector=$(e2e_wait_window "Projector: Untitled Type 1 Decay" 10) || { echo "FAIL: Ctrl+P did not show the Projector"; exit 1; }
sleep 0.5
e2e_window_origin "$projector"
import -window root "$shots/projector.png"
# The outline's left edge runs down column 35 of the pane; column 20 lies outside it.
e2e_expect_pixel "$shots/projector.png" $((X + 35)) $((Y + 200)) "255,255,255" "outline"
e2e_expect_pixel "$shots/projector.png" $((X + 20)) $((Y + 200)) "0,0,0" "pane"

e2e_quit_with_ctrl_q "$projector"
[ "$e2e_failures" -eq 0 ]
