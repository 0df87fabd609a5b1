# The real program on a copy of the sample data folder: Tools > Counselors
# shows the counselor list in a grid, a cell typed into (a "|" refused) is
# written by Save and Close, a "|" typed on a cell not being edited leaves
# it as it was, Delete Current Row shows the row now current;
# Tools > Attendance asks the weeknight, a week
# marked "X" is written into the scout's file by Save and Close, also after
# Cancel on the question asked again over the shown grid.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# Clicks without focusing the window first: focusing would close an open menu.
click_open_menu() {
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.3
    xdotool click 1
    sleep 0.8
}

# Places in the window (the menu bar is 25 pixels high).
FILE_MENU=(18 12)
FILE_EXIT=(50 137)
TOOLS_MENU=(218 12)
TOOLS_ATTENDANCE=(250 37)
TOOLS_COUNSELORS=(250 62)
# The counselor grid: rows 24 pixels high under a heading row; the demo
# list sorted: Camping, Cooking, First Aid, Hiking, Swimming. Cooking's
# counselor cell, and Save and Close.
COOKING_COUNSELOR=(256 93)
FIRST_AID_COUNSELOR=(256 117)
COUNSELORS_DELETE=(291 640)
COUNSELORS_SAVE=(858 640)
# The attendance grid: rows 20 pixels high under a heading row; the first
# scout's (Ben Carter) first week, and Save and Close.
BEN_WEEK1=(138 58)
ATTENDANCE_SAVE=(870 647)

data=$(tb_demo_copy)
shots="$TB_BUILD/tests/desktop"

tb_start_trailbook "$data"
win=$TB_WIN

# ---- the counselor list
tb_click "$win" "${TOOLS_MENU[@]}"
click_open_menu "$win" "${TOOLS_COUNSELORS[@]}"
tb_click "$win" "${COOKING_COUNSELOR[@]}"
tb_key "$win" F2 ctrl+a
tb_type "$win" "Rachel|Kim-Ito"
tb_key "$win" Tab
tb_screenshot "$shots/trailbook_counselors.png"
tb_click "$win" "${COUNSELORS_SAVE[@]}"
grep -qx "Cooking|RachelKim-Ito|D|5 Valley View|Hillsdale|97105|555-0155||" "$data/Counselors.txt" ||
    tb_fail "the edited counselor is not in Counselors.txt: $(cat -A "$data/Counselors.txt")"
[ "$(wc -l <"$data/Counselors.txt")" -eq 5 ] || tb_fail "Counselors.txt does not hold the five counselors"
grep -q $'\r' "$data/Counselors.txt" && tb_fail "Save and Close wrote carriage returns"

# A refused key typed on a cell that is not being edited opens no editor:
# the cell keeps its text through Return and Save and Close.
tb_click "$win" "${TOOLS_MENU[@]}"
click_open_menu "$win" "${TOOLS_COUNSELORS[@]}"
tb_click "$win" "${COOKING_COUNSELOR[@]}"
tb_type "$win" "|"
tb_screenshot "$TB_TMP/refused.png"
tb_key "$win" Return
tb_click "$win" "${COUNSELORS_SAVE[@]}"
grep -qx "Cooking|RachelKim-Ito|D|5 Valley View|Hillsdale|97105|555-0155||" "$data/Counselors.txt" ||
    tb_fail "a refused key emptied the cell it was typed on: $(cat -A "$data/Counselors.txt")"

