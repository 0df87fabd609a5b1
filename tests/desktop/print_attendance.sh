# Printing the attendance sheet from the real program: Tools > Attendance on
# a copy of the sample data, a week marked "X" (not saved), "Print 7 Weeks";
# the printed sheet, read back from the PDF that reaches the default
# printer, holds the title, the bordered heading row with seven weeks and a
# bordered row for every scout, the mark included.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups_common.sh"
tb_init "$@"

port=$(cups_free_port)
export CUPS_SERVER=127.0.0.1:$port
cups_start "$port"
cups_add_default_printer SheetPrinter

# Places in the window (the menu bar is 25 pixels high): see trailbook_tools_test.sh.
TOOLS_MENU=(218 12)
TOOLS_ATTENDANCE=(250 37)
BEN_WEEK1=(138 58)
PRINT_7_WEEKS=(67 647)

data=$(tb_demo_copy)
tb_start_trailbook "$data"
win=$TB_WIN

tb_click "$win" "${TOOLS_MENU[@]}"
xdotool mousemove --window "$win" "${TOOLS_ATTENDANCE[@]}"
sleep 0.3
xdotool click 1
ask=$(tb_wait_window "Meeting Weeknight") || tb_fail "Attendance asked no weeknight"
sleep 0.5
tb_key "$ask" ctrl+a
tb_type "$ask" "5"  # Thursday
tb_key "$ask" Return
tb_wait_gone "Meeting Weeknight" || tb_fail "the weeknight question stayed"
sleep 0.5
tb_click "$win" "${BEN_WEEK1[@]}"
tb_type "$win" "X"
tb_click "$win" "${PRINT_7_WEEKS[@]}"

# "Sent To Printer".
message=$(tb_wait_message "$win") || tb_fail "no message after Print 7 Weeks"
tb_key "$message" Return

cups_wait_job 1 || tb_fail "no job arrived at the printer: $(tail -5 "$CUPS_DIR/error_log")"
pdf=$CUPS_OUT/job-1.pdf

# Thursday meetings, this week's first: its date and the six before.
thursday=$(date -d "$((4 - $(date +%w))) days" +%s)
heading="|Name                          |"
for ((k = 0; k < 7; k++)); do
    heading+="$(date -d "@$((thursday - k * 7 * 86400))" +%m/%d)|"
done
border="+------------------------------+-----+-----+-----+-----+-----+-----+-----+"
empty="|     |     |     |     |     |     |     |"
{
    echo "Attendance Sheet"
    echo "$border"
    echo "$heading"
    echo "$border"
    echo "|Ben Carter                    |  X  |     |     |     |     |     |     |"
    echo "$border"
    for name in "Eli Novak" "Luis Garcia" "Sam Okafor" "Tommy Adams"; do
        printf '|%-30s%s\n' "$name" "$empty"
        echo "$border"
    done
} >"$TB_TMP/expected.txt"
# The two blank lines under the title print nothing: the text is compared without them.
cups_pdf_text "$pdf" >"$TB_TMP/sheet.txt"
diff "$TB_TMP/expected.txt" <(grep -v '^$' "$TB_TMP/sheet.txt") >"$TB_TMP/diff.txt" ||
    tb_fail "the sheet does not print as shown: $(cat "$TB_TMP/diff.txt")"

# A fixed-pitch font, so that the columns line up on paper.
pdffonts "$pdf" | grep -qiE "mono|courier" || tb_fail "the sheet is not printed in a fixed-pitch font: $(pdffonts "$pdf")"

# Nothing was saved by printing.
grep -q "<Attend>" "$data/Ben Carter.scout" && tb_fail "printing saved the attendance"
tb_stop
echo "PASS"
