#!/usr/bin/env bash
# The Trackmaker on the real program, on a private X server driven by xdotool: Trackmaker >
# Activate shows the window; the field knob dragged to the top of its track (+1) and Ctrl+I fire
# an electron at 2V from (0, 220), which draws a white half circle of radius 40 pixels about
# (0, 180) and leaves through the left edge; Clear wipes the area black again. The screenshots
# of the flight are kept in the folder given.
# Usage: trackmaker.sh <tracelume binary> [folder for the screenshots]
set -u
binary=$1
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools
e2e_begin "${2:-}"

# The area's white pixels in screenshot $1 as "x y" lines (area pixels). The rows under the
# main frame's menu strip, which covers the window's top, are left out.
white_pixels() {
    convert "$1" -crop "474x430+$AX+$((AY + 10))" +repage -depth 8 txt:- |
        awk -F'[,: ]+' '/#FFFFFF/ { print $1, $2 + 10 }'
}

"$binary" >"$e2e_workdir/app.log" 2>&1 &
e2e_app_pid=$!

chamber=$(e2e_wait_window "Particle Chamber: Empty" 30) || { echo "FAIL: no Particle Chamber"; cat "$e2e_workdir/app.log"; exit 1; }
frame=$(e2e_wait_window "Tracelume" 10) || { echo "FAIL: no main frame"; exit 1; }
sleep 0.5

# Trackmaker is the sixth title of the menu strip; Activate is its first item.
e2e_window_origin "$frame"
xdotool mousemove $((X + 297)) $((Y + 8)) click 1
sleep 0.6
import -window root -crop 640x200+0+0 +repage "$shots/trackmaker-menu.png"
xdotool mousemove $((X + 310)) $((Y + 30)) click 1
window=$(e2e_wait_window "Trackmaker" 10) || { echo "FAIL: Trackmaker > Activate showed no window"; exit 1; }
sleep 0.5
e2e_window_origin "$window"
AX=$X
AY=$Y
echo "Trackmaker client origin at $AX, $AY"
import -window root -crop "632x480+$AX+$AY" +repage "$shots/activated.png"
# The knob's grey body at field 0: the slider at (480, 23), the knob 20 pixels in, 160 down.
[ "$(e2e_pixel "$shots/activated.png" 510 $((23 + 160 + 8)))" = "192,192,192" ] || fail "no field knob at 0"

# Drag the knob to the top (+1) and let go.
e2e_drag_along_column $((AX + 510)) $((AY + 23 + 160 + 16)) $((AY + 150)) $((AY + 100)) $((AY + 50)) "$AY"
import -window root -crop "632x480+$AX+$AY" +repage "$shots/field-at-top.png"
[ "$(e2e_pixel "$shots/field-at-top.png" 510 $((23 + 8)))" = "192,192,192" ] || fail "the field knob is not at the top"

xdotool key --clearmodifiers ctrl+i
sleep 0.1
import -window root -crop "632x480+$AX+$AY" +repage "$shots/flying.png"
sleep 2
import -window root "$shots/flown.png"
white_pixels "$shots/flown.png" >"$e2e_workdir/track.txt"
# The track is the half circle of radius 40 about (0, 180): it turns upward, reaches x = 40 on
# its right and comes back to the left edge near (0, 140). Each step's length follows the real
# time the step took, so on a busy machine the polygon's corners wander a few pixels off the
# circle; the bounds allow for that.
awk 'BEGIN { n = 0; off = 0; right = 0; top = 999 }
     { n++; d = sqrt($1 * $1 + ($2 - 180) * ($2 - 180)); if (d < 35 || d > 45) off++
       if ($1 > right) right = $1; if ($1 <= 1 && $2 < top) top = $2 }
     END { printf "track: %d white pixels, %d off the circle, rightmost x %d, back at the left edge at y %d\n", n, off, right, top
           exit !(n > 60 && off == 0 && right >= 37 && right <= 43 && top >= 135 && top <= 145) }' "$e2e_workdir/track.txt" ||
    fail "the track is not a half circle of radius 40 leaving on the left"

# Clear, the button at the top right of the view.
xdotool mousemove $((AX + 540)) $((AY + 11)) click 1
sleep 0.5
import -window root "$shots/cleared.png"
left=$(white_pixels "$shots/cleared.png" | wc -l)
[ "$left" -eq 0 ] || fail "Clear left $left white pixels in the area"
[ "$(e2e_pixel "$shots/cleared.png" $((AX + 20)) $((AY + 180)))" = "0,0,0" ] || fail "the area is not black after Clear"
echo "screenshots in $shots"

e2e_quit_with_ctrl_q "$window"

[ "$e2e_failures" -eq 0 ] || exit 1
echo "PASS"
