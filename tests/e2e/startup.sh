#!/usr/bin/env bash
# Starts the real tracelume binary on a private X server (1280 x 1024 x 24, no window manager),
# waits for the menu strip and the Particle Chamber, checks pixels of the first chamber
# picture, and closes the program with Ctrl+Q, which must end it with status 0.
# Usage: startup.sh <tracelume binary> [folder for the screenshot]
set -u
binary=$1
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools

e2e_workdir=$(mktemp -d)
shots=${2:-$e2e_workdir}
trap e2e_cleanup EXIT
e2e_start_xvfb

"$binary" >"$e2e_workdir/app.log" 2>&1 &
e2e_app_pid=$!

frame=$(e2e_wait_window "Tracelume" 20) || { echo "FAIL: no window \"Tracelume\""; cat "$e2e_workdir/app.log"; exit 1; }

# The splash: bitmap 169 (503 x 288) centred on the 1280 x 1024 desktop for three seconds.
splash_bitmap="$(dirname "$0")/../../shell/resources/bitmap169.bmp"
splash_shot="$shots/splash.png"
splash_seen=""
for _ in $(seq 1 20); do
    import -window root -crop 503x288+388+368 +repage "$splash_shot"
    differing=$(compare -metric AE "$splash_shot" "$splash_bitmap" null: 2>&1)
    if [ "$differing" = "0" ]; then
        splash_seen=yes
        break
    fi
    sleep 0.1
done
if [ -n "$splash_seen" ]; then
    echo "ok: the splash shows bitmap 169 centred on the desktop"
else
    echo "FAIL: the splash was not seen centred ($differing pixels differ)"
    e2e_failures=$((e2e_failures + 1))
fi
chamber=$(e2e_wait_window "Particle Chamber: Empty" 20) || { echo "FAIL: no window \"Particle Chamber: Empty\""; cat "$e2e_workdir/app.log"; exit 1; }

# Let the first paint reach the screen before taking the picture.
sleep 0.5
shot="$shots/startup.png"
import -window root "$shot"
echo "screenshot: $shot"

e2e_window_origin "$frame"
echo "frame at $X, $Y, $WIDTH x $HEIGHT"
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] && [ "$WIDTH" -eq 1280 ] ||
    { echo "FAIL: the menu strip is not across the top of the screen"; e2e_failures=$((e2e_failures + 1)); }

e2e_window_origin "$chamber"
echo "chamber client origin at $X, $Y, $WIDTH x $HEIGHT"
# The camera puts the chamber's centre at (322, 223) of the view; these pixels lie on the
# projected box edges, on the Z axis and on the background.
light_blue="51,205,255"
e2e_expect_pixel "$shot" $((X + 275)) $((Y + 246)) "$light_blue" "box edge near a front corner"
e2e_expect_pixel "$shot" $((X + 506)) $((Y + 315)) "$light_blue" "box edge near a right corner"
e2e_expect_pixel "$shot" $((X + 322)) $((Y + 150)) "0,188,0" "Z axis above the centre"
e2e_expect_pixel "$shot" $((X + 600)) $((Y + 460)) "0,0,0" "background"

e2e_quit_with_ctrl_q "$chamber"

[ "$e2e_failures" -eq 0 ] || exit 1
echo "PASS"
