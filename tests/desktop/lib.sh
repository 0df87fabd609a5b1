# Helpers for desktop tests: start a program in a folder, find its window,
# click, type and press keys in it, take screenshots, wait for log lines.
#
#   source "$(dirname "$0")/lib.sh"
#   tb_init "$@"                       # BUILD_DIR SOURCE_DIR; opens a display when none
#   data=$(tb_demo_copy)               # a copy of the sample data folder demo/
#   tb_start_trailbook "$data"; win=$TB_WIN
#   tb_start "$folder" PROGRAM [ARGS...]; win=$(tb_wait_window "TITLE")
#   tb_click "$win" 120 80; tb_type "$win" "Smith"; tb_key "$win" Return
#   tb_wait_log "$log" "^saved" || tb_fail "not saved"
#
# There is no window manager under Xvfb: windows are focused explicitly, and
# coordinates are relative to the window's top-left corner (a main window's
# menu bar is inside it: see tb_client_offset). The virtual screen declares
# 96 pixels per inch, the resolution the forms are designed at.
#
# A test fails when a program it started wrote a warning or critical message
# of the toolkit's libraries (GTK, GDK, GLib, Pango) to its output.

TB_TIMEOUT=${TB_TIMEOUT:-10}
# The exit code of a test that cannot run here: ctest counts it as skipped.
TB_SKIP=77

