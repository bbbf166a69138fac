#!/usr/bin/env bash
# The Chamber Controls on the real program, on a private X server driven by xdotool: Ctrl+K shows
# the window; dragging the B knob to the top of its track and letting go, then Ctrl+E, makes an
# event captioned "B = 2 kG, T = 0.6 MeV, L = 5 m."; choosing "1-10" in the range list makes
# the next event's T 1 MeV. Each caption is compared with the caption that tracelume-events
# renders for an event file of the expected conditions.
# Usage: controls.sh <tracelume binary> <tracelume-events binary> [folder for the screenshots]
set -u
binary=$1
events=$2
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools

e2e_begin "${3:-}"

# The white pixels (the caption's letters) of the caption rows of a 640 x 500 chamber picture,
# cut to the letters: the picture in a window and the rendered one need not start at the same
# place. The rows start below the main frame, which covers the chamber's top rows.
caption_mask() {
    convert "$1" -crop 300x20+0+10 +repage -fill black +opaque white -trim +repage "$2"
}

# Whether the chamber in screenshot $1 carries the caption of an event of field $2 kG, energy $3
# MeV and length $4 m. Only the caption's white letters are compared, so dots and box lines in
# those rows do not matter.
shows_caption() {
    local name=$2-$3-$4
    "$events" generate 1 --seed 1 --count 1 --B "$2" --T "$3" --L "$4" -o "$e2e_workdir/$name" >/dev/null &&
        "$events" render "$(ls "$e2e_workdir/$name"/*.cwd | head -n 1)" -o "$e2e_workdir/$name.png" || return 1
    convert "$1" -crop "640x500+$CX+$CY" +repage "$e2e_workdir/shown.png"
    caption_mask "$e2e_workdir/shown.png" "$e2e_workdir/shown-mask.png"
    caption_mask "$e2e_workdir/$name.png" "$e2e_workdir/expected-mask.png"
    local differing
    differing=$(compare -metric AE "$e2e_workdir/shown-mask.png" "$e2e_workdir/expected-mask.png" null: 2>&1 | cut -d' ' -f1)
    echo "caption of B = $2 kG, T = $3 MeV, L = $4 m: $differing pixels differ"
    [ "$differing" = "0" ]
}

press() {
    xdotool key --clearmodifiers "$1"
}

e2e_start_program "Particle Chamber: Empty" "$binary"
sleep 0.5
e2e_window_origin "$chamber"
CX=$X
CY=$Y
e2e_focus "$chamber"

press ctrl+k
controls=$(e2e_wait_window "Chamber Controls" 10) || { echo "FAIL: Ctrl+K did not show the Chamber Controls"; exit 1; }
sleep 0.5
e2e_window_origin "$controls"
echo "controls client origin at $X, $Y"
import -window root -crop "400x310+$X+$Y" +repage "$shots/controls.png"
# The B knob's grey body at B = 0.8 kG: 96 pixels down its track (slider at 26, 24; knob 20
# pixels in).
[ "$(e2e_pixel "$shots/controls.png" 50 $((24 + 96 + 4)))" = "192,192,192" ] || fail "no B knob where B = 0.8 kG puts it"

# Drag the B knob to the top and let go.
e2e_drag_along_column $((X + 51)) $((Y + 24 + 96 + 8)) $((Y + 180)) $((Y + 120)) $((Y + 60)) "$Y"
import -window root -crop "400x310+$X+$Y" +repage "$shots/b-at-top.png"
[ "$(e2e_pixel "$shots/b-at-top.png" 50 $((24 + 4)))" = "192,192,192" ] || fail "the B knob is not at the top"

press ctrl+e
e2e_wait_window "Particle Chamber: Untitled Type 1 Decay" 10 >/dev/null || fail "New Event did not title the chamber"
sleep 1
import -window root "$shots/b-event.png"
shows_caption "$shots/b-event.png" 2 0.6 5 || fail "the event does not have B = 2 kG"

# The range list: open it and choose "1-10", the entry above "0.1-1".
press ctrl+k
sleep 0.5
xdotool mousemove $((X + 190)) $((Y + 20)) click 1
sleep 0.7
import -window root "$shots/range-list.png"
xdotool key Up Return
sleep 0.5
import -window root -crop "400x310+$X+$Y" +repage "$shots/range-chosen.png"
press ctrl+e
sleep 1.5
import -window root "$shots/t-event.png"
shows_caption "$shots/t-event.png" 2 1 5 || fail "choosing 1-10 did not give T = 1 MeV"
echo "screenshots in $shots"

e2e_quit_with_ctrl_q "$chamber"

[ "$e2e_failures" -eq 0 ] || exit 1
echo "PASS"
