# The real main window is painted about once per size change: resized from
# its designed size to 1260 x 870 and back, three times each way, with the
# desktop's events run for 400 ms after each change, so that paints spread
# over later frames (a theme's transitions animating the new fonts, a layout
# that settles late) are counted too. Before controls changed their looks at
# once, a size change was painted some twenty times over those 400 ms; the
# window benchmark fails above three paints per change. Without the
# benchmarks in the build there is nothing to run.
source "$(dirname "$0")/lib.sh"
tb_init "$@"

bench="$TB_BUILD/bench/window_bench"
if [ ! -x "$bench" ]; then
    echo "window_bench is not built (TRAILBOOK_BENCHMARKS off): nothing to check"
    exit 0
fi
data=$(tb_demo_copy)

(cd "$data" && "$bench" repaints 3 3) >>"$TB_TMP/program.out" 2>&1
status=$?
grep -E "painted|paints per" "$TB_TMP/program.out"
[ "$status" -eq 0 ] || tb_fail "the window was painted more than three times per size change"
echo "PASS"
