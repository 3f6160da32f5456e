#!/bin/sh
# The example column is placed beside the program on a first build only, and
# never over a file the user keeps there.
#   place_example_test.sh <cmake> <examples folder> <PlaceExample.cmake>
set -eu
cmake="$1" examples="$2" script="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
place() { "$cmake" -DEXAMPLE_DIR="$examples" -DPROGRAM_DIR="$1" -P "$script" >/dev/null; }
fail() { echo "FAILED: $*" >&2; exit 1; }

# A fresh folder receives every example file, unchanged.
mkdir "$work/fresh"
place "$work/fresh"
for f in "$examples"/main.dat "$examples"/*.dg[1-7]; do
  cmp -s "$f" "$work/fresh/$(basename "$f")" || fail "fresh folder lacks $(basename "$f")"
done
[ -z "$(find "$work/fresh" -name '*.part')" ] || fail "temporary files left behind"

# A folder with the user's main.dat is left exactly as it is.
mkdir "$work/used"
printf 'mine\r\n' > "$work/used/main.dat"
place "$work/used"
[ "$(ls "$work/used")" = "main.dat" ] || fail "files were added beside a user's main.dat"
[ "$(cat "$work/used/main.dat")" = "$(printf 'mine\r')" ] || fail "the user's main.dat changed"

# Without main.dat, what is missing is placed, but a user's diagram of an
# example's name is kept.
mkdir "$work/partial"
printf '0\t1\r\n24\t1\r\n' > "$work/partial/summer.dg1"
place "$work/partial"
[ "$(head -c 2 "$work/partial/summer.dg1")" = "$(printf '0\t')" ] && grep -q '^24	1' "$work/partial/summer.dg1" \
  || fail "a user's diagram was overwritten"
cmp -s "$examples/main.dat" "$work/partial/main.dat" || fail "main.dat was not placed"
cmp -s "$examples/winter.dg1" "$work/partial/winter.dg1" || fail "a missing diagram was not placed"
echo "example placement ok"
