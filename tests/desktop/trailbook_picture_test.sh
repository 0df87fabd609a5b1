# The real program shows a large picture (6,000 by 3,000 pixels) at the same
# place and with the same proportions as a small one (120 by 60): both fill
# the width of the picture box with a picture half as high, its left half
# magenta and its right half cyan.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

# The scout list's drop-down button; its list drops down as a list box whose
# rows are 23 pixels apart: Ben Carter, Eli Novak, Luis Garcia, Sam Okafor, Tommy Adams.
SCOUT_LIST=(317 83)
TOMMY_ROW=4

data=$(tb_demo_copy)
two_halves() {  # two_halves FILE HALF_SIZE
    convert -size "$2x$2" xc:magenta -size "$2x$2" xc:cyan +append -quality 90 "$1"
}
two_halves "$TB_TMP/small.jpg" 60
two_halves "$TB_TMP/large.jpg" 3000

# box SHOT COLOUR: the bounding box (WxH+X+Y) of the pixels of that colour.
box() {
    convert "$1" -fuzz 20% -fill black +opaque "$2" -fill white -opaque "$2" -format "%@" info:
}

# show_picture FILE NAME: Tommy Adams's picture becomes FILE; picks him and
# prints the boxes of the two halves.
show_picture() {
    cp "$1" "$data/Tommy Adams.jpg"
    tb_click "$win" "${SCOUT_LIST[@]}"
    tb_click_popup trailbook 60 $((12 + TOMMY_ROW * 23)) || tb_fail "the scout list did not drop down"
    tb_wait_window "Trailbook - Tommy Adams" >/dev/null || tb_fail "choosing Tommy Adams did not load him"
    sleep 1
    local shot="$TB_BUILD/tests/desktop/trailbook_picture_$2.png"
    tb_screenshot "$shot"
    echo "$(box "$shot" magenta) $(box "$shot" cyan)"
}

tb_start_trailbook "$data"
win=$TB_WIN

read -r small_left small_right <<<"$(show_picture "$TB_TMP/small.jpg" small)"
read -r large_left large_right <<<"$(show_picture "$TB_TMP/large.jpg" large)"
echo "small: $small_left $small_right; large: $large_left $large_right"

# WxH+X+Y of each half: the large picture's halves lie where the small one's
# do, give or take a pixel of rounding at the edges.
near() {  # near A B: the numbers of two boxes differ by at most 2
    local a b i
    IFS='x+' read -r -a a <<<"$1"
    IFS='x+' read -r -a b <<<"$2"
    for i in 0 1 2 3; do
        [ $((a[i] - b[i])) -le 2 ] && [ $((b[i] - a[i])) -le 2 ] || return 1
    done
}
near "$large_left" "$small_left" || tb_fail "the large picture's left half is at $large_left, the small one's at $small_left"
near "$large_right" "$small_right" || tb_fail "the large picture's right half is at $large_right, the small one's at $small_right"

# The picture box is 196 pixels wide: each half about 98 by 98.
IFS='x+' read -r -a half <<<"$large_left"
[ "${half[0]}" -ge 95 ] && [ "${half[0]}" -le 100 ] && [ "${half[1]}" -ge 95 ] && [ "${half[1]}" -le 100 ] ||
    tb_fail "the left half is ${half[0]}x${half[1]}, not about 98x98"
tb_stop
echo "PASS"
