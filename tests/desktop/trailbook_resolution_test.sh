# The desktop answers the screen's real resolution, each case on a virtual
# screen of its own: an X server at 144 pixels per inch is answered 144, and
# the main window opens half again as large as on a 96-dpi screen, the
# rescaling component laying its controls and fonts out in it, so the banner
# of the scout page is half again as high too; with the desktop's scale factor
# (GDK_SCALE=2) on a 192-dpi screen the answer is in the scaled pixels, 96, and
# text grows with the controls it sits in: the banner is twice as high as on a
# plain 96-dpi screen. A screenshot of each window is kept in the build folder
# for a look.
#
#   bash FILE BUILD_DIR SOURCE_DIR                    runs every case
#   bash FILE BUILD_DIR SOURCE_DIR CASE RESULT_FILE   one case, on the display it is given
source "$(dirname "$0")/lib.sh"

build=$(cd "${1:?build folder}" && pwd)
source_dir=$(cd "${2:?source folder}" && pwd)
case_name=${3:-}
result=${4:-}

# banner_height SHOT X Y WIDTH HEIGHT: the height in pixels of the navy text
# inside the rectangle of the screenshot.
banner_height() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -depth 8 txt:- |
        sed -n 's/^[0-9]*,\([0-9]*\): *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4/p' |
        awk '$2 < 60 && $3 < 60 && $4 > 90 { if (min == "" || $1 < min) min = $1; if ($1 > max) max = $1 }
             END { print (min == "" ? 0 : max - min + 1) }'
}

# The probe's answer to the screen questions.
probe_screen() {
    local log="$TB_TMP/probe.log"
    tb_start "$TB_TMP" "$TB_BUILD/tests/desktop/tb_probe" "$log"
    tb_wait_log "$log" "^screen " || tb_fail "the probe did not answer"
    grep "^screen " "$log"
    tb_stop
}

# "BANNER WIDTH HEIGHT": the height of the scout page's banner ("=======
# Trail Book =======", navy, 16 pixels high as designed, at 150, 6 on the
# notes panel at 8, 8) and the window's outer size, in device pixels; SCALE
# device pixels per designed pixel, in hundredths.
trailbook_banner() {
    local scale=$1 data win x y w h
    data=$(tb_demo_copy)
    tb_start_trailbook "$data"
    win=$TB_WIN
    tb_screenshot "$TB_TMP/shot.png"
    read -r x y w h <<<"$(tb_geometry "$win")"
    # The menu bar's height: the window less the designed client area.
    local menu=$((h - 656 * scale / 100))
    echo "$(banner_height "$TB_TMP/shot.png" $((x + scale)) $((y + menu)) $((4 * scale)) $((scale * 2 / 5))) $w $h"
    cp "$TB_TMP/shot.png" "$TB_TMP/last.png"
    tb_stop
}

if [ -n "$case_name" ]; then
    tb_init "$build" "$source_dir"
    case "$case_name" in
        dpi144)
            probe_screen >"$result"
            trailbook_banner 150 >>"$result"
            cp "$TB_TMP/last.png" "$TB_BUILD/tests/desktop/trailbook_dpi_144.png"
            ;;
        plain) trailbook_banner 100 >"$result" ;;
        scaled)
            probe_screen >"$result"
            trailbook_banner 200 >>"$result"
            cp "$TB_TMP/last.png" "$TB_BUILD/tests/desktop/trailbook_gdk_scale_2.png"
            ;;
    esac
    exit 0
fi

results=$(mktemp -d "${TMPDIR:-/tmp}/tb-resolution.XXXXXX")
trap '[ -n "${TB_KEEP:-}" ] || rm -rf "$results"' EXIT
run_case() { # run_case NAME SCREEN [VARIABLE=VALUE...]
    local name=$1 screen=$2
    shift 2
    env -u DISPLAY "$@" xvfb-run -a -s "-screen 0 $screen" bash "$0" "$build" "$source_dir" "$name" "$results/$name" ||
        { echo "FAIL: the case $name failed" >&2; exit 1; }
}
run_case dpi144 "1920x1440x24 -dpi 144"
run_case plain "1280x1024x24 -dpi 96"
run_case scaled "2560x2048x24 -dpi 192" GDK_SCALE=2

grep -qE "^screen 1920 1440 .* ppi 144 " "$results/dpi144" || { echo "FAIL: at 144 dpi: $(cat "$results/dpi144")" >&2; exit 1; }
grep -qE "^screen 1280 1024 .* ppi 96 " "$results/scaled" || { echo "FAIL: scaled by 2: $(head -1 "$results/scaled")" >&2; exit 1; }
read -r plain plain_width plain_height <"$results/plain"
read -r scaled _ _ < <(tail -1 "$results/scaled")
read -r dense width height < <(tail -1 "$results/dpi144")
[ "$plain_width" -ge 945 ] && [ "$plain_width" -le 946 ] || { echo "FAIL: the window is $plain_width wide" >&2; exit 1; }
# Half again as wide and as high, within 2 % (the height holds the menu bar, which does not grow).
awk -v w="$width" -v h="$height" -v pw="$plain_width" -v ph="$plain_height" \
    'BEGIN { exit !(w >= 1.47 * pw && w <= 1.53 * pw && h >= 1.47 * ph - 26 && h <= 1.53 * ph) }' ||
    { echo "FAIL: at 144 dpi the window is $width by $height, at 96 $plain_width by $plain_height" >&2; exit 1; }
[ "$dense" -ge $((plain * 3 / 2 - 3)) ] && [ "$dense" -le $((plain * 3 / 2 + 3)) ] ||
    { echo "FAIL: the banner is $plain pixels high at 96 dpi and $dense at 144" >&2; exit 1; }
[ "$plain" -ge 8 ] || { echo "FAIL: no banner found on the plain screen ($plain)" >&2; exit 1; }
# Twice as high, give or take the rounding of each pixel row.
[ "$scaled" -ge $((2 * plain - 3)) ] && [ "$scaled" -le $((2 * plain + 3)) ] ||
    { echo "FAIL: the banner is $plain pixels high, and $scaled scaled by 2" >&2; exit 1; }
echo "PASS"
