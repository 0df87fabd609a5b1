# The probe's window shows with every control, and size changes reach the
# form's window procedure with the new client size.
source "$(dirname "$0")/probe_common.sh"
tb_init "$@"

convert -size 64x48 gradient:red-blue "$TB_TMP/picture.jpg"
probe_start --picture "$TB_TMP/picture.jpg"

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

# A resize by the user delivers WM_SIZE with the new client size, and the
# model's OnResize sees the same size.
tb_resize "$WIN" 720 600
expect_log "^size 720 $((600 - DY)) state 0$"
expect_log "^resize 720 $((600 - DY))$"

tb_stop
echo "probe window: ok"
