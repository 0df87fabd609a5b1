#!/usr/bin/env bash
# `cmake --install` with a prefix puts everything under that prefix, and the
# help file stands where the program looks for it: relative to its own
# folder, never in a folder of the source or build tree compiled into it.
# (Its debug information names the trees, wherever the build folder is.)
set -euo pipefail
build_dir=$1 source_dir=$2
[ -x "$build_dir/app/trailbook" ] || { echo "no program built: nothing to install"; exit 0; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build_dir" --prefix "$tmp/p" >"$tmp/log"
while read -r line; do
  case "$line" in
    *"Installing: "*|*"Up-to-date: "*) path=${line#*: }
      case "$path" in "$tmp/p/"*) ;; *) echo "FAIL: installed outside the prefix: $path"; exit 1 ;; esac ;;
  esac
done <"$tmp/log"
[ -x "$tmp/p/bin/trailbook" ] || { echo "FAIL: no program under the prefix"; exit 1; }
help="$tmp/p/share/trailbook/Trailbook/TRAILBOOK.HLP"
cmp -s "$help" "$source_dir/demo/Trailbook/TRAILBOOK.HLP" || { echo "FAIL: no help file under the prefix"; exit 1; }
for folder in "$source_dir/demo" "$build_dir/share"; do
  if grep -qaF "$folder" "$tmp/p/bin/trailbook"; then echo "FAIL: $folder is compiled into the program"; exit 1; fi
done
echo "installed under the prefix"
