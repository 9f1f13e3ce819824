#!/usr/bin/env bash
# Makes the Windows zip from the Windows build, as `make windows-zip` does,
# and checks it: exactly the two programs, the readme and the licence at
# its top, the texts with Windows line ends, and quarnel-tiles.exe taken
# from it running (under Wine).
# usage: windows_zip.sh WINE_RUN BUILD_DIR VERSION
set -euo pipefail
wine_run=$1
build=$(cd "${2:?usage: windows_zip.sh WINE_RUN BUILD_DIR VERSION}" && pwd)
version=${3:?usage: windows_zip.sh WINE_RUN BUILD_DIR VERSION}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run_name="Windows zip"
source "$(dirname "$0")/../support/script_helpers.sh"

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
zip=$work/quarnel-$version-windows-x64.zip
[[ -f $zip ]] || fail "no $(basename "$zip"): $(ls "$work")"

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
listed=$(cd "$work/unpacked" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort | paste -sd ' ')
[[ $listed == "LICENSE.txt Quarnel.exe README.txt quarnel-tiles.exe" ]] || fail "the zip holds: $listed"
for text in README.txt LICENSE.txt; do
  [[ $(grep -c $'\r$' "$work/unpacked/$text") -eq $(wc -l <"$work/unpacked/$text") ]] ||
    fail "$text has lines without Windows line ends"
done
grep -q "Quarnel $version" "$work/unpacked/README.txt" || fail "the readme does not name version $version"

"$wine_run" "$work/unpacked/quarnel-tiles.exe" --help | grep -q '^usage: quarnel-tiles COMMAND' ||
  fail "quarnel-tiles.exe from the zip shows no usage"
echo "$run_name: $(basename "$zip") passed"
