# The real program on a copy of the sample data folder, used by keyboard
# alone. Tab from start-up reaches the scout list, and the list loads the
# scout picked with the keys. Choosing the loaded scout again saves him (an
# edit reaches his file) and reads him back. Enter at the end of the notes
# begins a new line where the typing goes on. The input box's text field is
# as tall as its text. With the catalog editor open, Tab goes round the
# editor's own controls: a name typed after a whole round still lands in the
# editor and creates its catalog.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# Tab stops from the first control of the form (the in-progress merit badges)
# to the scout list: the award lists and their buttons, the positions block.
TABS_TO_SCOUT_LIST=16
# From the scout list to the troop field, and to the notes.
TABS_TO_TROOP=3
TABS_TO_NOTES=16
# The catalog editor: from its first control (the "Merit Badge" kind) to the
# name of a new catalog, and the number of its controls.
TABS_TO_NEW_NAME=4
EDITOR_STOPS=19

data=$(tb_demo_copy)
scout="$data/Ben Carter.scout"
export LC_ALL=C

# other_window TITLE WIN: a visible window of that title other than WIN.
other_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        [ "$id" != "$2" ] && echo "$id" && return 0
    done
    return 1
}

tabs() { # tabs WIN N [shift]
    local keys=() i
    for ((i = 0; i < $2; i++)); do keys+=("${3:+shift+}Tab"); done
    tb_key "$1" "${keys[@]}"
}

# The menu by keys: F10 opens the first menu; Right moves to the next menu,
# Down to the next item.
menu() { # menu WIN RIGHTS DOWNS
    local keys=(F10) i
    for ((i = 0; i < $2; i++)); do keys+=(Right); done
    for ((i = 0; i < $3; i++)); do keys+=(Down); done
    tb_key "$1" "${keys[@]}" Return
    sleep 0.5
}

tb_start_trailbook "$data"
win=$TB_WIN

# Edit > Edit Requirements (only before a scout is loaded); a new catalog by
# keys, twice, a whole round apart.
menu "$win" 1 1
tabs "$win" $TABS_TO_NEW_NAME
for name in Knots Rope; do
    tb_type "$win" "$name"
    tabs "$win" 1
    tb_key "$win" Return
    message=$(tb_until 5 other_window "Trailbook" "$win") || tb_fail "no message after Add"
    tb_key "$message" Return
    sleep 0.5
    [ -f "$data/$name.Mb" ] || tb_fail "Tab left the catalog editor: $name.Mb was not created"
    tabs "$win" $((EDITOR_STOPS - 1))
done
tb_stop

tb_start_trailbook "$data"
win=$TB_WIN

tabs "$win" $TABS_TO_SCOUT_LIST
tb_key "$win" alt+Down
tb_key "$win" Return
tb_wait_window "Trailbook - Ben Carter" >/dev/null || tb_fail "Tab from start-up did not reach the scout list"

# An edit, then the same scout chosen again: the edit is in his file.
tabs "$win" $TABS_TO_TROOP
tb_type "$win" "777"
tabs "$win" $TABS_TO_TROOP shift
tb_key "$win" alt+Down
tb_key "$win" Return
tb_wait_log "$scout" "<Troop>777</Troop>" || tb_fail "choosing the loaded scout again did not save him: $(grep Troop "$scout")"
tb_wait_window "Trailbook - Ben Carter" >/dev/null || tb_fail "the scout is no longer loaded"

# Two lines typed at the end of the notes, then File > Save.
tabs "$win" $TABS_TO_NOTES
tb_key "$win" ctrl+End
tb_type "$win" "first"
tb_key "$win" Return
tb_type "$win" "second"
menu "$win" 0 3
tb_until 5 grep -q "second" "$data/Ben Carter.nts" || tb_fail "File > Save did not write the notes"
tail=$(tr -d '\r' <"$data/Ben Carter.nts" | tail -2 | tr '\n' '|')
[ "$tail" = "03/02/2025first|second|" ] || tb_fail "the notes end in '$tail'"

# File > New Scout: the input box's text field is as tall as its text. Its
# focus frame (blue) is looked for down the middle of the dialog.
menu "$win" 0 1
ask=$(tb_wait_window "New Scout") || tb_fail "New Scout asked nothing"
sleep 0.5
shot="$TB_BUILD/tests/desktop/trailbook_input_box.png"
tb_screenshot "$shot"
read -r x y width height <<<"$(tb_geometry "$ask")"
column=$(convert "$shot" -crop "1x${height}+$((x + width / 2))+$y" -depth 8 txt:- |
    sed -n 's/^0,\([0-9]*\): *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \4/p' | awk '$3 > 180 && $2 < 120 { print $1 }')
top=$(head -1 <<<"$column")
bottom=$(tail -1 <<<"$column")
[ -n "$top" ] && [ $((bottom - top)) -ge 18 ] || tb_fail "the input box's field is $((bottom - top)) pixels high"
tb_key "$ask" Escape
tb_wait_gone "New Scout" || tb_fail "Escape did not close the input box"

echo "PASS"
