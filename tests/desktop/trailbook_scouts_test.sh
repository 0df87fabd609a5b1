# The real program on a copy of the sample data folder: choosing a scout in
# the scout list loads it (the window's title names the scout), New Scout
# through the menu and its input box creates the scout's files, and closing
# the program saves the scout that is loaded.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# Places in the window (the menu bar is 25 pixels high). The scout list's
# drop-down button; its list drops down as a list box whose rows are 23
# pixels apart, in sorted order: Ben Carter, Eli Novak, Luis Garcia, Sam
# Okafor, Tommy Adams.
SCOUT_LIST=(317 83)
pick_scout() {
    tb_click_popup trailbook 60 $((12 + $1 * 23)) || tb_fail "the scout list did not drop down"
}
FILE_MENU=(18 12)
FILE_NEW=(50 37)
FILE_EXIT=(50 137)

data=$(tb_demo_copy)

tb_start_trailbook "$data"
win=$TB_WIN

# Luis Garcia, the third item.
tb_click "$win" "${SCOUT_LIST[@]}"
pick_scout 2
tb_wait_window "Trailbook - Luis Garcia" >/dev/null || tb_fail "choosing Luis Garcia did not load him"
tb_screenshot "$TB_BUILD/tests/desktop/trailbook_scout.png"

# New Scout: save and unload Luis, ask for the name, create the files.
tb_click "$win" "${FILE_MENU[@]}"
tb_click_open_menu "$win" "${FILE_NEW[@]}"
ask=$(tb_wait_window "New Scout") || tb_fail "New Scout asked nothing"
sleep 0.5  # let the input box's text field take the keyboard
tb_type "$ask" "Nora Quinn"
tb_key "$ask" Return
tb_wait_gone "New Scout" || tb_fail "the input box stayed"
# The "created!" message.
message=$(tb_wait_message "$win" 5) || tb_fail "no message after New Scout"
tb_key "$message" Return
[ -f "$data/Nora Quinn.scout" ] || tb_fail "no scout file for Nora Quinn"
[ "$(sed -n 2p "$data/Nora Quinn.scout")" = "<Scout>" ] || tb_fail "Nora Quinn's scout file is not a new scout file"
[ -f "$data/Nora Quinn.nts" ] || tb_fail "no notes file for Nora Quinn"
grep -q "<Updated>$(date +%m/%d/%Y)</Updated>" "$data/Luis Garcia.scout" || tb_fail "Luis Garcia was not saved before New Scout"

# Pick Tommy Adams (now the sixth item) and close with the window's menu.
tb_click "$win" "${SCOUT_LIST[@]}"
pick_scout 5
tb_wait_window "Trailbook - Tommy Adams" >/dev/null || tb_fail "choosing Tommy Adams did not load him"
tb_click "$win" "${FILE_MENU[@]}"
tb_click_open_menu "$win" "${FILE_EXIT[@]}"
tb_wait_exit || tb_fail "File > exit did not end the program"
grep -q "<Updated>$(date +%m/%d/%Y)</Updated>" "$data/Tommy Adams.scout" || tb_fail "Tommy Adams was not saved at the close"
echo "PASS"
