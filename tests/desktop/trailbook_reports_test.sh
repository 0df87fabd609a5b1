# The list reports in the real window over a copy of the sample data folder:
# with a scout loaded, Reports > Troop List saves and unloads him and shows
# the report panel; Reports > Current Rank list asks its sort question in a
# real input box, where "t" is typed; Close hides the panel again. The
# screenshots are kept in the build folder for a look at the columns.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# Places in the window (the menu bar is 25 pixels high). The scout list's
# drop-down button and its third item, Luis Garcia.
MENU=25
SCOUT_LIST=(317 83)
LUIS=(150 160)
REPORTS_MENU=(113 12)
RANK_LIST=(150 112)
TROOP_LIST=(150 162)
CLOSE_BUTTON=(891 $((621 + MENU)))
# The report list, inside the window.
REPORT_AREA=900x560+20+40

shots="$TB_BUILD/tests/desktop"
data=$(tb_demo_copy)
tb_start_trailbook "$data"
win=$TB_WIN

tb_click "$win" "${SCOUT_LIST[@]}"
tb_click_open_menu "$win" "${LUIS[@]}"
tb_wait_window "Trailbook - Luis Garcia" >/dev/null || tb_fail "choosing Luis Garcia did not load him"

tb_click "$win" "${REPORTS_MENU[@]}"
tb_click_open_menu "$win" "${TROOP_LIST[@]}"
tb_wait_window "Trailbook" >/dev/null || tb_fail "the troop list left Luis Garcia loaded"
grep -q "<Updated>$(date +%m/%d/%Y)</Updated>" "$data/Luis Garcia.scout" || tb_fail "Luis Garcia was not saved first"
sleep 0.5
tb_screenshot "$shots/trailbook_troop_list.png"
convert "$shots/trailbook_troop_list.png" -crop "$REPORT_AREA" +repage "$TB_TMP/list.png"
tb_not_blank "$TB_TMP/list.png" || tb_fail "the report panel shows nothing"
# The lines lie 17 pixels apart (the list's item height): the troop number
# "214" that begins the last four lines (the scouts' rows) has its tops three
# times that apart.
read -r wx wy _ _ <<<"$(tb_geometry "$win")"
span=$(convert "$shots/trailbook_troop_list.png" -crop "35x580+$((wx + 25))+$((wy + MENU + 10))" +repage \
    -colorspace gray -threshold 50% -negate -scale 1x580! -depth 8 txt:- |
    awk -F'[,:() ]+' 'NR > 1 { dark = $4 > 0; if (dark && !was) print $2; was = dark }' |
    tail -4 | awk 'NR == 1 { first = $1 } END { print $1 - first }')
[ "$span" = 51 ] || tb_fail "the report's lines are not 17 pixels apart (four span $span)"

tb_click "$win" "${REPORTS_MENU[@]}"
tb_click_open_menu "$win" "${RANK_LIST[@]}"
ask=$(tb_wait_window "Sort Option") || tb_fail "the rank report asked nothing"
sleep 0.5  # let the input box's text field take the keyboard
tb_key "$ask" ctrl+a
tb_type "$ask" "t"
tb_key "$ask" Return
tb_wait_gone "Sort Option" || tb_fail "the input box stayed"
sleep 0.5
tb_screenshot "$shots/trailbook_rank_report.png"

tb_click "$win" "${CLOSE_BUTTON[@]}"
sleep 0.5
tb_screenshot "$shots/trailbook_report_closed.png"
cmp -s "$shots/trailbook_rank_report.png" "$shots/trailbook_report_closed.png" && tb_fail "Close did not hide the report"
tb_stop
echo "PASS"
