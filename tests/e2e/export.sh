#!/usr/bin/env bash
# Exports the chamber picture at 4x with the real program on a private X server: New Event,
# File > Export Picture..., a name typed without an extension in the real save dialog (its kind
# left at "PNG Picture") and the scale 4 typed into the form that asks for it next. The file must be a PNG of 2560 x 2000 pixels (the 640 x 500
# picture four times over) with the box edges' light blue.
# Usage: export.sh <tracelume binary> [folder for the pictures]
set -u
binary=$1
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools
e2e_begin "${2:-}"

e2e_start_program "Particle Chamber: Empty" "$binary"
e2e_new_event
e2e_file_menu e
dialog=$(e2e_wait_window "Export Picture" 10) || {
    echo "FAIL: File > Export Picture... showed no save dialog"
    import -window root "$shots/export-no-dialog.png"
    exit 1
}
e2e_focus "$dialog"
sleep 0.3
picture="$shots/export-4x"
rm -f "$picture.png"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$picture"
xdotool key --clearmodifiers Return
# The save dialog closes and the scale form, of the same title, takes its place.
sleep 1
form=$(e2e_wait_window "Export Picture" 10) || { echo "FAIL: no scale form after the save dialog"; exit 1; }
e2e_focus "$form"
sleep 0.3
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "4"
xdotool key --clearmodifiers Return

# The file is complete once it reads as a picture.
size=""
for _ in $(seq 1 50); do
    size=$(identify -format '%wx%h' "$picture.png" 2>/dev/null) && [ -n "$size" ] && break
    sleep 0.1
done
if [ -z "$size" ]; then
    echo "FAIL: the dialog wrote no picture $picture.png"
    cat "$e2e_workdir/app.log"
    exit 1
fi
[ "$size" = "2560x2000" ] && echo "ok: the picture is $size" || fail "the picture is $size, not 2560x2000"
convert "$picture.png" -depth 8 -unique-colors txt:- | grep -qi "#33CDFF" || fail "no box edges in the picture"

e2e_quit_with_ctrl_q "$chamber"
[ "$e2e_failures" -eq 0 ] || exit 1
echo "PASS"
