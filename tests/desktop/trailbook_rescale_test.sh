# The real main window follows its size: it opens top-centre on the screen,
# and when it is resized to 1260 x 870, made as large as the screen (what
# maximizing does; there is no window manager under Xvfb to ask for it) or
# shrunk to 640 x 480, its controls move and grow in proportion to the client
# area. The dark blue captions of the window ("======= Trail Book =======",
# "Rank Advancement", "Merit Badges" ...) are found in a screenshot at each
# size; their bounding box, taken relative to the client area, must scale with
# it. Screenshots of every size are kept in the build folder for a look.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

MENU=25  # the menu bar above the client area
shots="$TB_BUILD/tests/desktop"
data=$(tb_demo_copy)

tb_start_trailbook "$data"
win=$TB_WIN

# "LEFT TOP RIGHT BOTTOM" of the dark blue captions, relative to the client area.
caption_box() {
    local x=$1 y=$2 box
    box=$(convert "$3" -fuzz 15% -fill white +opaque "#000080" -fuzz 0 -format "%@" info:)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || tb_fail "no captions found in $3 ($box)"
    local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} l=${BASH_REMATCH[3]} t=${BASH_REMATCH[4]}
    echo "$((l - x)) $((t - y - MENU)) $((l - x + w)) $((t - y - MENU + h))"
}

# Each edge of the box must have moved by the client area's scale, within 5 % (or 3 pixels).
check_scaled() {
    local name=$1 scale_x=$2 scale_y=$3
    read -ra got <<<"$4"
    awk -v n="$name" -v sx="$scale_x" -v sy="$scale_y" \
        -v l0="${base[0]}" -v t0="${base[1]}" -v r0="${base[2]}" -v b0="${base[3]}" \
        -v l="${got[0]}" -v t="${got[1]}" -v r="${got[2]}" -v b="${got[3]}" 'BEGIN {
            bad = 0
            split("left top right bottom", edge)
            want[1] = l0 * sx; want[2] = t0 * sy; want[3] = r0 * sx; want[4] = b0 * sy
            have[1] = l; have[2] = t; have[3] = r; have[4] = b
            for (i = 1; i <= 4; i++) {
                off = have[i] - want[i]
                if (off < 0) off = -off
                if (off > 3 && off > 0.05 * want[i]) {
                    printf "%s: %s edge at %d, expected about %.0f\n", n, edge[i], have[i], want[i]
                    bad = 1
                }
            }
            exit bad
        }' || tb_fail "the controls did not follow the window at $name"
}

# Placed top-centre on the 1280-pixel screen.
read -r x y width height <<<"$(tb_geometry "$win")"
[ "$y" -eq 0 ] || tb_fail "the window is at y $y, not at the top"
centre=$(((1280 - width) / 2))
[ $((x - centre)) -le 4 ] && [ $((centre - x)) -le 4 ] || tb_fail "the window is at x $x, not centred (${width} wide)"
client_w=$width
client_h=$((height - MENU))
tb_screenshot "$shots/trailbook_rescale_designed.png"
read -ra base <<<"$(caption_box "$x" "$y" "$shots/trailbook_rescale_designed.png")"

# resize_to NAME WIDTH HEIGHT [X Y]: sizes (and moves) the window, then checks the captions.
resize_to() {
    local name=$1 w=$2 h=$3
    [ -n "${4:-}" ] && xdotool windowmove --sync "$win" "$4" "$5" 2>/dev/null
    tb_resize "$win" "$w" "$h"
    sleep 1
    local nx ny nw nh
    read -r nx ny nw nh <<<"$(tb_geometry "$win")"
    # The window's largest size is the work area less the frame the platform
    # allows for (which a window without a window manager has not).
    [ $((w - nw)) -le 10 ] && [ $((h - nh)) -le 30 ] && [ "$nw" -le "$w" ] && [ "$nh" -le "$h" ] ||
        tb_fail "the window is ${nw}x${nh}, not ${w}x${h}"
    tb_screenshot "$shots/trailbook_rescale_$name.png"
    local sx sy
    sx=$(awk -v a="$nw" -v b="$client_w" 'BEGIN { print a / b }')
    sy=$(awk -v a="$((nh - MENU))" -v b="$client_h" 'BEGIN { print a / b }')
    check_scaled "$name" "$sx" "$sy" "$(caption_box "$nx" "$ny" "$shots/trailbook_rescale_$name.png")"
}

resize_to 1260x870 1260 870
resize_to screen 1280 1024 0 0
resize_to 640x480 640 480
resize_to designed "$width" "$height" "$x" "$y"

if grep -q "Gtk-" "$TB_TMP/program.out"; then
    tb_fail "GTK complained while the window was resized"
fi
tb_stop
echo "PASS"
