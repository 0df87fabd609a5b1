# The probe's window shows with every control, and size changes reach the
# form's window procedure with the new client size.
source "$(dirname "$0")/probe_common.sh"
tb_init "$@"

convert -size 64x48 gradient:red-blue "$TB_TMP/picture.jpg"
probe_start --picture "$TB_TMP/picture.jpg"

# The screen questions are answered from the display (xvfb-run's 1280 x 1024).
expect_log "^screen 1280 1024 work 1280 1024 ppi [0-9]+ language [A-Z]{3}$"

# First show: WM_SHOWWINDOW, then WM_SIZE with the designed client size.
expect_log "^showwindow 1$"
expect_log "^size $PROBE_CLIENT_W $PROBE_CLIENT_H state 0$"
[ "$(grep -n '^showwindow' "$TB_LOG" | cut -d: -f1)" -lt "$(grep -n '^size' "$TB_LOG" | head -1 | cut -d: -f1)" ] ||
    tb_fail "WM_SHOWWINDOW must come before the first WM_SIZE"

sleep 0.5
tb_screenshot "$TB_TMP/probe.png"
tb_not_blank "$TB_TMP/probe.png" || tb_fail "the screenshot is blank"
[ -n "${TB_SCREENSHOT:-}" ] && cp "$TB_TMP/probe.png" "$TB_SCREENSHOT"

# The painted controls are drawn: the lime circle of the shape, the picture.
shape=$(convert "$TB_TMP/probe.png" -format "%[pixel:p{$((40 + DX + 150)),$((30 + DY + 16))}]" info:)
case "$shape" in *lime* | *"0,255,0"*) ;; *) tb_fail "the shape is not painted lime: $shape" ;; esac
# The picture (red at the top, blue at the bottom) is stretched over Image1.
pixel() { convert "$TB_TMP/probe.png" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.b)]" info:; }
read -r red blue <<<"$(pixel $((40 + DX + 462)) $((30 + DY + 10)))"
[ "$red" -gt 150 ] && [ "$blue" -lt 100 ] || tb_fail "the top of the picture is not red: $red $blue"
read -r red blue <<<"$(pixel $((40 + DX + 462)) $((30 + DY + 52)))"
[ "$blue" -gt 150 ] && [ "$red" -lt 100 ] || tb_fail "the bottom of the picture is not blue: $red $blue"

# A resize by the user delivers WM_SIZE with the new client size, and the
# model's OnResize sees the same size.
tb_resize "$WIN" 720 600
expect_log "^size 720 $((600 - DY)) state 0$"
expect_log "^resize 720 $((600 - DY))$"

# The window procedure answers WM_SIZING with at most 800 pixels of outer
# width (client + 8): a wider drag ends at that width.
tb_resize "$WIN" 900 600
expect_log "^sizing "
expect_log "^size 792 $((600 - DY)) state 0$"
tb_wait_log "$TB_LOG" "^size 9[0-9][0-9] " 1 && tb_fail "the window procedure's answer to WM_SIZING was not applied"
read -ra g <<<"$(tb_geometry "$WIN")"
[ "${g[2]}" -eq 792 ] || tb_fail "the window is ${g[2]} wide, not 792"

tb_stop
echo "probe window: ok"
