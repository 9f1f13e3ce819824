#!/usr/bin/env bash
# Makes the Debian package from the Linux build, as `make deb` does, and
# checks it: its name and version, run-time dependencies that
# dpkg-shlibdeps found, the same files as an install, and no error from
# lintian (whose other findings are shown).
# usage: deb_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "${1:?usage: deb_package.sh BUILD_DIR VERSION}" && pwd)
version=${2:?usage: deb_package.sh BUILD_DIR VERSION}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run_name="Debian package"
source "$(dirname "$0")/../support/script_helpers.sh"

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
package=$work/quarnel_${version}_amd64.deb
[[ -f $package ]] || fail "no $(basename "$package"): $(ls "$work")"

field() { dpkg-deb --field "$package" "$1"; }
[[ $(field Package) == quarnel && $(field Version) == "$version" && $(field Architecture) == amd64 ]] ||
  fail "the control file names $(field Package) $(field Version) $(field Architecture)"
[[ $(field Depends) == *libc6* && $(field Depends) == *libqt6widgets6* ]] ||
  fail "the dependencies lack the C library or Qt Widgets: $(field Depends)"
[[ $(field Description | wc -l) -gt 3 ]] || fail "the description has no long part"

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
if ! diff <(cd "$work/root" && find . ! -type d | LC_ALL=C sort) \
          <(dpkg-deb --contents "$package" | grep -v '^d' | awk '{print $6}' | LC_ALL=C sort); then
  fail "the package's files (>) differ from an install's (<)"
fi

lintian --fail-on error --display-info "$package" 2>/dev/null || fail "lintian reports errors"
echo "$run_name: $(basename "$package") passed"
