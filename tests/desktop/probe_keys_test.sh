# Keyboard input reaches the model: typing into an edit raises OnChange with
# the text, Enter and Escape close a modal form as OK and Cancel, and a grid
# cell edited in place lands in the model.
source "$(dirname "$0")/probe_common.sh"
tb_init "$@"
probe_start

probe_click 60 46  # Edit1
tb_type "$WIN" "Troop 42"
expect_log "^change Edit1 Troop 42$"
[ "$(tb_log_count "$TB_LOG" '^change Edit1 ')" -eq 8 ] || tb_fail "one change per typed character was expected"

probe_click 215 46  # Button1 opens the dialog; its edit has the focus
dialog=$(tb_wait_window "Probe Dialog") || tb_fail "the dialog did not show"
expect_log "^activate ProbeDialog$"
tb_type "$dialog" "Eagle"
tb_key "$dialog" Return
expect_log "^modal 1 Eagle$"
tb_wait_gone "Probe Dialog" || tb_fail "the dialog stayed after Enter"

probe_click 215 46
dialog=$(tb_wait_window "Probe Dialog") || tb_fail "the dialog did not show again"
tb_type "$dialog" "x"
tb_key "$dialog" Escape
expect_log "^modal 2 x$"
tb_wait_gone "Probe Dialog" || tb_fail "the dialog stayed after Escape"
[ "$(tb_log_count "$TB_LOG" '^activate ProbeDialog$')" -eq 2 ] || tb_fail "OnActivate must run on every showing"

# Grid: the heading row is fixed, so the first cell row is row 1.
probe_click 40 273
tb_type "$WIN" "Hello"
tb_key "$WIN" Tab
expect_log "^cell 0 1 Hello model=Hello$"
tb_type "$WIN" "World"
tb_key "$WIN" Tab
expect_log "^cell 1 1 World model=World$"

tb_stop
echo "probe keys: ok"
