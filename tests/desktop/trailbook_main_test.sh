# The real program on a copy of the sample data folder: the main window shows
# with its menu bar and the scout page (a screenshot is kept in the build
# folder for a look), Help > About shows the About panel, and File > exit
# ends the program with exit status 0 and writes nothing when no scout is loaded.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# Places in the window: its menu bar is 25 pixels high, above the form's client area.
MENU=25
FILE_MENU=(18 12)
FILE_EXIT=(50 137)
HELP_MENU=(266 12)
HELP_ABOUT=(290 62)

data=$(tb_demo_copy)
before=$(cd "$data" && find . -type f -exec md5sum {} + | sort)

tb_start_trailbook "$data"
win=$TB_WIN
shot="$TB_BUILD/tests/desktop/trailbook_main.png"
tb_screenshot "$shot"
tb_not_blank "$shot" || tb_fail "the screen is blank"
read -r _ _ width height <<<"$(tb_geometry "$win")"
[ "$width" -ge 900 ] && [ "$height" -ge 600 ] || tb_fail "the window is ${width}x${height}"

tb_click "$win" "${HELP_MENU[@]}"
tb_click_open_menu "$win" "${HELP_ABOUT[@]}"
tb_screenshot "$TB_BUILD/tests/desktop/trailbook_about.png"

tb_click "$win" "${FILE_MENU[@]}"
tb_click_open_menu "$win" "${FILE_EXIT[@]}"
tb_until 10 tb_ended || tb_fail "File > exit did not end the program"
wait "$TB_PID"
status=$?
[ "$status" -eq 0 ] || tb_fail "exit status $status"

after=$(cd "$data" && find . -type f -exec md5sum {} + | sort)
[ "$before" = "$after" ] || tb_fail "files changed with no scout loaded"
echo "PASS"
