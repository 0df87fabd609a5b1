#!/usr/bin/env bash
# `make run` starts the program in a working copy of demo/, made when missing
# and kept afterwards, and never changes the tracked demo/; it builds the
# program alone, not the tests. The build is taken as done (make -o program),
# and a stand-in program records where it ran and changes a scout file there,
# as a leader's save would.
set -euo pipefail
source_dir=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/build/app"
cat >"$tmp/build/app/trailbook" <<'STUB'
#!/bin/sh
pwd >>"$RAN"
echo changed >>"Tommy Adams.scout"
STUB
chmod +x "$tmp/build/app/trailbook"
before=$(cat "$source_dir/demo/Tommy Adams.scout")
export RAN="$tmp/ran"
for run in 1 2; do
  make -s -C "$source_dir" -o program run BUILD="$tmp/build" RUN_FOLDER="$tmp/work" >/dev/null
done
[ "$(sort -u "$RAN")" = "$tmp/work" ] || { cat "$RAN"; echo "FAIL: not run in the working copy"; exit 1; }
[ "$(cat "$source_dir/demo/Tommy Adams.scout")" = "$before" ] || { echo "FAIL: demo/ was changed"; exit 1; }
[ "$(grep -c changed "$tmp/work/Tommy Adams.scout")" -eq 2 ] || { echo "FAIL: the working copy was made anew"; exit 1; }
[ -f "$tmp/work/Trailbook/TRAILBOOK.HLP" ] || { echo "FAIL: the working copy lacks the help file"; exit 1; }
# The default working copy is outside git's view.
if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
  git -C "$source_dir" check-ignore -q demo-work/x.scout || { echo "FAIL: demo-work/ is not ignored"; exit 1; }
fi
builds=$(make -n -C "$source_dir" -o configure run BUILD="$tmp/build" JOBS=4 RUN_FOLDER="$tmp/work" | grep -e "--build")
[ "$builds" = "cmake --build $tmp/build -j 4 --target trailbook trailbook_help" ] ||
  { echo "$builds"; echo "FAIL: make run does not build the program alone"; exit 1; }
# Warnings are errors in the test build only: a build a user or packager
# configures (any build type) is never stopped by one.
cmake -S "$source_dir" -B "$tmp/release" -DCMAKE_BUILD_TYPE=Release -DTRAILBOOK_WX=OFF \
  -DTRAILBOOK_BENCHMARKS=OFF >/dev/null
grep -q -e "-Wall" "$tmp/release/compile_commands.json" || { echo "FAIL: no warnings shown"; exit 1; }
if grep -q -e "-Werror" "$tmp/release/compile_commands.json"; then echo "FAIL: a user's build makes warnings errors"; exit 1; fi
test_build=$(make -n -C "$source_dir" -o deps test BUILD="$tmp/build")
grep -q "TRAILBOOK_WARNINGS_AS_ERRORS=ON" <<<"$test_build" || { echo "FAIL: make test does not make warnings errors"; exit 1; }
echo "make run works in a working copy"
