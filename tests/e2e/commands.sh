#!/usr/bin/env bash
# The event commands on the real program, on a private X server driven by xdotool: Ctrl+E makes
# an event whose coloured dots appear in the Particle Chamber, Ctrl+R replays it dot by dot,
# Ctrl+G turns the chamber until a click in it, Ctrl+3 then Ctrl+G turns it about Z, and Ctrl+Q
# ends the program with status 0. Screenshots are checked by their pixels and kept.
# Usage: commands.sh <tracelume binary> [folder for the screenshots]
set -u
binary=$1
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools

e2e_begin "${2:-}"

# The chamber's picture (640 x 500 from the client origin) saved as $1.
grab_chamber() {
    import -window root -crop "640x500+$X+$Y" +repage "$1"
}

# Number of pixels of $1 in the four track colours that no box line uses (red, yellow, green,
# blue).
track_pixels() {
    convert "$1" -depth 8 txt:- | grep -ciE "#(FF0000|FFFF00|00FF00|0000FF)"
}

# Number of pixels in which pictures $1 and $2 differ.
differing_pixels() {
    compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

# How many of the 100 pixels of the starting Z axis (column 322, rows 120 to 219 of the chamber
# picture $1) have the axis colour.
z_axis_pixels() {
    convert "$1" -crop 1x100+322+120 -depth 8 txt:- | grep -c "(0,188,0)"
}

press() {
    xdotool key --clearmodifiers "$1"
}

# A fixed seed: a random event can put its dots over the Z axis that the turning checks look at.
e2e_start_program "Particle Chamber: Empty" "$binary" --seed 1
sleep 0.5
e2e_window_origin "$chamber"
echo "chamber client origin at $X, $Y, $WIDTH x $HEIGHT"
e2e_focus "$chamber"

# New Event: the first showing appears at once.
press ctrl+e
e2e_wait_window "Particle Chamber: Untitled Type 1 Decay" 10 >/dev/null || fail "New Event did not title the chamber"
sleep 0.5
grab_chamber "$shots/new-event.png"
shown=$(track_pixels "$shots/new-event.png")
echo "track pixels after New Event: $shown"
[ "$shown" -gt 0 ] || fail "New Event shows no coloured dots"

# Replay: dot by dot, 10 ms a dot. Events at the starting conditions are often short, so New
# Event is repeated until one has enough dots to be caught half drawn.
for _ in $(seq 1 40); do
    [ "$shown" -ge 240 ] && break
    press ctrl+e
    sleep 0.3
    grab_chamber "$shots/new-event.png"
    shown=$(track_pixels "$shots/new-event.png")
done
echo "track pixels of the event to replay: $shown"
press ctrl+r
# Several pictures while the dots are drawn: at least one must show the track part grown.
partial=0
for i in $(seq 1 8); do
    grab_chamber "$shots/replay-part-$i.png"
done
sleep 4
grab_chamber "$shots/replay-done.png"
done_pixels=$(track_pixels "$shots/replay-done.png")
for i in $(seq 1 8); do
    part=$(track_pixels "$shots/replay-part-$i.png")
    echo "track pixels during replay ($i): $part"
    if [ "$part" -gt 0 ] && [ "$part" -lt "$done_pixels" ]; then
        partial=1
    fi
done
echo "track pixels after replay: $done_pixels"
[ "$partial" -eq 1 ] || fail "Replay did not draw the dots one by one"
[ "$(differing_pixels "$shots/new-event.png" "$shots/replay-done.png")" = "0" ] ||
    fail "the replayed picture differs from the first showing"


# Ctrl+3 then Ctrl+G: about Z the vertical axis above the centre (322, 223) stays where it is
# while the rest of the chamber turns.
press ctrl+3
press ctrl+g
sleep 0.5
import -window root "$shots/z-1.png"
sleep 0.5
import -window root "$shots/z-2.png"
grab_chamber "$shots/z-2-chamber.png"
import -window root -crop "640x500+$X+$Y" +repage "$shots/z-1-chamber.png"
# Dots may cross the axis, so most of its pixels, not all, must be there.
for shot in z-1 z-2; do
    on_axis=$(z_axis_pixels "$shots/$shot-chamber.png")
    echo "Z axis pixels in place while turning about Z ($shot): $on_axis of 100"
    [ "$on_axis" -ge 80 ] || fail "the Z axis moved while turning about Z ($shot)"
done
xdotool mousemove $((X + 600)) $((Y + 480)) click 1
sleep 0.3
grab_chamber "$shots/z-stopped.png"
[ "$(differing_pixels "$shots/z-stopped.png" "$shots/new-event.png")" -gt 100 ] || fail "Ctrl+3 Ctrl+G did not turn the chamber"

# Ctrl+1 then Ctrl+G: about X the picture keeps changing, the Z axis leaves its place, and a
# click in the chamber stops it.
e2e_focus "$chamber"
press ctrl+1
press ctrl+g
sleep 0.5
import -window root "$shots/x-1.png"
sleep 0.5
import -window root "$shots/x-2.png"
import -window root -crop "640x500+$X+$Y" +repage "$shots/x-1-chamber.png"
grab_chamber "$shots/x-2-chamber.png"
[ "$(differing_pixels "$shots/x-1-chamber.png" "$shots/x-2-chamber.png")" -gt 100 ] || fail "Ctrl+G did not turn the chamber"
on_axis=$(z_axis_pixels "$shots/x-2-chamber.png")
echo "Z axis pixels in place while turning about X: $on_axis of 100"
[ "$on_axis" -lt 50 ] || fail "the Z axis stayed put while turning about X"
xdotool mousemove $((X + 600)) $((Y + 480)) click 1
sleep 0.5
grab_chamber "$shots/stopped-1.png"
sleep 0.5
grab_chamber "$shots/stopped-2.png"
[ "$(differing_pixels "$shots/stopped-1.png" "$shots/stopped-2.png")" = "0" ] || fail "a click in the chamber did not stop the rotation"
[ "$(track_pixels "$shots/stopped-2.png")" -gt 0 ] || fail "the dots are gone after turning"
echo "screenshots in $shots"

e2e_quit_with_ctrl_q "$chamber"

[ "$e2e_failures" -eq 0 ] || exit 1
echo "PASS"