tb_init() {
    TB_BUILD=$(cd "${1:?build folder}" && pwd)
    TB_SOURCE=$(cd "${2:?source folder}" && pwd)
    if [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash "$0" "$@"
    fi
    TB_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tb-desktop.XXXXXX")
    TB_PIDS=()
    trap tb_cleanup EXIT
}

tb_cleanup() {
    local status=$? pid
    for pid in "${TB_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${TB_PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    if [ "$status" -eq 0 ] && grep -Eq -- "$TB_TOOLKIT_MESSAGE" "$TB_TMP/program.out" 2>/dev/null; then
        echo "FAIL: the toolkit complained:" >&2
        grep -E -- "$TB_TOOLKIT_MESSAGE" "$TB_TMP/program.out" | sort | uniq -c | head -20 >&2
        status=1
    fi
    [ -n "${TB_KEEP:-}" ] || rm -rf "$TB_TMP"
    exit "$status"
}

# A warning or critical message of the toolkit's libraries.
TB_TOOLKIT_MESSAGE='(Gtk|Gdk|GLib|GLib-GObject|GLib-GIO|Pango|GdkPixbuf)-(WARNING|CRITICAL)'

tb_fail() {
    echo "FAIL: $*" >&2
    if [ -n "${TB_LOG:-}" ] && [ -f "$TB_LOG" ]; then
        echo "--- log" >&2
        cat "$TB_LOG" >&2
    fi
    if [ -f "$TB_TMP/program.out" ]; then
        echo "--- program output" >&2
        tail -20 "$TB_TMP/program.out" >&2
    fi
    exit 1
}

# tb_start FOLDER PROGRAM [ARGS...]: starts PROGRAM with FOLDER as its
# current directory; its pid is TB_PID, its output in $TB_TMP/program.out.
tb_start() {
    local folder=$1
    shift
    (cd "$folder" && exec "$@") >>"$TB_TMP/program.out" 2>&1 &
    TB_PID=$!
    TB_PIDS+=("$TB_PID")
}

# tb_demo_copy: copies the sample data folder demo/ into $TB_TMP/data, for a
# test to work on (demo/ itself never changes), and prints its path.
tb_demo_copy() {
    cp -r "$TB_SOURCE/demo" "$TB_TMP/data" && echo "$TB_TMP/data"
}

# tb_start_trailbook FOLDER [COMMAND...]: starts the program (or COMMAND,
# such as the program run as another user) in FOLDER and waits for its main
# window and a second more, for its first layout; the window's id is TB_WIN.
# Fails the test when the window does not show.
tb_start_trailbook() {
    local folder=$1
    shift
    [ $# -gt 0 ] || set -- "$TB_BUILD/app/trailbook"
    tb_start "$folder" "$@"
    TB_WIN=$(tb_wait_window "Trailbook") || tb_fail "the main window did not show"
    sleep 1
}

# tb_stop: ends the program started last and waits for it.
tb_stop() {
    kill "$TB_PID" 2>/dev/null
    wait "$TB_PID" 2>/dev/null
    return 0
}

# tb_until TIMEOUT COMMAND...: runs COMMAND every tenth of a second until it
# succeeds; false when TIMEOUT seconds pass first.
tb_until() {
    local limit=$(($1 * 10)) i
    shift
    for ((i = 0; i < limit; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# tb_ended: true once the program started last is no longer running.
tb_ended() {
    ! kill -0 "$TB_PID" 2>/dev/null
}

# tb_wait_exit [TIMEOUT]: waits for the program started last to end by itself.
tb_wait_exit() {
    tb_until "${1:-$TB_TIMEOUT}" tb_ended || return 1
    wait "$TB_PID" 2>/dev/null
    return 0
}

# tb_wait_window TITLE [TIMEOUT]: prints the id of the visible window whose
# title is exactly TITLE, once it is mapped.
tb_wait_window() {
    tb_until "${2:-$TB_TIMEOUT}" tb_find_window "$1"
}

tb_find_window() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)
    [ -n "$id" ] && echo "$id"
}

# tb_wait_gone TITLE [TIMEOUT]: waits until no visible window has that title.
tb_wait_gone() {
    tb_until "${2:-$TB_TIMEOUT}" tb_window_gone "$1"
}

tb_window_gone() {
    ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# tb_wait_message WIN [TIMEOUT]: prints the id of a message box shown over
# the main window WIN: another visible window titled as the application,
# "Trailbook".
tb_wait_message() {
    tb_until "${2:-$TB_TIMEOUT}" tb_find_message "$1"
}

tb_find_message() {
    local id
    for id in $(xdotool search --onlyvisible --name "^Trailbook\$" 2>/dev/null); do
        [ "$id" = "$1" ] || { echo "$id"; return 0; }
    done
    return 1
}

# tb_wait_message_closed MESSAGE [TIMEOUT]: waits until that message box is
# no longer shown.
tb_wait_message_closed() {
    tb_until "${2:-$TB_TIMEOUT}" tb_message_closed "$1"
}

tb_message_closed() {
    ! xdotool search --onlyvisible --name "^Trailbook\$" 2>/dev/null | grep -qx "$1"
}

# tb_focus WIN: raises the window and gives it the keyboard.
tb_focus() {
    xdotool windowraise "$1" 2>/dev/null
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1" 2>/dev/null
    sleep 0.2
}

# tb_geometry WIN: prints "X Y WIDTH HEIGHT" of the window.
tb_geometry() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

# tb_client_offset WIN CLIENT_WIDTH CLIENT_HEIGHT: prints "DX DY", where the
# form's client area starts inside the window (below a menu bar).
tb_client_offset() {
    local g
    read -ra g <<<"$(tb_geometry "$1")"
    echo "$((g[2] - $2)) $((g[3] - $3))"
}

# tb_click WIN X Y [BUTTON]: clicks at a point of the window.
tb_click() {
    tb_focus "$1"
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
    sleep 0.3
}

# tb_click_open_menu WIN X Y: a click without focusing the window first, for
# an item of an open menu or drop-down list (focusing the window would close it).
tb_click_open_menu() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

# tb_double_click WIN X Y
tb_double_click() {
    tb_focus "$1"
    xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 80 1
    sleep 0.3
}

# tb_type WIN TEXT: types into the focused control of the window.
tb_type() {
    tb_focus "$1"
    xdotool type --delay 40 -- "$2"
    sleep 0.3
}

# tb_key WIN KEY...: presses keys (xdotool names: Return, Escape, Tab, ctrl+s ...).
tb_key() {
    local win=$1
    shift
    tb_focus "$win"
    xdotool key --delay 60 "$@"
    sleep 0.3
}

# tb_resize WIN WIDTH HEIGHT
tb_resize() {
    xdotool windowsize --sync "$1" "$2" "$3" 2>/dev/null || xdotool windowsize "$1" "$2" "$3"
    sleep 0.3
}

# tb_screenshot FILE: the whole screen as a PNG.
tb_screenshot() {
    import -window root "$1"
}

# tb_not_blank FILE: true when the picture holds more than a few colours.
tb_not_blank() {
    local colours
    colours=$(convert "$1" -format %k info: 2>/dev/null)
    [ "${colours:-0}" -gt 8 ]
}

# tb_wait_log FILE PATTERN [TIMEOUT]: waits for a line matching the extended
# regular expression PATTERN.
tb_wait_log() {
    tb_until "${3:-$TB_TIMEOUT}" grep -sEq -- "$2" "$1"
}

# tb_log_count FILE PATTERN: how many lines match.
tb_log_count() {
    grep -Ec -- "$2" "$1" 2>/dev/null || true
}

# tb_wait_popup NAME [TIMEOUT]: prints the id of the newest visible popup (an
# open menu or the list of a combo box); GTK names popups after the program.
tb_wait_popup() {
    tb_until "${2:-$TB_TIMEOUT}" tb_find_popup "$1"
}

tb_find_popup() {
    local id X Y WIDTH HEIGHT
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tac); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ "$WIDTH" -gt 20 ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# tb_click_popup NAME X Y: clicks at a point of the newest popup.
tb_click_popup() {
    local popup
    popup=$(tb_wait_popup "$1") || return 1
    xdotool mousemove --window "$popup" "$2" "$3" click 1
    sleep 0.3
}
