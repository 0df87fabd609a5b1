# The real program in a data folder that its user may not write to (run as a
# user who is not root): picking another scout after a failed save asks
# "Could not save ... Go on without saving?" and quitting "... Close without
# saving?"; the answer No, the default, keeps the scout or the window, Yes
# goes on, and the files stay as they were.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

SCOUT_LIST=(317 83)
FILE_MENU=(18 12)
FILE_EXIT=(50 137)

data=$(tb_demo_copy)
program="$TB_BUILD/app/trailbook"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    # root writes anywhere: the program runs as nobody, from a copy beside the
    # data (the build may be where nobody cannot go, as under /root).
    mkdir "$TB_TMP/bin"
    cp "$program" "$TB_TMP/bin/"
    program="$TB_TMP/bin/trailbook"
    auth=()
    if [ -n "${XAUTHORITY:-}" ]; then
        cp "$XAUTHORITY" "$TB_TMP/xauth"
        auth=(XAUTHORITY="$TB_TMP/xauth")
    fi
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$TB_TMP" "${auth[@]}")
fi
chmod -R a+rX "$TB_TMP"
chmod a-w "$data"
if [ "$(id -u)" -eq 0 ] && ! "${run_as[@]}" test -x "$program"; then
    echo "SKIP: nobody cannot run the program from $TB_TMP"
    exit "$TB_SKIP"
fi
before=$(cat "$data/Luis Garcia.scout")

tb_start_trailbook "$data" "${run_as[@]}" "$program"
win=$TB_WIN
tb_click "$win" "${SCOUT_LIST[@]}"
tb_click_popup trailbook 60 $((12 + 2 * 23)) || tb_fail "the scout list did not drop down"
win=$(tb_wait_window "Trailbook - Luis Garcia") || tb_fail "choosing Luis Garcia did not load him"

# The message naming the file that could not be saved, then the question.
answer_failed_save() {
    message=$(tb_wait_message "$win") || tb_fail "no message after a failed save"
    tb_key "$message" Return
    sleep 0.5
    question=$(tb_wait_message "$win") || tb_fail "no question after the failed save"
    tb_screenshot "$TB_BUILD/tests/desktop/trailbook_readonly_$1.png"
    tb_focus "$question"
    xdotool key --window "$question" "$2"
    sleep 1
}
pick_first_and_answer() {
    tb_click "$win" "${SCOUT_LIST[@]}"
    tb_click_popup trailbook 60 12 || tb_fail "the scout list did not drop down"
    answer_failed_save "$@"
}
quit_and_answer() {
    tb_click "$win" "${FILE_MENU[@]}"
    tb_click_open_menu "$win" "${FILE_EXIT[@]}"
    answer_failed_save "$@"
}
pick_first_and_answer pick_no Return
tb_find_window "Trailbook - Luis Garcia" >/dev/null || tb_fail "No (the default answer) did not keep Luis Garcia"
pick_first_and_answer pick_yes alt+y
win=$(tb_wait_window "Trailbook - Ben Carter") || tb_fail "Yes did not go on to Ben Carter"
quit_and_answer no Return
tb_ended && tb_fail "No (the default answer) closed the program"
quit_and_answer yes alt+y
tb_wait_exit || tb_fail "Yes did not close the program"
[ "$(cat "$data/Luis Garcia.scout")" = "$before" ] || tb_fail "the scout file changed"
grep -i "gtk-\(warning\|critical\)" "$TB_TMP/program.out" && tb_fail "GTK complained"
echo "PASS"
