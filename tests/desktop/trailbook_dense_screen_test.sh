# On a screen of 144 pixels per inch the main window opens half again as wide
# as its 96-dpi width (946 pixels: the designed client width and the pixel the
# first placement adds), within 2 %, and the medical form's radio buttons show
# their captions whole: cut short, "Class I" and "Class II" both read "Clas...",
# so the second caption's text must come out wider than the first's. The
# screenshot is kept in the build folder for a look.
source "$(dirname "$0")/lib.sh"

# The test brings its own screen of that resolution.
if [ -z "${TB_DENSE_SCREEN:-}" ]; then
    exec env -u DISPLAY TB_DENSE_SCREEN=1 xvfb-run -a -s "-screen 0 1920x1440x24 -dpi 144" bash "$0" "$@"
fi
tb_init "$@"

tb_start_trailbook "$(tb_demo_copy)"
win=$TB_WIN
shot="$TB_BUILD/tests/desktop/trailbook_dense_screen.png"
tb_screenshot "$shot"

read -r x y w h <<<"$(tb_geometry "$win")"
awk -v w="$w" 'BEGIN { exit !(w >= 0.98 * 1.5 * 946 && w <= 1.02 * 1.5 * 946) }' ||
    tb_fail "the window is $w pixels wide, not half again as wide as 946"

# The width of the dark text inside a radio button designed at LEFT, TOP (in
# the client area), 62 by 17 pixels, one and a half times as large here.
menu=$((h - 984))
caption_width() {
    local box
    box=$(convert "$shot" -crop "93x26+$((x + $1 * 3 / 2))+$((y + menu + $2 * 3 / 2))" +repage \
        -colorspace gray -threshold 30% -format "%@" info:)
    [[ $box =~ ^([0-9]+)x ]] || tb_fail "no caption at $1, $2 ($box)"
    echo "${BASH_REMATCH[1]}"
}
# Inside Panel5 (8, 32) of the notes panel (8, 8).
class1=$(caption_width $((16 + 136)) $((40 + 222)))
class2=$(caption_width $((16 + 202)) $((40 + 222)))
[ "$class2" -ge $((class1 + 3)) ] ||
    tb_fail "the captions Class I and Class II are $class1 and $class2 pixels wide: cut short"
echo "PASS"
