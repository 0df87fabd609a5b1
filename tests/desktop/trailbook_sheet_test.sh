# The real program on a copy of the sample data folder: the catalog editor
# opens from the Edit menu; a rank's requirement sheet takes a date picked in
# the month calendar (and keeps its text when the calendar is cancelled); a
# merit badge added through the pick dialog opens its sheet from the
# in-progress list; a position is added; File > Save puts all three in the
# scout's file. Screenshots of
# the editor and the sheet are kept in the build folder for a look.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# Places in the main window (the menu bar is 25 pixels high) and in the pick dialog.
FILE_MENU=(18 12)
FILE_SAVE=(50 87)
EDIT_MENU=(60 12)
EDIT_REQUIREMENTS=(90 37)
SCOUT_LIST=(317 83)
first_scout_row=23       # the scout list drops down as a list box: Ben Carter, Eli Novak, Luis Garcia, ... 23 pixels apart
LIFE_LABEL=(660 150)
ROW1_DATE=(454 117)      # the date edit of the sheet's first row; the rows are 28 pixels apart
ADD_BADGE=(766 278)
BADGES_IN_PROGRESS=(724 278)
POS_START=(636 446)      # the positions block: start date, text, and its "Add" button
POS_TEXT=(834 446)
POS_ADD=(643 616)
PICK_LIST=(360 40)       # the drop-down button of the pick dialog's names

data=$(tb_demo_copy)
scout="$data/Luis Garcia.scout"
# The C locale fixes the date format (MM/dd/yyyy) and a calendar week starting on Sunday.
export LC_ALL=C
today=$(date +%m/%d/%Y)

tb_start_trailbook "$data"
win=$TB_WIN
sleep 1

tb_click "$win" "${EDIT_MENU[@]}"
tb_click_open_menu "$win" "${EDIT_REQUIREMENTS[@]}"
tb_screenshot "$TB_BUILD/tests/desktop/trailbook_catalog_editor.png"
tb_click "$win" "${EDIT_MENU[@]}"
tb_click_open_menu "$win" "${EDIT_REQUIREMENTS[@]}"

tb_click "$win" "${SCOUT_LIST[@]}"
tb_click_popup trailbook 60 $((12 + 2 * first_scout_row)) || tb_fail "the scout list did not drop down"
tb_wait_window "Trailbook - Luis Garcia" >/dev/null || tb_fail "choosing Luis Garcia did not load him"

# Life has no dates yet. The calendar opens on today; Right and Space pick the
# first day of its grid, Enter closes it with OK.
tb_click "$win" "${LIFE_LABEL[@]}"
sleep 0.5
tb_double_click "$win" "${ROW1_DATE[@]}"
cal=$(tb_wait_window "Pick a date") || tb_fail "a double-click on a row's date did not open the calendar"
tb_key "$cal" Right space Return
tb_wait_gone "Pick a date" || tb_fail "Enter did not close the calendar"
tb_double_click "$win" "${ROW1_DATE[0]}" $((ROW1_DATE[1] + 28))
cal=$(tb_wait_window "Pick a date") || tb_fail "the second row's calendar did not open"
tb_key "$cal" Escape
tb_wait_gone "Pick a date" || tb_fail "Escape did not close the calendar"
tb_screenshot "$TB_BUILD/tests/desktop/trailbook_sheet.png"

# The first cell of the month's grid: the 1st, less its weekday (a whole week when it is a Sunday).
first="$(date +%Y-%m-01)"
back=$(date -d "$first" +%w)
[ "$back" -eq 0 ] && back=7
picked=$(date -d "$first - $back days" +%m/%d/%Y)

# Add Cooking, the second name offered, and open its sheet from the in-progress list.
tb_click "$win" "${ADD_BADGE[@]}"
pick=$(tb_wait_window "Add") || tb_fail "Add did not open the pick dialog"
tb_click "$pick" "${PICK_LIST[@]}"
tb_click_popup trailbook 100 37 || tb_fail "the pick dialog offered no names"
tb_key "$pick" Return
tb_wait_gone "Add" || tb_fail "Enter did not close the pick dialog"
tb_click "$win" "${BADGES_IN_PROGRESS[@]}"
tb_click_popup trailbook 60 12 || tb_fail "the in-progress list is empty"
sleep 0.5

# A position held since today, still current.
tb_click "$win" "${POS_START[@]}"
tb_type "$win" "$today"
tb_click "$win" "${POS_TEXT[@]}"
tb_type "$win" "Patrol Leader"
tb_click "$win" "${POS_ADD[@]}"

tb_click "$win" "${FILE_MENU[@]}"
tb_click_open_menu "$win" "${FILE_SAVE[@]}"
sleep 0.5

life=$(sed -n '/^<Life>$/,/^<\/Life>$/p' "$scout" | tr -d ' \n')
[[ "$life" == *"<reqnbr>1</reqnbr><reqdate>$picked</reqdate>"* ]] || tb_fail "Life's first requirement is not dated $picked: $life"
[[ "$life" == *"<reqnbr>2</reqnbr><reqdate></reqdate>"* ]] || tb_fail "a cancelled calendar changed the second requirement: $life"
cooking=$(sed -n '/^<Mb Cooking>$/,/^<\/Mb Cooking>$/p' "$scout" | tr -d ' \n')
[[ "$cooking" == *"<Started>$today</Started>"* ]] || tb_fail "Cooking was not added today: $cooking"
[[ "$cooking" == *"<reqnbr>3</reqnbr>"* ]] || tb_fail "Cooking's sheet was not open when saved: $cooking"
grep -qxF "$(printf '%s\t--Current--\tPatrol Leader' "$today")" "$scout" || tb_fail "the position is not in the file: $(sed -n '/^<Pos>$/,/^<\/Pos>$/p' "$scout")"
echo "PASS"
