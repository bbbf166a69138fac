#!/usr/bin/env bash
# The real program under a window manager, as on a desktop (openbox, and metacity when it is
# installed): the tool windows get no minimise or maximise button, a tool window minimised from
# the window manager comes back with its Show command, and the first click into an inactive
# Chamber Controls only activates it, as without a window manager.
# Usage: wm.sh <tracelume binary> [folder for the screenshots]
set -u
binary=$(realpath "$1")
source "$(dirname "$0")/lib.sh" || exit 1
e2e_require_tools
command -v openbox >/dev/null 2>&1 || { echo "SKIPPED: openbox is not installed"; exit "$e2e_skip"; }
e2e_begin "${2:-}"

# The client area's upper-left corner of window $1 on the screen, as CX and CY.
client_origin() {
    CX=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
    CY=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
}

# Drags the magnetic field knob of Chamber Controls $1 up by 40 pixels.
drag_field_knob() {
    client_origin "$1"
    # The B slider sits at (26, 24) in the window; its knob, at 0.8 kG, 96 pixels down its track.
    local x=$((CX + 26 + 30)) y=$((CY + 24 + 96 + 8))
    xdotool mousemove "$x" "$y" mousedown 1
    sleep 0.2
    xdotool mousemove "$x" $((y - 40))
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
}

# The magnetic field slider of Chamber Controls (87 x 217 pixels at (26, 24)), as screenshot $1.
controls_picture() { client_origin "$controls"; import -window root -crop "87x217+$((CX + 26))+$((CY + 24))" +repage "$1"; }

under() {
    local wm=$1
    echo "--- under $wm"
    case $wm in
    openbox) openbox >"$e2e_workdir/wm.log" 2>&1 & ;;
    metacity) metacity --replace --sm-disable >"$e2e_workdir/wm.log" 2>&1 & ;;
    esac
    wm_pid=$!
    sleep 1.5
    e2e_start_program "Particle Chamber: Empty" "$binary"
    frame=$(e2e_wait_window "Tracelume" 10)
    e2e_focus "$frame"
    xdotool key --clearmodifiers ctrl+p
    xdotool key --clearmodifiers ctrl+k
    controls=$(e2e_wait_window "Chamber Controls" 10) || { fail "Ctrl+K showed no Chamber Controls"; return; }
    projector=$(e2e_wait_window "Projector: Empty" 10)
    sleep 1

    for window in "$chamber" "$controls" "$projector"; do
        actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS 2>/dev/null)
        if echo "$actions" | grep -qE "MINIMIZE|MAXIMIZE"; then
            fail "$wm lets \"$(xdotool getwindowname "$window")\" be minimised or maximised: $actions"
        else
            echo "ok: no minimise or maximise for \"$(xdotool getwindowname "$window")\""
        fi
    done

    # The main frame active, then the first click into Chamber Controls: it only activates.
    xdotool mousemove 1000 20 click 1
    sleep 0.5
    controls_picture "$shots/$wm-before.png"
    drag_field_knob "$controls"
    controls_picture "$shots/$wm-first.png"
    drag_field_knob "$controls"
    controls_picture "$shots/$wm-second.png"
    first=$(compare -metric AE "$shots/$wm-before.png" "$shots/$wm-first.png" null: 2>&1 | cut -d' ' -f1)
    second=$(compare -metric AE "$shots/$wm-first.png" "$shots/$wm-second.png" null: 2>&1 | cut -d' ' -f1)
    [ "$first" = "0" ] && echo "ok: the first click only activated Chamber Controls" ||
        fail "the first click into the inactive Chamber Controls moved the knob ($first pixels changed)"
    [ "$second" != "0" ] && echo "ok: the next click moved the knob" || fail "the second click did not move the knob"

    # Minimised from the window manager, back with Ctrl+K.
    xdotool windowminimize "$controls"
    sleep 0.7
    if xprop -id "$controls" WM_STATE | grep -q Iconic; then
        e2e_focus "$frame"
        xdotool key --clearmodifiers ctrl+k
        sleep 1
        xprop -id "$controls" WM_STATE | grep -q Normal && echo "ok: Ctrl+K brought the minimised window back" ||
            fail "Ctrl+K did not bring the minimised Chamber Controls back"
    else
        echo "ok: $wm does not minimise Chamber Controls"
    fi
    e2e_quit_with_ctrl_q "$frame"
    kill "$wm_pid" 2>/dev/null
    wait "$wm_pid" 2>/dev/null
}

under openbox
command -v metacity >/dev/null 2>&1 && under metacity

[ "$e2e_failures" -eq 0 ] || exit 1
echo "PASS"
