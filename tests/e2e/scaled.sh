#!/usr/bin/env bash
# A screen at twice the resolution: the program started with Qt's scale factor 2 shows the
# Particle Chamber at twice the size, and its picture after Ctrl+E is exactly the picture of a run
# at scale 1 with every pixel a 2 x 2 block (no blur, no shift).
# Usage: scaled.sh <tracelume binary> [folder for the screenshots]
set -u
binary=$1
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools
e2e_screen=2560x1600x24
e2e_begin "${2:-}"

# Starts the program at scale $1 with seed 7, makes one event and keeps the chamber picture as
# $2, $3 x $4 screen pixels.
event_picture() {
    QT_SCALE_FACTOR=$1 e2e_new_event_picture "$2" "$3x$4" "$binary" --seed 7
    [ "$WIDTH" -ge "$3" ] && [ "$HEIGHT" -ge "$4" ] ||
        fail "at scale $1 the chamber is ${WIDTH} x ${HEIGHT}, not at least $3 x $4"
}

event_picture 1 "$shots/scale-1.png" 640 500
event_picture 2 "$shots/scale-2.png" 1280 1000
convert "$shots/scale-1.png" -scale 200% "$shots/scale-1-blocks.png"
differ=$(compare -metric AE "$shots/scale-1-blocks.png" "$shots/scale-2.png" null: 2>&1 | cut -d' ' -f1)
[ "$differ" = "0" ] && echo "ok: at scale 2 every picture pixel is a sharp 2 x 2 block" ||
    fail "the scale-2 picture differs from the enlarged scale-1 picture in $differ pixels"
colours_1=$(convert "$shots/scale-1.png" -format %k info:)
colours_2=$(convert "$shots/scale-2.png" -format %k info:)
[ "$colours_1" = "$colours_2" ] && echo "ok: no blended colours ($colours_2 colours at both scales)" ||
    fail "scale 1 has $colours_1 colours, scale 2 has $colours_2"
[ "$e2e_failures" -eq 0 ]
