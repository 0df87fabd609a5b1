#!/usr/bin/env bash
# scripts/install-deps waits for the package manager's lock: with a stand-in
# apt-get that finds the lock held twice, the update is tried until it gets
# through, and the install is asked to wait for the lock itself.
set -euo pipefail
source_dir=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin"
cat >"$tmp/bin/dpkg-query" <<'STUB'
#!/bin/sh
[ "$3" = "make" ] && { printf 'install ok installed'; exit 0; }
exit 1
STUB
cat >"$tmp/bin/apt-get" <<'STUB'
#!/bin/sh
echo "$*" >>"$CALLS"
case "$*" in
  *" update "*|*" update")
    n=$(grep -c update "$CALLS")
    if [ "$n" -le 2 ]; then
      echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 1 (apt-get)" >&2
      exit 100
    fi ;;
esac
exit 0
STUB
printf '#!/bin/sh\nexec "$@"\n' >"$tmp/bin/sudo"
chmod +x "$tmp/bin/"*
export CALLS="$tmp/calls" PATH="$tmp/bin:$PATH" TRAILBOOK_LOCK_RETRY=0
bash "$source_dir/scripts/install-deps" 2>"$tmp/err"
[ "$(grep -c ' update' "$CALLS")" -eq 3 ] || { cat "$CALLS"; echo "FAIL: the update was not tried until the lock was free"; exit 1; }
grep -q "DPkg::Lock::Timeout=900 install -y" "$CALLS" || { cat "$CALLS"; echo "FAIL: the install does not wait for the lock"; exit 1; }
grep -q "Waiting for the package manager's lock" "$tmp/err" || { echo "FAIL: no word of the wait"; exit 1; }

# A failure that is not the lock ends at once.
: >"$CALLS"
printf '#!/bin/sh\necho "$*" >>"$CALLS"\necho "E: Unable to locate package" >&2\nexit 100\n' >"$tmp/bin/apt-get"
if bash "$source_dir/scripts/install-deps" 2>/dev/null; then echo "FAIL: a failed update reported success"; exit 1; fi
[ "$(wc -l <"$CALLS")" -eq 1 ] || { echo "FAIL: tried again without a lock"; exit 1; }
echo "install-deps waits for the lock"