# Deleting First Aid's row while its counselor is being typed: the row that
# moves up (Hiking) keeps its counselor and is shown current (selected, not
# white) once the button has the focus.
tb_click "$win" "${TOOLS_MENU[@]}"
click_open_menu "$win" "${TOOLS_COUNSELORS[@]}"
tb_click "$win" "${FIRST_AID_COUNSELOR[@]}"
tb_key "$win" F2
tb_type "$win" "Zed"
tb_click "$win" "${COUNSELORS_DELETE[@]}"
sleep 0.5
tb_screenshot "$TB_TMP/deleted.png"
read -r wx wy _ _ <<<"$(tb_geometry "$win")"
cell() { convert "$TB_TMP/deleted.png" -format "%[hex:p{$((wx + 320)),$((wy + $1))}]" info:; }
[ "$(cell 117)" != "FFFFFF" ] || tb_fail "after Delete Current Row no cell of the current row is shown"
[ "$(cell 93)" = "FFFFFF" ] || tb_fail "a row that is not current is shown selected: $(cell 93)"
tb_click "$win" "${COUNSELORS_SAVE[@]}"
[ "$(cut -d'|' -f1,2 "$data/Counselors.txt" | tr '\n' ' ')" = "Camping|Tom Brooks Cooking|RachelKim-Ito Hiking|Tom Brooks Swimming|Diana Lopez " ] ||
    tb_fail "deleting the row being edited changed another row: $(cat "$data/Counselors.txt")"

# ---- attendance
tb_click "$win" "${TOOLS_MENU[@]}"
click_open_menu "$win" "${TOOLS_ATTENDANCE[@]}"
ask=$(tb_wait_window "Meeting Weeknight") || tb_fail "Attendance asked no weeknight"
sleep 0.5
tb_key "$ask" Return  # the default answer, 3
tb_wait_gone "Meeting Weeknight" || tb_fail "the weeknight question stayed"
sleep 0.5
tb_click "$win" "${BEN_WEEK1[@]}"
tb_type "$win" "X"
tb_screenshot "$shots/trailbook_attendance.png"
# Tools > Attendance again over the shown grid, and Cancel: the grid stays
# as it is, its unsaved mark included.
tb_click "$win" "${TOOLS_MENU[@]}"
click_open_menu "$win" "${TOOLS_ATTENDANCE[@]}"
ask=$(tb_wait_window "Meeting Weeknight") || tb_fail "Attendance over the grid asked no weeknight"
sleep 0.5
tb_key "$ask" Escape
tb_wait_gone "Meeting Weeknight" || tb_fail "Cancel left the weeknight question open"
sleep 0.5
tb_screenshot "$TB_TMP/attendance_cancelled.png"
tb_click "$win" "${ATTENDANCE_SAVE[@]}"
sleep 0.5

scout="$data/Ben Carter.scout"
sunday=$(date -d "-$(date +%w) days" +%m/%d/%Y)
[ "$(tail -10 "$scout" | head -2 | tr -d ' ' | tr '\n' ' ')" = "<Attend> $sunday " ] ||
    tb_fail "Ben Carter's file does not end with this week's attendance: $(tail -10 "$scout")"
[ "$(tail -8 "$scout" | head -1)" = "   1$(printf '0%.0s' {1..51})" ] || tb_fail "the week marked X is not stored: $(tail -8 "$scout")"
[ "$(tail -1 "$scout")" = "</Attend>" ] || tb_fail "the attendance section is not the file's last"
grep -q "   <Patrol>" "$scout" && tb_fail "Ben Carter's file was not rewritten with its lines trimmed"
grep -q "<Attend>" "$data/Eli Novak.scout" || tb_fail "every listed scout's file gets its attendance"

# Closing the program writes nothing more into Ben Carter's file.
before=$(md5sum <"$scout")
tb_click "$win" "${FILE_MENU[@]}"
click_open_menu "$win" "${FILE_EXIT[@]}"
tb_wait_exit || tb_fail "File > exit did not end the program"
[ "$(md5sum <"$scout")" = "$before" ] || tb_fail "Ben Carter's file changed after the attendance save"
grep -E "Gtk-(WARNING|CRITICAL)" "$TB_TMP/program.out" | grep -vq "GtkRadioButton" &&
    tb_fail "GTK complained: $(grep -E 'Gtk-' "$TB_TMP/program.out" | grep -v GtkRadioButton | head -3)"
echo "PASS"
