#!/usr/bin/env bash
# quarnel-tiles.exe under Wine: a sample written by it, exported in both
# formats and imported back, leaves both game files byte-identical; an
# import of one change changes the tile-data file; a fold writes the patch
# file's tiles into it, leaves the patch file alone, and a second finds nothing.
# usage: tiles_round_trip.sh WINE_RUN quarnel-tiles.exe
set -euo pipefail
wine_run=$1 tiles=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tiles() { "$wine_run" "$tiles" "$@"; }
fail() { echo "tiles round trip: $*" >&2; exit 1; }
# Wine's drive Z: is the Unix root; the program is given Windows paths.
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

tiles sample "$(windows_path "$work/game")" >/dev/null
cp -r "$work/game" "$work/original"
tiledata=$(windows_path "$work/game/tiledata.mul")
for format in csv jsonl; do
  tiles export "$tiledata" --format "$format" > "$work/tiles.$format"
  tiles import "$tiledata" "$(windows_path "$work/tiles.$format")" | grep -q '^no changes' ||
    fail "the $format import found changes"
  for file in tiledata.mul verdata.mul; do
    cmp "$work/original/$file" "$work/game/$file" || fail "$file changed after a $format round trip"
  done
done
printf 'id,weight\r\n0040,3\r\n' > "$work/change.csv"
tiles import "$tiledata" "$(windows_path "$work/change.csv")" | grep -q '^changed 1 tile' ||
  fail "one change was not made"
! cmp -s "$work/original/tiledata.mul" "$work/game/tiledata.mul" || fail "the change did not reach the tile-data file"
tiles fold "$tiledata" --all | grep -q '^folded 128 static tiles and 96 land tiles' || fail "the fold did not report its tiles"
cmp "$work/original/verdata.mul" "$work/game/verdata.mul" || fail "the fold changed the patch file"
tiles fold "$tiledata" --all | grep -q '^nothing to fold: ' || fail "a second fold found tiles to write"
echo "tiles round trip: passed"
