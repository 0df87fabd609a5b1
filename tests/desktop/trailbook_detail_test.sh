# The real program on a copy of the sample data folder: with Luis Garcia
# loaded and a date typed on his Life sheet, Reports > Progress Detail shows
# the sheet's report and saves the date, Reports > Scout Detail shows his
# detail report; the scout stays loaded through both. Screenshots of both
# reports are kept in the build folder for a look.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# Places in the main window (the menu bar is 25 pixels high, menu items 25 pixels apart).
REPORTS_MENU=(115 12)
REPORTS_SCOUT_DETAIL=(150 212)
REPORTS_PROGRESS_DETAIL=(150 237)
SCOUT_LIST=(317 83)
first_scout_y=110        # Ben Carter, Eli Novak, Luis Garcia, ... 25 pixels apart
LIFE_LABEL=(660 150)
ROW1_DATE=(454 117)

data=$(tb_demo_copy)
scout="$data/Luis Garcia.scout"
export LC_ALL=C  # the date format MM/dd/yyyy
today=$(date +%m/%d/%Y)

tb_start_trailbook "$data"
win=$TB_WIN
sleep 1

tb_click "$win" "${SCOUT_LIST[@]}"
tb_click_open_menu "$win" 150 $((first_scout_y + 2 * 25))
tb_wait_window "Trailbook - Luis Garcia" >/dev/null || tb_fail "choosing Luis Garcia did not load him"

tb_click "$win" "${LIFE_LABEL[@]}"
sleep 0.5
tb_click "$win" "${ROW1_DATE[@]}"
tb_type "$win" "03/03/2026"

tb_click "$win" "${REPORTS_MENU[@]}"
tb_click_open_menu "$win" "${REPORTS_PROGRESS_DETAIL[@]}"
sleep 1
tb_screenshot "$TB_BUILD/tests/desktop/trailbook_progress_detail.png"
tb_find_window "Trailbook - Luis Garcia" >/dev/null || tb_fail "Luis Garcia is no longer loaded after Progress Detail"
life=$(sed -n '/^<Life>$/,/^<\/Life>$/p' "$scout" | tr -d ' \n')
[[ "$life" == *"<reqnbr>1</reqnbr><reqdate>03/03/2026</reqdate>"* ]] || tb_fail "the date typed on the sheet was not saved: $life"

tb_click "$win" "${REPORTS_MENU[@]}"
tb_click_open_menu "$win" "${REPORTS_SCOUT_DETAIL[@]}"
sleep 1
tb_screenshot "$TB_BUILD/tests/desktop/trailbook_scout_detail.png"
tb_find_window "Trailbook - Luis Garcia" >/dev/null || tb_fail "Luis Garcia is no longer loaded after Scout Detail"
grep -q "<Updated>$today</Updated>" "$scout" || tb_fail "the scout was not saved before the report"
tb_not_blank "$TB_BUILD/tests/desktop/trailbook_scout_detail.png" || tb_fail "the screen is blank"

tb_stop
echo "PASS"
