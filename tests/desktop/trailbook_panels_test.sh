# The real program on a copy of the sample data folder, by mouse: the
# "Reqs"/"Scout" button answers every click (Reqs, Scout, Reqs shows the
# sheet again), and choosing the merit badge that the in-progress list shows
# opens its sheet again while a rank's sheet is open.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# Places in the window (the menu bar is 25 pixels high).
SCOUT_LIST=(317 83)
first_scout_y=110        # Ben Carter, Eli Novak, Luis Garcia, ... 25 pixels apart
NOTES_BUTTON=(548 51)
LIFE_LABEL=(660 150)
BADGES_IN_PROGRESS=(724 278)
PAGE=(8 33 574 604)      # the scout page, or the sheet in its place: x y width height

data=$(tb_demo_copy)

# page FILE: a screenshot of the left part of the window, taken with the
# pointer on the "Reqs" button, away from the fields that show a hint.
page() {
    local x y
    read -r x y _ _ <<<"$(tb_geometry "$win")"
    xdotool mousemove --window "$win" "${NOTES_BUTTON[@]}"
    sleep 1
    tb_screenshot "$TB_TMP/screen.png"
    convert "$TB_TMP/screen.png" -crop "${PAGE[2]}x${PAGE[3]}+$((x + PAGE[0]))+$((y + PAGE[1]))" +repage "$1"
}
# same A B: the two pictures differ in a few pixels at most (a focus frame).
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" -lt 2000 ]; }

tb_start_trailbook "$data"
win=$TB_WIN
tb_click "$win" "${SCOUT_LIST[@]}"
xdotool mousemove --window "$win" 150 $((first_scout_y + 2 * 25)) click 1
tb_wait_window "Trailbook - Luis Garcia" >/dev/null || tb_fail "choosing Luis Garcia did not load him"

page "$TB_TMP/notes.png"
for i in 1 2 3; do
    tb_click "$win" "${NOTES_BUTTON[@]}"
    page "$TB_TMP/click$i.png"
done
same "$TB_TMP/click2.png" "$TB_TMP/notes.png" || tb_fail "the second click did not bring the scout page back"
same "$TB_TMP/click1.png" "$TB_TMP/notes.png" && tb_fail "the first click did not show the sheet"
same "$TB_TMP/click3.png" "$TB_TMP/click1.png" || tb_fail "the third click did not show the sheet again"

# The in-progress badge's sheet, Life's, then the same badge again.
tb_click "$win" "${BADGES_IN_PROGRESS[@]}"
tb_click_popup trailbook 60 12 || tb_fail "the in-progress list is empty"
page "$TB_TMP/badge.png"
tb_click "$win" "${LIFE_LABEL[@]}"
page "$TB_TMP/life.png"
same "$TB_TMP/life.png" "$TB_TMP/badge.png" && tb_fail "Life's sheet did not open"
tb_click "$win" "${BADGES_IN_PROGRESS[@]}"
tb_click_popup trailbook 60 12 || tb_fail "the in-progress list did not open again"
page "$TB_TMP/again.png"
cp "$TB_TMP/again.png" "$TB_BUILD/tests/desktop/trailbook_badge_again.png"
same "$TB_TMP/again.png" "$TB_TMP/badge.png" || tb_fail "choosing the shown badge again did not open its sheet"
echo "PASS"
