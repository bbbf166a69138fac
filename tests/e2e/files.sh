#!/usr/bin/env bash
# Event files on the real program, on a private X server driven by xdotool: started with a
# big-endian kind 'P' file named on its command line, it titles the chamber after the file and
# draws the file's dot of colour 2 in light blue; Ctrl+E makes an event, Ctrl+S saves it through
# the real save dialog, and Ctrl+O of the saved file brings its title and points back.
# Usage: files.sh <tracelume binary> <tracelume-events binary> [folder for the screenshots]
set -u
binary=$1
events=$2
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools
e2e_begin "${3:-}"

# Big-endian doubles, byte by byte.
zero='\x00\x00\x00\x00\x00\x00\x00\x00'
one='\x3f\xf0\x00\x00\x00\x00\x00\x00'
# A 'P' file with one point at the centre of the chamber in colour $2 (two bytes, big-endian),
# L = 300 cm, B = 1.2 kG, T = 0.5 MeV.
p_file() {
    {
        printf 'P\x00\x01'
        printf "$zero$zero$zero$one$zero"
        printf "$2"'\x00\x00\x00\x00\x00\x00'
        printf '\x40\x72\xc0\x00\x00\x00\x00\x00'"$zero"
        printf "$zero$zero"'\x3f\xf3\x33\x33\x33\x33\x33\x33'
        printf "$zero$zero$zero"
        printf '\x3f\xe0\x00\x00\x00\x00\x00\x00'
    } >"$1"
}

# Where the point lands: the same file with a red point, drawn by tracelume-events, gives the
# first pixel of its dot in the 640 x 500 picture.
p_file "$e2e_workdir/red.cwd" '\x00\x03'
"$events" render "$e2e_workdir/red.cwd" -o "$e2e_workdir/red.png" >/dev/null || { echo "FAIL: tracelume-events render"; exit 1; }
read -r DX DY < <(convert "$e2e_workdir/red.png" -depth 8 txt:- | grep -m 1 -i "#FF0000" | sed 's/^\([0-9]*\),\([0-9]*\):.*/\1 \2/')
[ -n "${DX:-}" ] || { echo "FAIL: no red dot in the rendered picture"; exit 1; }
echo "the dot lands at ($DX, $DY) of the picture"

p_file "$e2e_workdir/kind-p.cwd" '\x00\x02'
e2e_start_program "Particle Chamber: kind-p" "$binary" "$e2e_workdir/kind-p.cwd"
echo "ok: the file on the command line titles the chamber"
sleep 0.5
e2e_window_origin "$chamber"
import -window root "$shots/files-opened.png"
e2e_expect_pixel "$shots/files-opened.png" $((X + DX)) $((Y + DY)) "51,205,255" "the dot of colour 2"

# Types a path into the file dialog titled $1 and accepts it.
answer_dialog() {
    local dialog
    dialog=$(e2e_wait_window "$1" 10) || { fail "no dialog titled \"$1\""; return 1; }
    e2e_focus "$dialog"
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key --clearmodifiers Return
}

e2e_focus "$chamber"
xdotool key --clearmodifiers ctrl+e
e2e_wait_window "Particle Chamber: Untitled Type 1 Decay" 10 >/dev/null || fail "New Event did not title the chamber"
sleep 0.5
import -window root -crop "640x500+$X+$Y" +repage "$e2e_workdir/made.png"
xdotool key --clearmodifiers ctrl+s
answer_dialog "Save As" "$e2e_workdir/saved"
e2e_wait_window "Particle Chamber: saved" 10 >/dev/null || fail "Save As did not title the chamber"
saved="$e2e_workdir/saved.cwd"
if [ -f "$saved" ] && [ $((($(stat -c %s "$saved") - 53) % 48)) -eq 0 ] && [ "$(head -c 1 "$saved")" = "W" ]; then
    echo "ok: Save As wrote a kind 'W' file of $(stat -c %s "$saved") bytes"
else
    fail "Save As did not write $saved"
fi

e2e_focus "$chamber"
xdotool key --clearmodifiers ctrl+e
e2e_wait_window "Particle Chamber: Untitled Type 1 Decay" 10 >/dev/null || fail "the second New Event did not title the chamber"
xdotool key --clearmodifiers ctrl+o
answer_dialog "Open" "$saved"
e2e_wait_window "Particle Chamber: saved" 10 >/dev/null || fail "Open did not title the chamber"
sleep 0.5
import -window root -crop "640x500+$X+$Y" +repage "$shots/files-reopened.png"
differing=$(compare -metric AE "$e2e_workdir/made.png" "$shots/files-reopened.png" null: 2>&1 | cut -d' ' -f1)
# Only the title differs in the window; the picture is the saved event's.
[ "$differing" = "0" ] && echo "ok: the reopened event looks as it was saved" ||
    fail "the reopened picture differs from the saved event's in $differing pixels"

e2e_quit_with_ctrl_q "$chamber"
[ "$e2e_failures" -eq 0 ]
