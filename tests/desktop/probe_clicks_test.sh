# Mouse input reaches the model's handlers: menu items, list and combo picks,
# radio buttons (the model clears the siblings), check boxes, painted labels.
source "$(dirname "$0")/probe_common.sh"
tb_init "$@"
probe_start

# Help > About: the menu opens as a popup named after the program.
tb_click "$WIN" 60 $((DY / 2))
tb_click_popup tb_probe 30 11 || tb_fail "the Help menu did not open"
expect_log "^click MenuAbout$"

# File > Dialog runs the dialog modally; its close box answers mrCancel.
tb_click "$WIN" 20 $((DY / 2))
tb_click_popup tb_probe 30 11 || tb_fail "the File menu did not open"
expect_log "^click MenuDialog$"
dialog=$(tb_wait_window "Probe Dialog") || tb_fail "the dialog did not show from the menu"
tb_key "$dialog" Escape
expect_log "^modal 2 $"

probe_click 40 114  # ListBox1, second line (13 pixels a line): the model's order, not sorted
expect_log "^click ListBox1 1 Alpha$"

probe_click 150 104  # RadioButton1
probe_click 150 128  # RadioButton2
expect_log "^click RadioButton1$"
expect_log "^click RadioButton2$"
probe_click 280 44   # CheckBox1 twice
probe_click 280 44
expect_log "^click CheckBox1 on$"
expect_log "^click CheckBox1 off$"

probe_click 30 14    # Label1 is painted by its parent and still takes clicks
expect_log "^click Label1$"

probe_click 408 76   # ComboBox1's button opens its list; Bear is the second item
tb_click_popup tb_probe 40 42 || tb_fail "the combo box list did not open"
expect_log "^change ComboBox1 Bear$"

tb_stop
echo "probe clicks: ok"
