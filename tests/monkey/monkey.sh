#!/usr/bin/env bash
# The monkey run: the real program (built with the sanitizers) on a private X server, with or
# without a window manager, gets random but valid input for as long as asked: every accelerator,
# the menus by their mnemonics, Return and Escape for whatever dialog is open, clicks and drags
# over all of its windows. Every window is opened first. Exit (Ctrl+Q, or closing the main frame)
# starts the program again. The run fails on a sanitizer report, a crash, a hang (the main frame
# does not answer a ping within 10 s) or a lost window (the main frame gone from a running
# program), and prints the number of actions. A crash leaves its core file in the work folder and
# its backtrace (gdb) in the output.
# Usage: monkey.sh <tracelume binary> <tracelume-xping binary> <seconds> [--wm] [seed]
set -u
binary=$(realpath "$1")
xping=$(realpath "$2")
seconds=$3
wm=${4:-}
seed=${5:-$$}
source "$(dirname "$0")/../e2e/lib.sh" || exit 1
e2e_require_tools
e2e_begin ""
RANDOM=$seed
echo "monkey: $seconds s, seed $seed, ${wm:-no window manager}"

if [ "$wm" = "--wm" ]; then
    command -v openbox >/dev/null || { echo "FAIL: openbox is not installed"; exit 1; }
    openbox >"$e2e_workdir/openbox.log" 2>&1 &
    wm_pid=$!
    sleep 1
fi

# The program works in a folder of its own: what Save As, Print and the file dialogs write stays
# there.
home="$e2e_workdir/home"
mkdir -p "$home"
export HOME="$home"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:halt_on_error=1:handle_abort=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# A crash keeps its core (named core or core.PID, in the program's folder, where the system's
# core pattern allows it) for the backtrace below.
ulimit -c unlimited 2>/dev/null || true

actions=0
starts=0
frame=""

start() {
    starts=$((starts + 1))
    (cd "$home" && exec "$binary") >>"$e2e_workdir/app.log" 2>&1 &
    e2e_app_pid=$!
    frame=$(e2e_wait_window "Tracelume" 30) || { echo "FAIL: the main frame did not appear"; report; exit 1; }
    e2e_wait_window "Particle Chamber: .*" 30 >/dev/null || { echo "FAIL: no Particle Chamber"; report; exit 1; }
    # Every window once: the tool windows, each reminder picture, About and the Trackmaker.
    key ctrl+e
    key ctrl+k
    key ctrl+p
    for item in t e m r a; do
        menu r "$item"
    done
    menu s a
    menu t a
}

# The backtrace of every thread from the newest core file of the program, if there is one.
crash_backtrace() {
    local core
    core=$(ls -t "$home"/core* 2>/dev/null | head -n 1)
    if [ -z "$core" ]; then
        echo "(no core file: $(cat /proc/sys/kernel/core_pattern 2>/dev/null))"
        return
    fi
    echo "--- backtrace from $core ---"
    if command -v gdb >/dev/null; then
        # The thread that crashed first, then every thread.
        gdb -batch -ex "bt 40" -ex "echo ---\\n" -ex "thread apply all bt 15" "$binary" "$core" 2>/dev/null |
            grep -E "^#|^Thread|^---" | head -150
    fi
}

report() {
    echo "monkey: $actions actions, $starts starts (work folder $e2e_workdir)"
    if grep -qE "ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer" "$e2e_workdir/app.log"; then
        echo "--- sanitizer report ---"
        grep -A40 -E "ERROR: AddressSanitizer|runtime error:" "$e2e_workdir/app.log" | head -80
    fi
}

key() {
    xdotool key --clearmodifiers "$1" 2>/dev/null
    actions=$((actions + 1))
}

# Opens menu-bar pop-up $1 of the main frame by its mnemonic and picks item $2.
menu() {
    xdotool windowfocus "$frame" 2>/dev/null
    key "alt+$1"
    key "$2"
}

# The program's visible windows.
program_windows() {
    xdotool search --onlyvisible --pid "$e2e_app_pid" 2>/dev/null
}

