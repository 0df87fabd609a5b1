# The real program on a copy of the sample data folder, with a stand-in text
# editor that records how it was started set as the desktop's text/plain
# default in the test's own XDG folders: Tools > General Notes creates
# GeneralNotes.txt and opens it in that editor, Tools > Notepad starts it with
# no file, and File > Backup copies exactly the data files into TBKP and says
# "Backed Up!". A screenshot of the message is kept in the build folder.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# Places in the window: the menu bar is 25 pixels high, menu items 25 pixels apart.
FILE_MENU=(18 12)
FILE_BACKUP=(50 112)
TOOLS_MENU=(220 12)
TOOLS_GENERAL_NOTES=(260 87)
TOOLS_NOTEPAD=(260 112)

data=$(tb_demo_copy)
rm -f "$data/GeneralNotes.txt"

# The stand-in editor and the desktop's choice of it for plain text.
editor_log="$TB_TMP/editor.log"
mkdir -p "$TB_TMP/xdg/config" "$TB_TMP/xdg/data/applications"
cat >"$TB_TMP/editor.sh" <<EOF
#!/bin/sh
echo "the editor's own output" >&2; echo "the editor's own output"
{ echo "started in \$(pwd)"; for a in "\$@"; do echo "file \$a"; done; echo "end"; } >>"$editor_log"
EOF
chmod +x "$TB_TMP/editor.sh"
cat >"$TB_TMP/xdg/data/applications/tb-recorder.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Recording editor
Exec=$TB_TMP/editor.sh %f
MimeType=text/plain;
EOF
printf '[Default Applications]\ntext/plain=tb-recorder.desktop\n' >"$TB_TMP/xdg/config/mimeapps.list"
export XDG_CONFIG_HOME="$TB_TMP/xdg/config" XDG_DATA_HOME="$TB_TMP/xdg/data"
unset XDG_CURRENT_DESKTOP VISUAL EDITOR

# xdg-open, which fails while $TB_TMP/opener-fails exists.
xdg_open=$(command -v xdg-open) || tb_fail "no xdg-open"
mkdir "$TB_TMP/bin"
cat >"$TB_TMP/bin/xdg-open" <<EOF
#!/bin/sh
[ -e "$TB_TMP/opener-fails" ] && { echo failed >>"$TB_TMP/opener.log"; exit 4; }
exec "$xdg_open" "\$@"
EOF
chmod +x "$TB_TMP/bin/xdg-open"
export PATH="$TB_TMP/bin:$PATH"

tb_start_trailbook "$data"
win=$TB_WIN

# General Notes: the file is created and opened in the editor.
tb_click "$win" "${TOOLS_MENU[@]}"
tb_click_open_menu "$win" "${TOOLS_GENERAL_NOTES[@]}"
tb_wait_log "$editor_log" "^end" || tb_fail "General Notes did not start the text editor"
[ "$(cat "$data/GeneralNotes.txt")" = "General Notes" ] || tb_fail "GeneralNotes.txt does not hold \"General Notes\""
[ "$(wc -c <"$data/GeneralNotes.txt")" -eq 13 ] || tb_fail "GeneralNotes.txt is not 13 bytes"
grep -qx "started in $data" "$editor_log" || tb_fail "the editor did not start in the data folder"
grep -Eqx "file ($data/)?GeneralNotes.txt" "$editor_log" || tb_fail "the editor was not given GeneralNotes.txt"

# When xdg-open fails, the desktop's text editor gets the file all the same.
touch "$TB_TMP/opener-fails"
: >"$editor_log"
tb_click "$win" "${TOOLS_MENU[@]}"
tb_click_open_menu "$win" "${TOOLS_GENERAL_NOTES[@]}"
tb_wait_log "$editor_log" "^end" || tb_fail "General Notes did not start the text editor when xdg-open failed"
grep -qx failed "$TB_TMP/opener.log" || tb_fail "xdg-open was not tried first"
grep -Eqx "file ($data/)?GeneralNotes.txt" "$editor_log" || tb_fail "the editor was not given GeneralNotes.txt after xdg-open failed"
rm "$TB_TMP/opener-fails"

# Notepad: the editor with no file; the notes file is left as it is.
echo "Court of honor in June" >>"$data/GeneralNotes.txt"
notes_before=$(md5sum <"$data/GeneralNotes.txt")
: >"$editor_log"
tb_click "$win" "${TOOLS_MENU[@]}"
tb_click_open_menu "$win" "${TOOLS_NOTEPAD[@]}"
tb_wait_log "$editor_log" "^end" || tb_fail "Notepad did not start the text editor"
! grep -q "^file " "$editor_log" || tb_fail "Notepad gave the editor a file: $(cat "$editor_log")"
[ "$(md5sum <"$data/GeneralNotes.txt")" = "$notes_before" ] || tb_fail "Notepad changed GeneralNotes.txt"

# Backup: exactly the data files, byte for byte.
tb_click "$win" "${FILE_MENU[@]}"
tb_click_open_menu "$win" "${FILE_BACKUP[@]}"
message=$(tb_wait_message "$win") || tb_fail "no message after Backup"
sleep 0.5
tb_screenshot "$TB_BUILD/tests/desktop/trailbook_backup.png"
tb_key "$message" Return
tb_wait_message_closed "$message" || tb_fail "the Backed Up! message stayed"

[ -d "$data/TBKP" ] || tb_fail "no TBKP folder"
expected=$(cd "$data" && ls -A | grep -Ei '\.(mb|rank|other|scout|nts)$|^(counselors|generalnotes)\.txt$' | sort)
actual=$(ls -A "$data/TBKP" | sort)
[ "$expected" = "$actual" ] || tb_fail "TBKP holds: $actual; expected: $expected"
echo "$actual" | grep -q '\.scout$' || tb_fail "no scout file in TBKP"
echo "$actual" | grep -qx 'Counselors.txt' || tb_fail "no Counselors.txt in TBKP"
while IFS= read -r name; do
    cmp -s "$data/$name" "$data/TBKP/$name" || tb_fail "$name differs in TBKP"
done <<<"$actual"

tb_stop
! grep -q "the editor's own output" "$TB_TMP/program.out" || tb_fail "the editor's output went into the program's console"
echo "PASS"
