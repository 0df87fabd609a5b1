# Starts the probe (tests/desktop/probe) in a fresh folder; shared by the
# probe's desktop tests. Sets TB_LOG, WIN and DX/DY (the client area's place
# inside the window, below the menu bar).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The probe's designed client size.
PROBE_CLIENT_W=652
PROBE_CLIENT_H=490

probe_start() {
    TB_LOG=$TB_TMP/events.log
    : >"$TB_LOG"
    tb_start "$TB_TMP" "$TB_BUILD/tests/desktop/tb_probe" "$TB_LOG" "$@"
    WIN=$(tb_wait_window "Trailbook Probe") || tb_fail "the probe window did not show"
    tb_wait_log "$TB_LOG" "^size " || tb_fail "no WM_SIZE on show"
    read -r DX DY <<<"$(tb_client_offset "$WIN" "$PROBE_CLIENT_W" "$PROBE_CLIENT_H")"
}

# probe_click X Y: clicks at a point of the form's client area.
probe_click() {
    tb_click "$WIN" $((DX + $1)) $((DY + $2))
}

expect_log() {
    tb_wait_log "$TB_LOG" "$1" 5 || tb_fail "expected a log line matching: $1"
}