random_window() {
    local windows
    mapfile -t windows < <(program_windows)
    [ ${#windows[@]} -gt 0 ] && echo "${windows[RANDOM % ${#windows[@]}]}"
}

# Sets WX, WY, WW, WH to a window's place and size.
window_box() {
    # The window may be gone by now (a dialog that just closed): then there is no geometry.
    local X="" Y="" WIDTH=0 HEIGHT=0 geometry
    geometry=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) && [ -n "$geometry" ] || return 1
    eval "$geometry"
    WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
    [ "${WW:-0}" -gt 0 ] && [ "${WH:-0}" -gt 0 ]
}

accelerators=(ctrl+o ctrl+w ctrl+s ctrl+e ctrl+r ctrl+g ctrl+f ctrl+1 ctrl+2 ctrl+3 ctrl+m ctrl+l ctrl+k ctrl+p
              ctrl+i)
mnemonics=(f a s h e t r)
letters=(a b c d e f g h i j k l m n o p q r s t u v w x y z 1 2 3 4 5 6)
others=(Return Escape Escape Tab space Up Down Left Right Home End Prior Next alt+F4)

random_action() {
    local choice=$((RANDOM % 100))
    if [ $choice -lt 25 ]; then
        key "${accelerators[RANDOM % ${#accelerators[@]}]}"
    elif [ $choice -lt 40 ]; then
        menu "${mnemonics[RANDOM % ${#mnemonics[@]}]}" "${letters[RANDOM % ${#letters[@]}]}"
    elif [ $choice -lt 55 ]; then
        key "${others[RANDOM % ${#others[@]}]}"
    elif [ $choice -lt 57 ]; then
        key ctrl+q
    else
        local window
        window=$(random_window) || return
        window_box "$window" || return
        local x=$((WX + RANDOM % WW)) y=$((WY + RANDOM % WH))
        xdotool mousemove "$x" "$y" 2>/dev/null
        if [ $choice -lt 85 ]; then
            xdotool click $((RANDOM % 10 < 8 ? 1 : 3)) 2>/dev/null
        else
            local tx=$((WX + RANDOM % WW)) ty=$((WY + RANDOM % WH))
            xdotool mousedown 1 mousemove --sync "$(((x + tx) / 2))" "$(((y + ty) / 2))" mousemove "$tx" "$ty" mouseup 1 2>/dev/null
        fi
        actions=$((actions + 1))
    fi
}

# Whether the program is still well: running and answering, or ended cleanly (then it starts
# again). Fails the run otherwise.
check() {
    if ! kill -0 "$e2e_app_pid" 2>/dev/null; then
        wait "$e2e_app_pid"
        local status=$?
        e2e_app_pid=""
        if [ "$status" -ne 0 ]; then
            echo "FAIL: the program ended with status $status"
            [ "$status" -gt 128 ] && crash_backtrace
            report
            exit 1
        fi
        start
        return
    fi
    if grep -qE "ERROR: AddressSanitizer|runtime error:" "$e2e_workdir/app.log"; then
        echo "FAIL: sanitizer report"
        report
        exit 1
    fi
    local current="" try
    # A search walks the whole window tree and gives up when a window vanishes under it (a menu
    # closing, a window manager's frame going), so a miss is asked again. The main frame may
    # also be closing right now: then the program ends meanwhile.
    for try in 1 2 3 4 5; do
        current=$(xdotool search --all --pid "$e2e_app_pid" --name "^Tracelume\$" 2>/dev/null | head -n 1)
        [ -n "$current" ] && break
        sleep 1
        kill -0 "$e2e_app_pid" 2>/dev/null || return
    done
    if [ -z "$current" ]; then
        echo "FAIL: the running program lost its main frame"
        import -window root "$e2e_workdir/lost.png" 2>/dev/null
        for w in $(xdotool search --pid "$e2e_app_pid" 2>/dev/null); do
            echo "window $w \"$(xdotool getwindowname "$w" 2>/dev/null)\""
        done
        if command -v gdb >/dev/null; then
            gdb -p "$e2e_app_pid" -batch -ex "bt 40" 2>/dev/null | grep -E "^#" | head -40
        fi
        report
        exit 1
    fi
    frame=$current
    if ! "$xping" "$frame" 10000; then
        echo "FAIL: the program did not answer within 10 s"
        import -window root "$e2e_workdir/hang.png" 2>/dev/null
        for n in $(seq 1 30); do "$xping" "$frame" 1000 && { echo "the frame answered again after $n s more"; break; }; done
        for w in $(xdotool search --pid "$e2e_app_pid" 2>/dev/null); do
            "$xping" "$w" 1000 && a=answers || a=silent
            echo "window $w \"$(xdotool getwindowname "$w" 2>/dev/null)\" $a"
        done
        if command -v gdb >/dev/null; then
            gdb -p "$e2e_app_pid" -batch -ex "thread apply all bt 30" 2>/dev/null | grep -E "^#|^Thread" | head -60
        fi
        report
        exit 1
    fi
}

start
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        random_action
        # Inputs come a little apart, as from a fast user, so that the program sees each one.
        sleep 0.02
    done
    check
done
check
report
if [ -n "$e2e_app_pid" ]; then
    kill "$e2e_app_pid" 2>/dev/null
    wait "$e2e_app_pid" 2>/dev/null
    e2e_app_pid=""
fi
[ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
echo "ok: no crash, hang, sanitizer report or lost window"
