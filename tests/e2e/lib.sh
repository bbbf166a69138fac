# Helpers for the end-to-end tests: a private X server without a window manager, the real
# program on it, windows found by title, and pixels read from a screenshot.
# Sourced by the test scripts; they set e2e_name before sourcing.

e2e_skip=77

e2e_require_tools() {
    for tool in Xvfb xdotool; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIPPED: $tool is not installed"
            exit "$e2e_skip"
        fi
    done
    for tool in import convert; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "FAIL: ImageMagick's $tool is not installed"
            exit 1
        fi
    done
}

e2e_xvfb_pid=""
e2e_app_pid=""
e2e_workdir=""

e2e_cleanup() {
    if [ -n "$e2e_app_pid" ] && kill -0 "$e2e_app_pid" 2>/dev/null; then
        kill "$e2e_app_pid" 2>/dev/null
        wait "$e2e_app_pid" 2>/dev/null
    fi
    if [ -n "$e2e_xvfb_pid" ] && kill -0 "$e2e_xvfb_pid" 2>/dev/null; then
        kill "$e2e_xvfb_pid" 2>/dev/null
        wait "$e2e_xvfb_pid" 2>/dev/null
    fi
}

# Starts Xvfb 1280 x 1024 x 24 on a display it picks itself (-displayfd, so tests running at
# the same time never race for one) and waits until it answers. -noreset: a server that resets
# when its last client leaves (our readiness probe) refuses the program connecting meanwhile.
# TRACELUME_E2E_DISPLAY, when set, names the display number to use instead; e2e_screen, when
# set, another screen ("1024x768x8").
e2e_start_xvfb() {
    local numberfile="$e2e_workdir/xvfb.display" n="" screen=${e2e_screen:-1280x1024x24}
    : >"$numberfile"
    if [ -n "${TRACELUME_E2E_DISPLAY:-}" ]; then
        echo "$TRACELUME_E2E_DISPLAY" >"$numberfile"
        Xvfb ":$TRACELUME_E2E_DISPLAY" -screen 0 "$screen" -nolisten tcp -noreset >"$e2e_workdir/xvfb.log" 2>&1 &
    else
        Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$numberfile" >"$e2e_workdir/xvfb.log" 2>&1 &
    fi
    e2e_xvfb_pid=$!
    for _ in $(seq 1 100); do
        if grep -q '^[0-9][0-9]*$' "$numberfile" 2>/dev/null; then
            n=$(head -n 1 "$numberfile")
            break
        fi
        sleep 0.1
    done
    if [ -z "$n" ]; then
        echo "FAIL: Xvfb did not report its display"
        cat "$e2e_workdir/xvfb.log"
        exit 1
    fi
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        if xdotool getdisplaygeometry >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL: Xvfb did not answer on :$n"
    cat "$e2e_workdir/xvfb.log"
    exit 1
}

# The start of every test: a work folder, the folder for screenshots (shots: $1, or the work
# folder), the clean-up on exit and a private X server.
e2e_begin() {
    e2e_workdir=$(mktemp -d)
    shots=${1:-$e2e_workdir}
    mkdir -p "$shots"
    trap e2e_cleanup EXIT
    e2e_start_xvfb
}

# Starts the program (the command from $2 on) with its output in app.log and sets chamber to
# the id of the Particle Chamber once a window titled $1 shows, within 30 s.
e2e_start_program() {
    local title=$1
    shift
    "$@" >"$e2e_workdir/app.log" 2>&1 &
    e2e_app_pid=$!
    chamber=$(e2e_wait_window "$title" 30) || {
        echo "FAIL: no window \"$title\""
        cat "$e2e_workdir/app.log"
        exit 1
    }
}

# Gives window $1 the keyboard, with or without a window manager.
e2e_focus() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

# Prints the id of the first visible window whose whole title is $1, polling up to $2 seconds.
e2e_wait_window() {
    local title=$1 seconds=$2 id
    local tries=$((seconds * 10))
    for _ in $(seq 1 "$tries"); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Sets X and Y to the screen position of a window's client origin.
e2e_window_origin() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Starts the program (the command from $3 on), makes one event with Ctrl+E, keeps the $2
# (WIDTHxHEIGHT screen pixels) at the chamber's corner as screenshot $1 and ends the program.
# Leaves the chamber's geometry in X, Y, WIDTH and HEIGHT.
e2e_new_event_picture() {
    local picture=$1 size=$2
    shift 2
    e2e_start_program "Particle Chamber: Empty" "$@"
    sleep 0.5
    e2e_window_origin "$chamber"
    e2e_new_event
    import -window root -crop "$size+$X+$Y" +repage "$picture"
    e2e_quit_with_ctrl_q "$chamber"
}

# Drags with the left button along column $1 of the screen from row $2 through the rows after
# it, lets go and gives the program a moment to draw.
e2e_drag_along_column() {
    local x=$1 from=$2
    shift 2
    xdotool mousemove "$x" "$from" mousedown 1
    for y in "$@"; do
        xdotool mousemove "$x" "$y"
    done
    xdotool mouseup 1
    sleep 0.3
}

# Prints the colour of pixel ($2, $3) of screenshot $1 as "r,g,b".
e2e_pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

e2e_failures=0

# Reports a failed check and goes on; the test fails at its end when any check failed.
fail() {
    echo "FAIL: $1"
    e2e_failures=$((e2e_failures + 1))
}

# Checks that pixel ($2, $3) of screenshot $1 has colour $4 ("r,g,b"); $5 names the check.
e2e_expect_pixel() {
    local got
    got=$(e2e_pixel "$1" "$2" "$3")
    if [ "$got" = "$4" ]; then
        echo "ok: $5 at ($2, $3) is $got"
    else
        echo "FAIL: $5 at ($2, $3) is $got, expected $4"
        e2e_failures=$((e2e_failures + 1))
    fi
}

# Waits up to $2 seconds for process $1 to end and sets e2e_status to its exit status
# (empty when it is still running).
e2e_wait_exit() {
    local pid=$1 seconds=$2
    e2e_status=""
    for _ in $(seq 1 $((seconds * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            e2e_status=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Presses Ctrl+Q in window $1 and checks that the program ends with status 0 within 10 s.
e2e_quit_with_ctrl_q() {
    local window=$1
    e2e_focus "$window"
    xdotool key --clearmodifiers ctrl+q
    if ! e2e_wait_exit "$e2e_app_pid" 10; then
        echo "FAIL: the program did not end after Ctrl+Q"
        exit 1
    fi
    e2e_app_pid=""
    if [ "$e2e_status" -ne 0 ]; then
        echo "FAIL: the program ended with status $e2e_status"
        cat "$e2e_workdir/app.log"
        exit 1
    fi
    echo "ok: Ctrl+Q ended the program with status 0"
}

# Ctrl+E on the chamber: sets chamber to the window once it is titled after the new type 1
# event, within 10 s, and gives the picture half a second to settle.
e2e_new_event() {
    e2e_focus "$chamber"
    xdotool key --clearmodifiers ctrl+e
    chamber=$(e2e_wait_window "Particle Chamber: Untitled Type 1 Decay" 10) || {
        echo "FAIL: New Event did not title the chamber"
        exit 1
    }
    sleep 0.5
}

# Opens the File menu with Alt+F and picks the item of mnemonic $1.
e2e_file_menu() {
    xdotool key --clearmodifiers alt+f
    sleep 0.5
    xdotool key --clearmodifiers "$1"
}
