# Printing a report from the real window: Reports > Troop List over the
# sample scouts, Print twice. Each press sends one job to the default printer
# (a private CUPS scheduler that writes PDFs) and says "Sent To Printer"; the
# text read back from each PDF holds the five top lines and every row exactly,
# so the columns line up on paper as on the screen.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups_common.sh"
tb_init "$@"

# Places in the window: the menu bar is 25 pixels high, above the client area.
MENU=25
REPORTS_MENU=(113 12)
TROOP_LIST=(150 162)
PRINT_BUTTON=(808 $((621 + MENU)))

# The message box: a second window with the program's title; closed with Return.
answer_message() {
    local message
    message=$(tb_wait_message "$win") || tb_fail "no message after Print"
    tb_key "$message" Return
    tb_wait_message_closed "$message" 5 || tb_fail "the message stayed"
}

port=$(cups_free_port)
export CUPS_SERVER=127.0.0.1:$port
cups_start "$port"
cups_add_default_printer ReportPrinter

data=$(tb_demo_copy)
tb_start_trailbook "$data"
win=$TB_WIN

tb_click "$win" "${REPORTS_MENU[@]}"
tb_click_open_menu "$win" "${TROOP_LIST[@]}"
sleep 0.5
tb_screenshot "$TB_BUILD/tests/desktop/trailbook_print_report.png"
for press in 1 2; do
    tb_click "$win" "${PRINT_BUTTON[@]}"
    answer_message
    cups_wait_job "$press" || tb_fail "no job $press arrived at the printer: $(tail -5 "$CUPS_DIR/error_log")"
done
sleep 1
[ ! -e "$CUPS_OUT/job-3.pdf" ] || tb_fail "two presses printed more than two jobs"

# The report as the sample scouts give it (the leader John Hayes is not listed).
row() { printf '%5s %-23s %-10s %-18s %-25s %12s\n' "$@"; }
{
    echo "Troop List"
    echo "Report run $(date +%m/%d/%Y)"
    echo ""
    echo "Troop Scout Name              Birthdate  Patrol Name        Address                   Telephone"
    echo "----- ----------------------- ---------- ------------------ ------------------------- ------------"
    row "" "Eli Novak" "" "" "" ""
    row 214 "Ben Carter" 02/03/2014 Foxes "48 Elm Street" 555-0178
    row 214 "Luis Garcia" 08/21/2012 Eagles "7 Canyon Road" 555-0113
    row 214 "Sam Okafor" 11/02/2010 Eagles "220 River Drive" 555-0192
    row 214 "Tommy Adams" 05/14/2015 Foxes "12 Birch Lane" 555-0141
} | sed 's/ *$//' >"$TB_TMP/expected.txt"

for job in 1 2; do
    cups_pdf_text "$CUPS_OUT/job-$job.pdf" >"$TB_TMP/job-$job.txt"
    # The third line of the report is one blank, which prints nothing: compare without it.
    diff <(grep -v '^$' "$TB_TMP/expected.txt") "$TB_TMP/job-$job.txt" >"$TB_TMP/diff.txt" ||
        tb_fail "job $job does not print the report as shown: $(cat "$TB_TMP/diff.txt")"
done
echo "PASS"
