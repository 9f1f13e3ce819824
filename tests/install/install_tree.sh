#!/usr/bin/env bash
# Installs the Linux build into a temporary DESTDIR, as the package does, and
# checks what lands there with the desktop's and Debian's own tools: exactly
# the expected files, the installed quarnel-tiles running, the desktop entry
# and the AppStream data valid, the manual pages rendering without a warning,
# and the shell completion offering the commands, options and files.
# usage: install_tree.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: install_tree.sh BUILD_DIR}" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
run_name="install tree"
source "$(dirname "$0")/../support/script_helpers.sh"

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

expected=(
  usr/bin/quarnel
  usr/bin/quarnel-tiles
  usr/share/applications/org.quarnel.Quarnel.desktop
  usr/share/bash-completion/completions/quarnel-tiles
  usr/share/doc/quarnel/changelog.gz
  usr/share/doc/quarnel/copyright
  usr/share/man/man1/quarnel-tiles.1.gz
  usr/share/man/man1/quarnel.1.gz
  usr/share/metainfo/org.quarnel.Quarnel.metainfo.xml
)
icon_sizes=(16 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/quarnel.png")
done
if ! diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) \
          <(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort); then
  fail "the installed files (>) are not the expected ones (<)"
fi
for size in "${icon_sizes[@]}"; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/quarnel.png" | grep -q "PNG image data, $size x $size," ||
    fail "the ${size}x${size} icon is not a $size-pixel PNG"
done

"$root/usr/bin/quarnel-tiles" --help | grep -q '^usage: quarnel-tiles COMMAND' ||
  fail "the installed quarnel-tiles --help shows no usage"
# The editor's own answers need no display, and open no window.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
said=$("${headless[@]}" "$root/usr/bin/quarnel" --help) || fail "quarnel --help ended with status $?"
[[ $said == "usage: quarnel [TILEDATA]"* ]] || fail "quarnel --help said: $said"
said=$("${headless[@]}" "$root/usr/bin/quarnel" --version) || fail "quarnel --version ended with status $?"
[[ $said =~ ^quarnel\ [0-9]+(\.[0-9]+){3}$ ]] || fail "quarnel --version said: $said"

# Each checker must pass; desktop-file-validate's hints and warnings count as failures too.
said=$(desktop-file-validate "$root/usr/share/applications/org.quarnel.Quarnel.desktop" 2>&1) && [[ -z $said ]] ||
  fail "desktop-file-validate: $said"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.quarnel.Quarnel.metainfo.xml" >"$root/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$root/appstream.log")"
for page in quarnel quarnel-tiles; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null) ||
    fail "man -l $page.1 failed: $warnings"
  [[ -z $warnings ]] || fail "man -l $page.1 warns: $warnings"
done

# The completion, as bash would call it for the words typed so far.
completions() {
  (
    set +eu
    source "$root/usr/share/bash-completion/completions/quarnel-tiles"
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    _quarnel_tiles
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd ' '
  )
}
mkdir -p "$root/files/game"
touch "$root/files/tiledata.mul" "$root/files/TILEDATA.MUL" "$root/files/tiles.csv" "$root/files/notes.txt"
cd "$root/files"
while IFS='|' read -r words offered; do
  read -ra typed <<<"$words"
  [[ -z $words || $words == *' ' ]] && typed+=("")  # the cursor on a new word
  got=$(completions quarnel-tiles "${typed[@]}")
  [[ $got == "$offered" ]] || fail "completing 'quarnel-tiles $words' offers '$got', not '$offered'"
done <<'CASES'
|--help art diff export fold hues import info sample
ex|export
export |TILEDATA.MUL game tiledata.mul
export tiledata.mul --|--format --help --ids --land
import tiledata.mul tiles.csv --|--help --land
export tiledata.mul --format |csv jsonl
export --ids 0000-00FF |TILEDATA.MUL game tiledata.mul
export tiledata.mul |
import tiledata.mul |game tiles.csv
import tiledata.mul tiles.csv |
diff tiledata.mul t|tiledata.mul
sample |game
sample game --layout |classic newer
info |TILEDATA.MUL game tiledata.mul
art |TILEDATA.MUL game tiledata.mul
art tiledata.mul --|--help --hue --ids --in --land --out --remove --sheet
art tiledata.mul --in |game
art tiledata.mul --hue |
art tiledata.mul --hue 3 --out |game
hues |TILEDATA.MUL game tiledata.mul
hues tiledata.mul --|--format --help --ids --sheet
hues tiledata.mul --format |csv jsonl
hues tiledata.mul --sheet |game
hues tiledata.mul --ids 1-5 |
art tiledata.mul --out |game
art tiledata.mul --sheet |game
art tiledata.mul --out png --ids 0000-00FF |
sample game --art |container index
fold |TILEDATA.MUL game tiledata.mul
fold tiledata.mul --|--all --help --land
fold tiledata.mul |
CASES
echo "$run_name: passed"
