#!/usr/bin/env bash
# Prints the chamber with the real program on a private X server: New Event, File > Print...,
# the print dialog accepted as it comes, and the keyboard still works afterwards. Without a printer the dialog offers the event's PDF, type-1-seed-5-event-1.pdf, in the
# current folder; that PDF must hold one page with the date line, the title and the conditions
# in its text, and dark lines and dots on white in its picture.
# Usage: print.sh <tracelume binary> [folder to print in]
set -u
binary=$(realpath "$1")
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools
for tool in pdftotext pdftoppm pdfinfo; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool (poppler-utils) is not installed"
        exit "$e2e_skip"
    fi
done

e2e_workdir=$(mktemp -d)
folder=${2:-$e2e_workdir/print}
mkdir -p "$folder"
rm -f "$folder/type-1-seed-5-event-1.pdf"
trap e2e_cleanup EXIT
e2e_start_xvfb

(cd "$folder" && exec "$binary" --seed 5) >"$e2e_workdir/app.log" 2>&1 &
e2e_app_pid=$!

chamber=$(e2e_wait_window "Particle Chamber: Empty" 20) || { echo "FAIL: no Particle Chamber"; cat "$e2e_workdir/app.log"; exit 1; }
e2e_new_event
e2e_file_menu p
dialog=$(e2e_wait_window "Print" 10) || { echo "FAIL: File > Print... showed no print dialog"; import -window root "$folder/no-dialog.png"; exit 1; }
sleep 0.5
import -window root "$folder/dialog.png"
xdotool key --clearmodifiers Return

pdf="$folder/type-1-seed-5-event-1.pdf"
for _ in $(seq 1 50); do
    [ -s "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1 && break
    sleep 0.1
done
if ! pdfinfo "$pdf" >/dev/null 2>&1; then
    echo "FAIL: accepting the dialog wrote no type-1-seed-5-event-1.pdf in the current folder"
    cat "$e2e_workdir/app.log"
    exit 1
fi
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = "1" ] || fail "the PDF has $pages pages, not one"
text=$(pdftotext -layout "$pdf" -)
echo "$text" | grep -Eq '^ *[A-Z][a-z]{2} [A-Z][a-z]{2} +[0-9]{1,2} [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}' || fail "no date line in: $text"
echo "$text" | grep -q "Particle Chamber: Untitled Type 1 Decay" || fail "no title line in: $text"
echo "$text" | grep -qF "B = 0.8 kG, T = 0.6 MeV, L = 5 m." || fail "no conditions line in: $text"
echo "$text" | grep -qF "Seed 5, event 1" || fail "no seed and event number in: $text"

# The picture: some dark pixels (lines and dots), and mostly white paper.
pdftoppm -r 40 -gray -singlefile "$pdf" "$folder/page"
dark=$(convert "$folder/page.pgm" -threshold 50% -negate -format '%[fx:int(mean*w*h)]' info:)
white=$(convert "$folder/page.pgm" -threshold 98% -format '%[fx:mean]' info:)
echo "page: $dark dark pixels, white fraction $white"
[ "$dark" -gt 200 ] || fail "the box and the dots did not print dark ($dark dark pixels)"
awk "BEGIN { exit !($white > 0.9) }" || fail "the paper is not white ($white)"
echo "page pictures in $folder"

# Nothing is clicked after the dialog: the keyboard is back with the program all the same.
xdotool mousemove 1200 1000
xdotool key --clearmodifiers ctrl+p
e2e_wait_window "Projector: .*" 5 >/dev/null && echo "ok: Ctrl+P works after the dialog closed" ||
    fail "keys typed after the print dialog closed reach no window (Ctrl+P showed no Projector)"

e2e_quit_with_ctrl_q "$chamber"

[ "$e2e_failures" -eq 0 ] || exit 1
echo "PASS"
